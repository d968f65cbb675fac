#pragma once

#include <QString>

namespace tavrix {

class ResultRow;

// The revenue-code look-up of the charge grids: turns the typed text into one
// charging department, offering the list when the text is not one code. One
// instance serves the whole program; its values are those of the last code found.
class clsRadioRevenueCode {
public:
    static clsRadioRevenueCode& instance();

    // True when a code was determined; the values below are then its own. A
    // failed look-up leaves the previous code's values in place.
    bool Validate(const QString& criteria);

    QString RevenueID;
    QString Revenue; // the department's display name
    QString WithItems;
    QString AccountCode;
    QString GroupCode;
    bool SearchInventory = false;
    QString LocationID; // stock location of the department's items; empty without stock
    bool CashCommunication = false;
    QString InventoryCode;

private:
    clsRadioRevenueCode() = default;
    void fill(const ResultRow& row);
};

} // namespace tavrix
