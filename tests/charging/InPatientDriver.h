#pragma once

// Drives frmInPatient as a clerk would: the last name typed into its box,
// each grid line typed cell by cell into the grid's edit box.

#include "charging/frmInPatient.h"
#include "ui/ChargeCellEditor.h"
#include "ui/ChargeGrid.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace tavrix::test {

struct InPatientDriver {
    explicit InPatientDriver(frmInPatient& screen) : screen(screen), grid(screen.grid()) {}

    QLineEdit* field(const char* name) const { return screen.findChild<QLineEdit*>(QLatin1String(name)); }
    QPushButton* button(const char* name) const {
        return screen.findChild<QPushButton*>(QLatin1String(name));
    }

    bool show() {
        screen.show();
        screen.activateWindow();
        return QTest::qWaitForWindowActive(&screen);
    }
    void findPatient(const QString& lastName) {
        QLineEdit* sname = field("txtSname");
        QTest::keyClicks(sname, lastName);
        QTest::keyClick(sname, Qt::Key_Return);
    }
    // Types over the current cell's text and presses Enter.
    void type(const QString& text) {
        Ui::ChargeCellEditor* editor = grid->editor();
        editor->selectAll();
        if (text.isEmpty())
            QTest::keyClick(editor, Qt::Key_Backspace);
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
    }
    // One line, from its department cell: Enter in the department takes "MI" as it comes.
    void exam(const QString& code) {
        QTest::keyClick(grid->editor(), Qt::Key_Return);
        type(code);
        type(QStringLiteral("1"));
    }
    void fee(const QString& doctor) {
        type(QStringLiteral("MD"));
        type(doctor); // the fee box comes up here
        type(QString());
    }
    void stockItem(const QString& department, const QString& item, const QString& quantity) {
        type(department);
        type(item);
        type(quantity);
    }
    QString at() const {
        return QStringLiteral("%1:%2").arg(grid->currentDataRow()).arg(grid->currentColumn());
    }

    frmInPatient& screen;
    Ui::ChargeGrid* grid;
};

} // namespace tavrix::test
