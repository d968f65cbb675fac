#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace tavrix {

// The small box that asks for a reader's fee. "OK" takes only a number; the
// fee comes back formatted "0.00".
class frmPF : public QDialog {
    Q_OBJECT
public:
    explicit frmPF(QWidget* parent = nullptr);

    bool Valid = false;
    QString Fee; // "0.00"

private:
    void ok();

    QLineEdit* txtFee_;
    QPushButton* cmdOK_;
};

} // namespace tavrix
