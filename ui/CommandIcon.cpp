#include "ui/CommandIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace tavrix::Ui {

namespace {
QPixmap tile(const QString& mark, const QColor& colour, int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.addRoundedRect(QRectF(1, 1, size - 2, size - 2), size * 0.2, size * 0.2);
    QLinearGradient g(0, 0, 0, size);
    g.setColorAt(0, colour.lighter(125));
    g.setColorAt(1, colour.darker(115));
    p.fillPath(path, g);
    p.setPen(QPen(colour.darker(150), 1));
    p.drawPath(path);
    QFont f;
    f.setBold(true);
    f.setPixelSize(static_cast<int>(size * (mark.size() > 2 ? 0.30 : 0.40)));
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 0, size, size), Qt::AlignCenter, mark);
    return pm;
}
} // namespace

QIcon commandIcon(const QString& mark, const QColor& colour) {
    QIcon icon;
    for (int size : {24, 32, 48, 64}) {
        icon.addPixmap(tile(mark, colour, size), QIcon::Normal);
        QImage grey = tile(mark, QColor(170, 170, 170), size).toImage();
        icon.addPixmap(QPixmap::fromImage(grey), QIcon::Disabled);
    }
    return icon;
}

} // namespace tavrix::Ui
