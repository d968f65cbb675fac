#include "results/SearchIcon.h"

#include <QPainter>
#include <QPixmap>

namespace tavrix {

QIcon searchIcon() {
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 40), 3.5));
    p.setBrush(QColor(200, 225, 250));
    p.drawEllipse(QRectF(4, 4, 17, 17));
    p.setPen(QPen(QColor(40, 40, 40), 5.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(19.5, 19.5), QPointF(28, 28));
    p.end();
    return QIcon(pm);
}

} // namespace tavrix
