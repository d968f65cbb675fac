#include "app/DischargeNotifier.h"

#include <QGraphicsOpacityEffect>
#include <QHBoxLayout>
#include <QLabel>
#include <QPropertyAnimation>
#include <QStyle>
#include <QVBoxLayout>

namespace tavrix {

DischargeNotifier::DischargeNotifier(QWidget* parent)
    : QFrame(parent), first_(new QLabel(QLatin1String(FirstSentence))), second_(new QLabel(QLatin1String(SecondSentence))) {
    setObjectName(QStringLiteral("agtNotice"));
    setFrameShape(QFrame::StyledPanel);
    setStyleSheet(QStringLiteral("#agtNotice { background: #fff8d6; border: 2px solid #c9a227; border-radius: 10px; }"));
    setCursor(Qt::PointingHandCursor);
    setToolTip(QStringLiteral("Double-click to open the discharge notices"));
    auto* icon = new QLabel;
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(40, 40));
    QFont f = first_->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.15);
    first_->setFont(f);
    auto* text = new QVBoxLayout;
    text->addWidget(first_);
    text->addWidget(second_);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(icon);
    layout->addLayout(text);
    hide();
}

QString DischargeNotifier::sentences() const { return first_->text() + u' ' + second_->text(); }

void DischargeNotifier::announce() {
    adjustSize();
    show();
    raise();
    // A short fade-in draws the eye without getting in the clerk's way.
    auto* effect = new QGraphicsOpacityEffect(this);
    setGraphicsEffect(effect);
    auto* fade = new QPropertyAnimation(effect, "opacity", this);
    fade->setDuration(600);
    fade->setStartValue(0.2);
    fade->setEndValue(1.0);
    connect(fade, &QPropertyAnimation::finished, this, [this] { setGraphicsEffect(nullptr); });
    fade->start(QAbstractAnimation::DeleteWhenStopped);
}

void DischargeNotifier::mouseDoubleClickEvent(QMouseEvent* e) {
    QFrame::mouseDoubleClickEvent(e);
    emit doubleClicked();
}

} // namespace tavrix
