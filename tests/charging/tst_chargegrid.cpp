// The shared charge grid on its own: the cell editor's key filters, the
// quantity rules, the moving-on rule and the total, for the three screens
// that use it (in-patient, out-patient, assessment settings).

#include "ui/ChargeCellEditor.h"
#include "ui/ChargeGrid.h"

#include <QHeaderView>
#include <QtTest>

using namespace tavrix;
using Ui::ChargeGrid;
using Ui::ChargeGridSettings;

namespace {

ChargeGridSettings settingsFor(const QString& variant, bool includeDoctorFee = true) {
    if (variant == "out")
        return ChargeGridSettings::outPatient("MI", includeDoctorFee);
    if (variant == "assessment")
        return ChargeGridSettings::assessment("MI", includeDoctorFee);
    return ChargeGridSettings::inPatient("MI", includeDoctorFee);
}

// A grid with one exam line: code, price and the rate flag in the variant's own columns.
struct Fixture {
    explicit Fixture(const QString& variant, bool includeDoctorFee = true)
        : grid(settingsFor(variant, includeDoctorFee)) {
        grid.resize(900, 300);
        grid.show();
        grid.setLookup([this](int, int, const QString&) { grid.moveOn(); });
        grid.setRateFixedCheck([this](int row) { return !priceOpenRows.contains(row); });
    }
    void line(int row, const QString& price, const QString& rateFlag = {}) {
        while (grid.rowCount() < row)
            grid.addRow();
        const auto& s = grid.settings();
        grid.setText(row, s.departmentColumn, "MI");
        grid.setText(row, s.codeColumn, QStringLiteral("MRI%1").arg(row, 3, 10, QChar('0')));
        grid.setText(row, s.priceColumn, price);
        grid.setText(row, s.rateFlagColumn, rateFlag);
    }
    QString at() const {
        return QStringLiteral("%1:%2").arg(grid.currentDataRow()).arg(grid.currentColumn());
    }
    void typeOver(const QString& text) {
        grid.editor()->selectAll();
        QTest::keyClick(grid.editor(), Qt::Key_Backspace);
        QTest::keyClicks(grid.editor(), text);
    }
    void enter() { QTest::keyClick(grid.editor(), Qt::Key_Return); }

    ChargeGrid grid;
    QSet<int> priceOpenRows;
};

} // namespace

class TestChargeGrid : public QObject {
    Q_OBJECT

private slots:
    void layoutFollowsSettings_data() {
        QTest::addColumn<QString>("variant");
        QTest::addColumn<int>("columns");
        QTest::addColumn<QString>("nameHeading");
        QTest::addColumn<QString>("hiddenHeading");
        QTest::newRow("in-patient") << "in" << 21 << "Exam"
                                    << "Can Edit?";
        QTest::newRow("out-patient") << "out" << 21 << "Exam"
                                     << "Regular";
        QTest::newRow("assessment") << "assessment" << 12 << "Particular"
                                    << "FixedPrice";
    }
    void layoutFollowsSettings() {
        QFETCH(QString, variant);
        QFETCH(int, columns);
        QFETCH(QString, nameHeading);
        QFETCH(QString, hiddenHeading);
        Fixture f(variant);
        QCOMPARE(f.grid.objectName(), QStringLiteral("grdTable"));
        QCOMPARE(f.grid.columnCount(), columns);
        QCOMPARE(f.grid.rowCount(), 1);
        QCOMPARE(f.grid.horizontalHeaderItem(3)->text(), nameHeading);
        for (int c = 1; c <= 6; ++c)
            QVERIFY2(!f.grid.isColumnHidden(c), qPrintable(QString::number(c)));
        int hidden = -1;
        for (int c = 7; c < columns; ++c) {
            QVERIFY(f.grid.isColumnHidden(c));
            if (f.grid.horizontalHeaderItem(c)->text() == hiddenHeading)
                hidden = c;
        }
        QVERIFY(hidden > 0);
        // Shown headings fit their columns.
        const QFontMetrics fm(f.grid.horizontalHeader()->font());
        for (int c = 1; c <= 6; ++c)
            QVERIFY(f.grid.columnWidth(c) >= fm.horizontalAdvance(f.grid.horizontalHeaderItem(c)->text()));
    }

    void keysRefusedOrUpperCased_data() {
        QTest::addColumn<QString>("variant");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("cell");
        QTest::newRow("quantity refuses letters") << "in" << 5 << "1a2B"
                                                  << "12";
        QTest::newRow("quantity refuses minus") << "in" << 5 << "-3"
                                                << "3";
        QTest::newRow("price refuses letters") << "in" << 4 << "12x.5"
                                               << "12.5";
        QTest::newRow("code upper-cased") << "in" << 2 << "mri001"
                                          << "MRI001";
        QTest::newRow("department upper-cased") << "out" << 1 << "md"
                                                << "MD";
        QTest::newRow("assessment quantity takes minus") << "assessment" << 5 << "-2a"
                                                         << "-2";
    }
    void keysRefusedOrUpperCased() {
        QFETCH(QString, variant);
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(QString, cell);
        Fixture f(variant);
        f.line(1, "100.00", "Y");
        f.priceOpenRows << 1;
        f.grid.enterCell(1, column);
        QVERIFY(f.grid.editorVisible());
        f.typeOver(typed);
        QCOMPARE(f.grid.text(1, column), cell);
    }

    // Enter in the quantity cell: the quantity kept or turned into 1, and amount = price x quantity.
    void quantityConfirmation_data() {
        QTest::addColumn<QString>("variant");
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("amountBefore");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<QString>("amount");
        QTest::newRow("in: empty becomes 1") << "in"
                                             << "8500.00"
                                             << ""
                                             << ""
                                             << "1"
                                             << "8500.00";
        QTest::newRow("in: 0 becomes 1") << "in"
                                         << "8500.00"
                                         << ""
                                         << "0"
                                         << "1"
                                         << "8500.00";
        QTest::newRow("in: no number becomes 1") << "in"
                                                 << "8500.00"
                                                 << ""
                                                 << "1+1"
                                                 << "1"
                                                 << "8500.00";
        QTest::newRow("in: 3") << "in"
                               << "8500.00"
                               << ""
                               << "3"
                               << "3"
                               << "25500.00";
        QTest::newRow("in: 2.5") << "in"
                                 << "120.00"
                                 << ""
                                 << "2.5"
                                 << "2.5"
                                 << "300.00";
        QTest::newRow("in: fee line keeps its fee") << "in"
                                                    << ""
                                                    << "1500.00"
                                                    << ""
                                                    << "1"
                                                    << "1500.00";
        QTest::newRow("out: 0 stays 0") << "out"
                                        << "8500.00"
                                        << ""
                                        << "0"
                                        << "0"
                                        << "0.00";
        QTest::newRow("out: 3") << "out"
                                << "8500.00"
                                << ""
                                << "3"
                                << "3"
                                << "25500.00";
        QTest::newRow("assessment: 2") << "assessment"
                                       << "8500.00"
                                       << ""
                                       << "2"
                                       << "2"
                                       << "17000.00";
        QTest::newRow("assessment: empty") << "assessment"
                                           << "8500.00"
                                           << ""
                                           << ""
                                           << ""
                                           << "0.00";
    }
    void quantityConfirmation() {
        QFETCH(QString, variant);
        QFETCH(QString, price);
        QFETCH(QString, amountBefore);
        QFETCH(QString, typed);
        QFETCH(QString, quantity);
        QFETCH(QString, amount);
        Fixture f(variant);
        f.line(1, price);
        f.grid.setText(1, 6, amountBefore);
        QSignalSpy totals(&f.grid, &ChargeGrid::totalChanged);
        f.grid.enterCell(1, 5);
        f.typeOver(typed);
        f.enter();
        QCOMPARE(f.grid.text(1, 5), quantity);
        QCOMPARE(f.grid.text(1, 6), amount);
        QCOMPARE(totals.count(), 1);
        QCOMPARE(totals.last().first().toString(), amount);
    }

    void quantityArrival_data() {
        QTest::addColumn<QString>("variant");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("shown");
        QTest::newRow("in: always 1") << "in"
                                      << "3"
                                      << "1";
        QTest::newRow("in: empty") << "in"
                                   << ""
                                   << "1";
        QTest::newRow("out: keeps a quantity") << "out"
                                               << "3"
                                               << "3";
        QTest::newRow("out: empty") << "out"
                                    << ""
                                    << "1";
    }
    void quantityArrival() {
        QFETCH(QString, variant);
        QFETCH(QString, before);
        QFETCH(QString, shown);
        Fixture f(variant);
        f.line(1, "100.00");
        f.grid.setText(1, 5, before);
        f.grid.enterCell(1, 5);
        QCOMPARE(f.grid.editor()->text(), shown);
        QCOMPARE(f.grid.text(1, 5), shown); // the box writes through to the cell
    }

    void classificationAConfirmsAtOnce() {
        Fixture f("in");
        f.line(1, "120.00");
        f.grid.setText(1, 7, "A");
        f.grid.enterCell(1, 5);
        QCOMPARE(f.grid.text(1, 5), QStringLiteral("1"));
        QCOMPARE(f.grid.text(1, 6), QStringLiteral("120.00"));
        QCOMPARE(f.at(), QStringLiteral("2:1")); // moved on to a new row
    }

    // Enter from the code cell onwards: the cells the cursor stops in, up to the next row's first.
    void movingOn_data() {
        QTest::addColumn<QString>("variant");
        QTest::addColumn<bool>("includeDoctorFee");
        QTest::addColumn<QString>("rateFlag");
        QTest::addColumn<bool>("priceOpen");
        QTest::addColumn<QString>("path");
        QTest::newRow("in: fixed rate") << "in" << true << "N" << false << "1:5 2:1";
        QTest::newRow("in: open rate stops in price and amount")
            << "in" << true << "Y" << true << "1:4 1:5 1:6 2:1";
        QTest::newRow("in: no doctor fee passes the department")
            << "in" << false << "N" << false << "1:5 2:2";
        QTest::newRow("in: fee or supply line") << "in" << true << "" << false << "1:5 2:1";
        QTest::newRow("out: price never typed") << "out" << true << "Y" << true << "1:5 1:6 2:1";
        QTest::newRow("out: fixed rate skips amount") << "out" << true << "N" << false << "1:5 2:1";
        QTest::newRow("out: fee or supply line types amount")
            << "out" << true << "" << false << "1:5 1:6 2:1";
        QTest::newRow("assessment: fixed") << "assessment" << true << "Y" << false << "1:5 2:1";
        QTest::newRow("assessment: open rate") << "assessment" << true << "N" << false << "1:5 1:6 2:1";
    }
    void movingOn() {
        QFETCH(QString, variant);
        QFETCH(bool, includeDoctorFee);
        QFETCH(QString, rateFlag);
        QFETCH(bool, priceOpen);
        QFETCH(QString, path);
        Fixture f(variant, includeDoctorFee);
        f.line(1, "100.00", rateFlag);
        if (priceOpen)
            f.priceOpenRows << 1;
        f.grid.enterCell(1, 2);
        QStringList visited;
        for (int i = 0; i < 6 && f.grid.currentDataRow() == 1; ++i) {
            f.enter();
            visited << f.at();
        }
        QCOMPARE(visited.join(' '), path);
        QCOMPARE(f.grid.rowCount(), 2); // the row after the last is added as the cursor moves past
        QCOMPARE(f.grid.text(2, 1), QStringLiteral("MI"));
    }

    // Assessment: once a line with an open rate was passed, every later line stops in its amount.
    void assessmentAmountStaysOpen() {
        Fixture f("assessment");
        f.line(1, "100.00", "N");
        f.line(2, "200.00", "Y");
        QVERIFY(!f.grid.isEditable(2, 6));
        f.grid.enterCell(2, 6);
        QVERIFY(!f.grid.editorVisible());
        f.grid.enterCell(2, 6, true); // a fee line lands in its amount all the same
        QVERIFY(f.grid.editorVisible());
        f.grid.enterCell(1, 5);
        f.enter();
        QVERIFY(f.grid.isEditable(2, 6));
    }

    void arrowKeys_data() {
        QTest::addColumn<QString>("variant");
        QTest::addColumn<QString>("afterUp");
        QTest::addColumn<QString>("afterDown");
        QTest::newRow("assessment moves rows") << "assessment"
                                               << "1:5"
                                               << "2:5";
        QTest::newRow("in-patient ignores them") << "in"
                                                 << "2:5"
                                                 << "2:5";
    }
    void arrowKeys() {
        QFETCH(QString, variant);
        QFETCH(QString, afterUp);
        QFETCH(QString, afterDown);
        Fixture f(variant);
        f.line(1, "1.00");
        f.line(2, "2.00");
        f.grid.enterCell(2, 5);
        QTest::keyClick(f.grid.editor(), Qt::Key_Up);
        QCOMPARE(f.at(), afterUp);
        QTest::keyClick(f.grid.editor(), Qt::Key_Down);
        QCOMPARE(f.at(), afterDown);
        QTest::keyClick(f.grid.editor(), Qt::Key_Down); // the last row: nothing
        QCOMPARE(f.at(), afterDown);
    }

    void escapeHidesTheEditor() {
        Fixture f("in");
        f.line(1, "1.00");
        f.grid.enterCell(1, 2);
        QVERIFY(f.grid.editorVisible());
        QTest::keyClick(f.grid.editor(), Qt::Key_Escape);
        QVERIFY(!f.grid.editorVisible());
    }

    // In-patient: a typed amount counts only when a quantity is next confirmed;
    // out-patient: Enter in the amount recomputes the total at once.
    void totalAfterTypedAmount_data() {
        QTest::addColumn<QString>("variant");
        QTest::addColumn<QString>("totalAfterAmount");
        QTest::newRow("in-patient") << "in"
                                    << "100.00";
        QTest::newRow("out-patient") << "out"
                                     << "350.00";
    }
    void totalAfterTypedAmount() {
        QFETCH(QString, variant);
        QFETCH(QString, totalAfterAmount);
        Fixture f(variant);
        f.line(1, "100.00", variant == "in" ? "Y" : "");
        f.grid.enterCell(1, 5);
        f.enter(); // quantity 1: total 100.00
        QCOMPARE(f.at(), QStringLiteral("1:6"));
        f.typeOver("350");
        f.enter();
        QCOMPARE(f.grid.text(1, 6), QStringLiteral("350.00"));
        QCOMPARE(f.grid.totalText(), totalAfterAmount);
        f.line(2, "10.00");
        f.grid.enterCell(2, 5);
        f.enter();
        QCOMPARE(f.grid.totalText(), QStringLiteral("360.00"));
    }

    // A new line starts in the department's own code; a line that already holds an item keeps its department.
    void departmentOnArrival() {
        Fixture f("in");
        f.grid.enterCell(1, 1);
        QCOMPARE(f.grid.editor()->text(), QStringLiteral("MI"));
        f.typeOver("MD");
        f.grid.setText(1, 2, "2001");
        f.grid.enterCell(1, 5);
        f.grid.enterCell(1, 1);
        QCOMPARE(f.grid.text(1, 1), QStringLiteral("MD"));
    }

    void lockedColumnsNeverOpen() {
        Fixture f("in");
        for (int c = 1; c <= 6; ++c)
            f.grid.setColumnLocked(c, true);
        f.grid.enterCell(1, 2);
        QVERIFY(!f.grid.editorVisible());
        f.grid.moveOn(); // nowhere to go: no endless new rows
        QCOMPARE(f.grid.rowCount(), 1);
    }
};

QTEST_MAIN(TestChargeGrid)
#include "tst_chargegrid.moc"
