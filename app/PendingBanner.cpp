#include "app/PendingBanner.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QToolButton>

namespace tavrix {

PendingBanner::PendingBanner(QWidget* parent) : QWidget(parent), icon_(new QToolButton(this)), text_(new QLabel(this)) {
    setObjectName(QStringLiteral("picPending"));
    icon_->setObjectName(QStringLiteral("imgPending"));
    icon_->setToolTip(QStringLiteral("View Pending Request"));
    icon_->setIcon(style()->standardIcon(QStyle::SP_MessageBoxWarning));
    icon_->setIconSize(QSize(28, 28));
    icon_->setAutoRaise(true);
    icon_->installEventFilter(this);
    text_->setObjectName(QStringLiteral("txtPending"));
    QFont f = text_->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.2);
    text_->setFont(f);
    text_->setStyleSheet(QStringLiteral("color: #b00000;"));
    text_->setMinimumWidth(text_->fontMetrics().horizontalAdvance(QLatin1String(Text)) + 12);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 0);
    layout->addWidget(icon_);
    layout->addWidget(text_);
}

void PendingBanner::tick() {
    const QString t = QLatin1String(Text);
    if (counter_ > t.size()) {
        counter_ = 1;
        return;
    }
    text_->setText(t.left(counter_));
    ++counter_;
}

QString PendingBanner::shownText() const { return text_->text(); }

bool PendingBanner::eventFilter(QObject* watched, QEvent* event) {
    if (watched == icon_ && event->type() == QEvent::MouseButtonDblClick) {
        emit openRequested();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tavrix
