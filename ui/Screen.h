#pragma once

#include <QDialog>

namespace tavrix::Ui {

class TitleBand;

// A screen of the program: a dialog that applies the colour scheme each time it
// becomes active, then lets the screen do its own activation steps.
class Screen : public QDialog {
    Q_OBJECT
public:
    explicit Screen(QWidget* parent = nullptr);

    TitleBand* titleBand() const { return band_; }

protected:
    // Creates the band; the screen places it in its layout.
    TitleBand* makeTitleBand(const QString& title, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
    // Called on every activation after the scheme is applied; first is true once.
    virtual void activated(bool first);
    bool event(QEvent* e) override;

private:
    TitleBand* band_ = nullptr;
    bool activatedOnce_ = false;
};

} // namespace tavrix::Ui
