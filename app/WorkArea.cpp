#include "app/WorkArea.h"

#include <QPainter>

namespace tavrix {

void WorkArea::setWatermark(const QString& hospital, const QString& department) {
    hospital_ = hospital;
    department_ = department;
    update();
}

void WorkArea::paintEvent(QPaintEvent* e) {
    QWidget::paintEvent(e);
    if (hospital_.isEmpty() && department_.isEmpty())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::TextAntialiasing);
    QColor ink = palette().color(QPalette::Window).lightness() > 128 ? QColor(0, 0, 0, 38) : QColor(255, 255, 255, 45);
    p.setPen(ink);
    QFont f = font();
    f.setBold(true);
    f.setPixelSize(qMax(18, width() / 28));
    p.setFont(f);
    const QRect r = rect();
    p.drawText(r.adjusted(0, 0, 0, -f.pixelSize()), Qt::AlignCenter, hospital_);
    f.setBold(false);
    f.setPixelSize(qMax(14, width() / 45));
    p.setFont(f);
    p.drawText(r.adjusted(0, f.pixelSize() * 3, 0, 0), Qt::AlignCenter, department_);
}

} // namespace tavrix
