#include "ui/TitleBand.h"

namespace tavrix::Ui {

TitleBand::TitleBand(const QString& title, QWidget* parent, Qt::Alignment alignment) : QLabel(title, parent) {
    setObjectName(QStringLiteral("lblTitle"));
    setAlignment(alignment);
    setMinimumHeight(34);
    setMargin(6);
    QFont f = font();
    f.setPointSizeF(f.pointSizeF() * 1.35);
    f.setBold(true);
    setFont(f);
    setAutoFillBackground(true);
}

} // namespace tavrix::Ui
