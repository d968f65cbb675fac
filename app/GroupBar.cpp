#include "app/GroupBar.h"

#include "ui/Twips.h"

#include <QAbstractButton>

#include <algorithm>

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
    // The stacking is laid out in twips; a taller bar (a maximised window)
    // stretches it so the groups use the whole height.
    const double scale = std::max(1.0, height() / double(Ui::twips(ExitTop + ButtonHeight)));
    const auto px = [scale](int twips) { return static_cast<int>(Ui::twips(twips) * scale); };
    const int w = width();
    const int h = px(ButtonHeight);
    for (int i = 0; i < groups_.size(); ++i) {
        const int g = i + 1;
        groups_[i].button->setGeometry(0, px(buttonTop(g)), w, h);
        groups_[i].panel->setVisible(g == current_);
    }
    if (current_ >= 1 && current_ <= groups_.size()) {
        const int top = px(current_ * ButtonHeight);
        const int bottom = current_ < groups_.size() ? px(buttonTop(current_ + 1)) : px(ExitTop);
        groups_[current_ - 1].panel->setGeometry(0, top, w, bottom - top);
        groups_[current_ - 1].panel->raise();
    }
    if (exit_)
        exit_->setGeometry(0, px(ExitTop), w, h);
}

} // namespace tavrix
