#pragma once

#include <QColor>

class QWidget;

namespace tavrix::Ui {

// The workstation's colour scheme (application "TavRixColor", section
// "FormColor"), read afresh each time a screen becomes active. Each value is
// red + 256 x green + 65536 x blue as decimal text; text that is not a number reads as black.
struct ColorScheme {
    QColor back;  // "BackColor": screen background; default the system button face
    QColor band;  // "BandColor": title band background; default grey 128,128,128
    QColor other; // "OtherColor": title text on the band; default light grey 224,224,224

    static ColorScheme read();
    static QColor fromNumber(const QString& text);

    // Background of the screen, and the band's background and text colours.
    void applyTo(QWidget* screen, QWidget* band) const;
    static void applyBackground(QWidget* widget, const QColor& color);
};

} // namespace tavrix::Ui
