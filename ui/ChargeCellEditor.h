#pragma once

#include <QLineEdit>

namespace tavrix::Ui {

// The one edit box the charge grid lays over its current cell. It filters
// what is typed (or pasted) by the rules of the cell's column and reports the
// keys that drive the grid; Enter and Esc never reach the screen's buttons.
class ChargeCellEditor : public QLineEdit {
    Q_OBJECT
public:
    explicit ChargeCellEditor(QWidget* parent = nullptr);

    // The column's rules: upper-case letters, and (when not empty) the only
    // printable characters it accepts. Control keys always pass.
    void setFilter(bool upperCase, const QString& allowed);

signals:
    void enterPressed();
    void escapePressed();
    void upPressed();
    void downPressed();

protected:
    void keyPressEvent(QKeyEvent* e) override;
};

} // namespace tavrix::Ui
