#include "ui/ColorScheme.h"

#include "ui/Settings.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace tavrix::Ui {

QColor ColorScheme::fromNumber(const QString& text) {
    bool ok = false;
    const qlonglong n = text.trimmed().toLongLong(&ok);
    if (!ok)
        return QColor(0, 0, 0);
    return QColor(static_cast<int>(n & 0xff), static_cast<int>((n >> 8) & 0xff), static_cast<int>((n >> 16) & 0xff));
}

ColorScheme ColorScheme::read() {
    const Settings s;
    ColorScheme c;
    const auto back = s.colorValue(Settings::BackColor);
    const auto band = s.colorValue(Settings::BandColor);
    const auto other = s.colorValue(Settings::OtherColor);
    c.back = back ? fromNumber(*back) : QApplication::palette().color(QPalette::Button);
    c.band = band ? fromNumber(*band) : QColor(128, 128, 128);
    c.other = other ? fromNumber(*other) : QColor(224, 224, 224);
    return c;
}

void ColorScheme::applyBackground(QWidget* widget, const QColor& color) {
    if (!widget)
        return;
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, color);
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

void ColorScheme::applyTo(QWidget* screen, QWidget* band) const {
    applyBackground(screen, back);
    if (band) {
        QPalette p = band->palette();
        p.setColor(QPalette::Window, this->band);
        p.setColor(QPalette::WindowText, other);
        band->setPalette(p);
        band->setAutoFillBackground(true);
    }
}

} // namespace tavrix::Ui
