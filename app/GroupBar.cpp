#include "app/GroupBar.h"

#include "ui/Twips.h"

#include <QAbstractButton>

namespace tavrix {

GroupBar::GroupBar(QWidget* parent) : QWidget(parent) {
    setMinimumHeight(Ui::twips(ExitTop + ButtonHeight));
}

void GroupBar::addGroup(QAbstractButton* button, QWidget* panel) {
    button->setParent(this);
    panel->setParent(this);
    const int index = static_cast<int>(groups_.size()) + 1;
    connect(button, &QAbstractButton::clicked, this, [this, index] { choose(index); });
    groups_.append({button, panel});
    place();
}

void GroupBar::setExitButton(QAbstractButton* button) {
    button->setParent(this);
    exit_ = button;
    place();
}

int GroupBar::buttonTop(int group) const {
    if (group <= 1 || group <= current_)
        return (group - 1) * ButtonHeight; // upper stack; the first group never moves
    return LowerStackTop + (group - 2) * ButtonHeight;
}

void GroupBar::choose(int group) {
    if (group < 1 || group > groups_.size())
        return;
    current_ = group;
    place();
}

void GroupBar::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    place();
}

void GroupBar::place() {
    const int w = width();
    const int h = Ui::twips(ButtonHeight);
    for (int i = 0; i < groups_.size(); ++i) {
        const int g = i + 1;
        groups_[i].button->setGeometry(0, Ui::twips(buttonTop(g)), w, h);
        groups_[i].panel->setVisible(g == current_);
    }
    if (current_ >= 1 && current_ <= groups_.size()) {
        const int top = Ui::twips(current_ * ButtonHeight);
        const int bottom = current_ < groups_.size() ? Ui::twips(buttonTop(current_ + 1)) : Ui::twips(ExitTop);
        groups_[current_ - 1].panel->setGeometry(0, top, w, bottom - top);
        groups_[current_ - 1].panel->raise();
    }
    if (exit_)
        exit_->setGeometry(0, Ui::twips(ExitTop), w, h);
}

} // namespace tavrix
