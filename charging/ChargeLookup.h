#pragma once

#include "data/components/Records.h"
#include "ui/Prompts.h"

#include <QString>

#include <functional>

namespace tavrix::Ui {
class ChargeGrid;
}

namespace tavrix {

// The look-ups that Enter runs in the charge grid's department and code cells
// of the request entry screens: revenue codes, exams (priced, with the
// duplicate check and the already-charged warning), readers' fees and stock
// items. The screens differ in what the settings say.
class ChargeLookup {
public:
    enum class FeeEntry {
        Dialog,     // the fee box asks for the amount, then the cursor moves on
        AmountCell, // the cursor lands on the amount cell, where the clerk types the fee
    };

    struct Settings {
        // The patient key (admission or OPD number) for the already-charged warning.
        std::function<QString()> patientKey;
        // The exam's rate for this patient, from the record the search filled.
        std::function<double(const OtherRevenueRecord&, const CTExamRecord&)> rate;
        Ui::Icon searchFailureIcon = Ui::Icon::None; // a search that fails for another reason than no row
        FeeEntry feeEntry = FeeEntry::Dialog;
        QString feeNamePrefix = QStringLiteral("DR. ");
        bool feeQuantityOne = true; // the fee line's quantity: "1", or emptied
        bool supplyPriceIn = true;  // the in-patient selling price, else the out-patient one
    };

    ChargeLookup(Ui::ChargeGrid& grid, Settings settings);

    // The grid's look-up hook: Enter in a look-up column.
    void lookUp(int row, int column, const QString& typed);

    bool department(int row, const QString& typed);
    bool exam(int row, const QString& typed);
    bool readerFee(int row, const QString& typed);
    bool supply(int row, const QString& typed);

    static QString properCase(const QString& text);
    // The doctor search (mode 1) seeded with the text; a search that finds no
    // row at all counts as nothing picked. Other failures are thrown.
    static bool pickDoctor(const QString& seed);

private:
    Ui::ChargeGrid& grid_;
    Settings settings_;
};

} // namespace tavrix
