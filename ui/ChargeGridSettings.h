#pragma once

#include <QList>
#include <QMap>
#include <QSet>
#include <QString>

namespace tavrix::Ui {

// One column of the charge grid. Column 0 is the row selector.
struct ChargeGridColumn {
    QString heading;
    int widthTwips = -1; // -1: the grid's default width; 0: hidden (carries data only)
};

// When the clerk may type a unit price.
enum class PriceEditing {
    WhenRateNotFixed, // asks the rate check each time the price cell is entered
    Never,
};

// When the clerk may type a line's amount.
enum class AmountEditing {
    WhenRateOpen,      // only in rows whose rate flag holds rateFlagOpen
    UnlessRateFixed,   // in every row whose rate flag is not rateFlagFixed (empty counts as open)
    AfterOpenRateSeen, // once the cursor has moved on from a row with an open rate, in every row, for good
};

// When the quantity cell is entered, its editor shows "1"...
enum class QuantityArrival {
    AlwaysOne,    // ...whatever the cell held
    OneWhenEmpty, // ...only when the cell is empty
};

// The differences between the screens that share the charge grid. Column
// positions name what the rules read; -1 means the grid has no such column.
struct ChargeGridSettings {
    QString objectName = QStringLiteral("grdTable");
    QList<ChargeGridColumn> columns; // [0] is the row selector
    int stretchColumn = 3;           // takes the width left over, so names stay readable

    int departmentColumn = 1;
    int codeColumn = 2;
    int nameColumn = 3;
    int priceColumn = 4;
    int quantityColumn = 5;
    int amountColumn = 6;
    int classificationColumn = 7; // "A" confirms the quantity as soon as it is entered
    int rateFlagColumn = 9;       // whether an exam's price is fixed, as the screen writes it
    int regularPriceColumn = 10;
    int portablePriceColumn = 11;
    int locationColumn = 19;
    int inventoryCodeColumn = 20;

    QString rateFlagOpen = QStringLiteral("Y");  // the rate flag of an exam whose price may be typed
    QString rateFlagFixed = QStringLiteral("N"); // the rate flag of an exam with a fixed price

    QString defaultDepartment;       // the session's RevenueID, put into an empty department cell
    bool departmentEditable = false; // IncludeDoctorFee; otherwise the cursor passes the department at once

    QSet<int> lookupColumns{1, 2}; // Enter runs the screen's look-up instead of moving on
    QSet<int> upperCaseColumns{1, 2};
    QSet<int> rightAlignedColumns{4, 5, 6}; // amounts and quantities line up on the right
    QMap<int, QString> allowedCharacters;   // printable characters a column accepts; others are refused

    PriceEditing priceEditing = PriceEditing::WhenRateNotFixed;
    AmountEditing amountEditing = AmountEditing::WhenRateOpen;
    QuantityArrival quantityArrival = QuantityArrival::AlwaysOne;
    bool zeroQuantityBecomesOne = true;      // Enter turns a quantity of 0 (or no number) into 1
    bool amountEnterRecomputesTotal = false; // Enter in the amount cell also recomputes the total
    bool arrowKeysMoveRows = false;          // Up and Down in the editor move to the row above or below

    // The in-patient request entry grid: 21 columns.
    static ChargeGridSettings inPatient(const QString& revenueId, bool includeDoctorFee);
    // The out-patient twin: the same columns and rules, except for its headings,
    // a price that is never typed, and the quantity and amount rules of its screen.
    static ChargeGridSettings outPatient(const QString& revenueId, bool includeDoctorFee);
    // The assessment entry grid: 12 columns, its own column positions and rules.
    static ChargeGridSettings assessment(const QString& revenueId, bool includeDoctorFee);
};

inline ChargeGridSettings ChargeGridSettings::inPatient(const QString& revenueId, bool includeDoctorFee) {
    ChargeGridSettings s;
    s.columns = {{QString(), 200},
                 {QStringLiteral("Department"), 1000},
                 {QStringLiteral("Code"), 1000},
                 {QStringLiteral("Exam"), 3000},
                 {QStringLiteral("Price"), 1000},
                 {QStringLiteral("Quantity"), 1000},
                 {QStringLiteral("Amount"), 1000},
                 {QStringLiteral("Classification"), 0},
                 {QStringLiteral("Enter Film"), 0},
                 {QStringLiteral("Can Edit?"), 0},
                 {QStringLiteral("Regular Price"), 0},
                 {QStringLiteral("Portable Price"), 0}};
    for (int i = 1; i <= 7; ++i)
        s.columns.append({QStringLiteral("Film%1").arg(i), 0});
    s.columns.append({QStringLiteral("LocationID"), 0});
    s.columns.append({QStringLiteral("inventory code"), 0});
    s.defaultDepartment = revenueId;
    s.departmentEditable = includeDoctorFee;
    s.allowedCharacters = {{4, QStringLiteral("1234567890.+")}, {5, QStringLiteral("1234567890.+")}};
    return s;
}

inline ChargeGridSettings ChargeGridSettings::outPatient(const QString& revenueId, bool includeDoctorFee) {
    ChargeGridSettings s = inPatient(revenueId, includeDoctorFee);
    s.columns[1].widthTwips = -1;
    s.columns[7].heading = QStringLiteral("Classifiction");
    s.columns[8].heading = QStringLiteral("Film?");
    s.columns[10].heading = QStringLiteral("Regular");
    s.columns[11].heading = QStringLiteral("Portable");
    for (int i = 12; i <= 18; ++i)
        s.columns[i].heading.clear();
    s.columns[20].heading = QStringLiteral("InventoryCode");
    s.priceEditing = PriceEditing::Never;
    s.amountEditing = AmountEditing::UnlessRateFixed;
    s.quantityArrival = QuantityArrival::OneWhenEmpty;
    s.zeroQuantityBecomesOne = false;
    s.amountEnterRecomputesTotal = true;
    return s;
}

inline ChargeGridSettings ChargeGridSettings::assessment(const QString& revenueId, bool includeDoctorFee) {
    ChargeGridSettings s;
    s.columns = {{QString(), 200},
                 {QStringLiteral("Department"), 1000},
                 {QStringLiteral("Code"), 1000},
                 {QStringLiteral("Particular"), 3000},
                 {QStringLiteral("Price"), 1000},
                 {QStringLiteral("Quantity"), 1000},
                 {QStringLiteral("Amount"), 1000},
                 {QStringLiteral("Regular Price"), 0},
                 {QStringLiteral("Portable Price"), 0},
                 {QStringLiteral("Classification"), 0},
                 {QStringLiteral("FixedPrice"), 0},
                 {QString(), 0}};
    s.classificationColumn = 9;
    s.rateFlagColumn = 10;
    s.regularPriceColumn = 7;
    s.portablePriceColumn = 8;
    s.locationColumn = 11;
    s.inventoryCodeColumn = -1;
    s.rateFlagOpen = QStringLiteral("N"); // "FixedPrice" N: the amount may be typed
    s.rateFlagFixed = QStringLiteral("Y");
    s.defaultDepartment = revenueId;
    s.departmentEditable = includeDoctorFee;
    s.allowedCharacters = {{5, QStringLiteral("1234567890.+-")}};
    s.priceEditing = PriceEditing::Never;
    s.amountEditing = AmountEditing::AfterOpenRateSeen;
    s.quantityArrival = QuantityArrival::OneWhenEmpty;
    s.zeroQuantityBecomesOne = false;
    s.amountEnterRecomputesTotal = true;
    s.arrowKeysMoveRows = true;
    return s;
}

} // namespace tavrix::Ui
