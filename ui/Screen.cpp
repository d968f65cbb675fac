#include "ui/Screen.h"

#include "ui/ColorScheme.h"
#include "ui/TitleBand.h"

#include <QEvent>

namespace tavrix::Ui {

Screen::Screen(QWidget* parent) : QDialog(parent) {}

TitleBand* Screen::makeTitleBand(const QString& title, Qt::Alignment alignment) {
    band_ = new TitleBand(title, this, alignment);
    return band_;
}

void Screen::activated(bool) {}

bool Screen::event(QEvent* e) {
    const bool handled = QDialog::event(e);
    if (e->type() == QEvent::WindowActivate) {
        ColorScheme::read().applyTo(this, band_);
        const bool first = !activatedOnce_;
        activatedOnce_ = true;
        activated(first);
    }
    return handled;
}

} // namespace tavrix::Ui
