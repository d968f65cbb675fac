#include "charging/ChargeLookup.h"

#include "charging/clsRadioRevenueCode.h"
#include "charging/frmPF.h"
#include "data/DbError.h"
#include "data/SessionContext.h"
#include "data/StoredProcs.h"
#include "data/ValueText.h"
#include "data/components/CodeSearch.h"
#include "data/components/DrugInfo.h"
#include "data/components/SuppliesList.h"
#include "ui/ChargeGrid.h"

namespace tavrix {

ChargeLookup::ChargeLookup(Ui::ChargeGrid& grid, Settings settings)
    : grid_(grid), settings_(std::move(settings)) {}

bool ChargeLookup::pickDoctor(const QString& seed) {
    CodeSearch* search = SessionContext::instance().codeSearch;
    if (!search)
        return false;
    try {
        return search->SearchListing(seed, CodeSearch::Doctors);
    } catch (const DbError& e) {
        if (e.number() == DbError::NoCurrentRow)
            return false;
        throw;
    }
}

QString ChargeLookup::properCase(const QString& text) {
    QString out = text.toLower();
    bool start = true;
    for (auto& c : out) {
        if (start && c.isLetter())
            c = c.toUpper();
        start = c.isSpace();
    }
    return out;
}

void ChargeLookup::lookUp(int row, int column, const QString& typed) {
    const auto& s = grid_.settings();
    const QString revenueId = SessionContext::instance().RevenueID;
    try {
        if (column == s.departmentColumn) {
            department(row, typed);
            return;
        }
        if (column != s.codeColumn)
            return;
        const QString dept = grid_.text(row, s.departmentColumn).trimmed();
        if (dept.compare(revenueId, Qt::CaseInsensitive) == 0) {
            if (!exam(row, typed))
                Ui::message(QStringLiteral("Invalid Code"), Ui::appTitle());
        } else if (dept.compare(QLatin1String("MD"), Qt::CaseInsensitive) == 0) {
            if (!readerFee(row, typed))
                Ui::message(QStringLiteral("Invalid Code."), Ui::appTitle(), Ui::Icon::Warning);
        } else if (s.locationColumn > 0 && !grid_.text(row, s.locationColumn).trimmed().isEmpty()) {
            supply(row, typed);
        }
    } catch (const DbError& e) {
        Ui::message(QStringLiteral("The look-up could not be completed:\n") + e.message(), Ui::appTitle(),
                    Ui::Icon::Critical);
    }
}

bool ChargeLookup::department(int row, const QString& typed) {
    auto& code = clsRadioRevenueCode::instance();
    if (!code.Validate(typed))
        return false;
    const auto& s = grid_.settings();
    grid_.setText(row, s.departmentColumn, code.RevenueID);
    grid_.setText(row, s.nameColumn, code.Revenue);
    grid_.setText(row, s.locationColumn, code.LocationID);
    grid_.setText(row, s.inventoryCodeColumn, code.InventoryCode);
    grid_.moveOn();
    return true;
}

bool ChargeLookup::exam(int row, const QString& typed) {
    auto& session = SessionContext::instance();
    const auto& s = grid_.settings();
    CodeSearch& search = *session.codeSearch;
    search.SearchMode = true;
    search.OtherSectionID = grid_.text(row, s.departmentColumn).trimmed();
    bool picked = false;
    try {
        try {
            picked = search.SearchListing(typed, CodeSearch::RevenueItems);
        } catch (const DbError& e) {
            if (e.number() != DbError::NoCurrentRow)
                throw;
            picked = search.SearchListing(QString(), CodeSearch::RevenueItems); // the whole list
        }
    } catch (const DbError& e) {
        Ui::message(e.message(), Ui::appTitle(), settings_.searchFailureIcon);
        return false;
    }
    if (!picked)
        return false;

    const OtherRevenueRecord item = search.otherRevenueRecord;
    const double rate = settings_.rate ? settings_.rate(item, search.ctExamRecord) : 0;
    const QString canEdit = item.Fixrate == QLatin1String("N") ? s.rateFlagOpen : s.rateFlagFixed;

    // The same exam twice on one slip is refused, however its code was typed.
    if (grid_.findCode(item.ResultCode, row) != 0) {
        Ui::message(QStringLiteral("Exam already selected."), QStringLiteral("Assessment"),
                    Ui::Icon::Warning);
        grid_.hideEditor();
        grid_.setText(row, s.codeColumn, QString());
        grid_.enterCell(row, s.codeColumn);
        return false;
    }

    grid_.setText(row, s.codeColumn, item.ResultCode);
    grid_.setText(row, s.nameColumn, item.OtherRevenue);
    const QString warning =
        StoredProcs::WarnIfAlreadyCharged(settings_.patientKey ? settings_.patientKey() : QString(),
                                          session.RevenueID, item.ResultCode, item.OtherRevenue);
    if (!warning.isEmpty())
        Ui::message(warning, QStringLiteral("WARNING!"), Ui::Icon::Information);
    grid_.setText(row, s.regularPriceColumn, ValueText::amount(rate));
    grid_.setText(row, s.portablePriceColumn, ValueText::amount(rate + 100));
    grid_.setText(row, s.priceColumn, ValueText::amount(rate));
    grid_.setText(row, s.rateFlagColumn, canEdit);
    grid_.setText(row, s.classificationColumn, QString());
    grid_.moveOn();
    return true;
}

bool ChargeLookup::readerFee(int row, const QString& typed) {
    CodeSearch& search = *SessionContext::instance().codeSearch;
    search.SearchMode = true;
    if (!pickDoctor(typed))
        return false;
    const auto& s = grid_.settings();
    const DoctorRecord doctor = search.doctorRecord;
    grid_.setText(row, s.codeColumn, doctor.ResultCode);
    grid_.setText(row, s.nameColumn,
                  settings_.feeNamePrefix + doctor.LastName + QStringLiteral(", ") + doctor.FirstName);
    grid_.setText(row, s.quantityColumn, settings_.feeQuantityOne ? QStringLiteral("1") : QString());
    grid_.setText(row, s.priceColumn, QString());
    if (settings_.feeEntry == FeeEntry::AmountCell) {
        grid_.hideEditor();
        grid_.enterCell(row, s.amountColumn, true);
        return true;
    }
    grid_.setText(row, s.amountColumn, QString());
    frmPF fee(grid_.window());
    Ui::runModal(fee);
    if (fee.Valid)
        grid_.setText(row, s.amountColumn, fee.Fee);
    grid_.moveOn();
    return true;
}

bool ChargeLookup::supply(int row, const QString& typed) {
    auto& session = SessionContext::instance();
    const auto& s = grid_.settings();
    const QString location = grid_.text(row, s.locationColumn).trimmed();
    SuppliesList& list = *session.suppliesList;
    list.ListTitle = properCase(grid_.text(row, s.nameColumn));
    list.DrugsORCSR = false;
    const QString itemCode =
        ValueText::isNumeric(typed) ? typed.trimmed() : list.ShowList(typed, true, location);
    Drug& drug = session.drugInfo->drug();
    if (!drug.SearchDrug(itemCode, location)) {
        Ui::message(QStringLiteral("Supply not found on file."), Ui::appTitle(), Ui::Icon::Information);
        return false;
    }
    grid_.setText(row, s.codeColumn, itemCode);
    grid_.setText(row, s.nameColumn, drug.DrugName);
    grid_.setText(row, s.priceColumn,
                  ValueText::amount(settings_.supplyPriceIn ? drug.Invent.SellingPriceIn
                                                            : drug.Invent.SellingPriceOut));
    grid_.moveOn();
    return true;
}

} // namespace tavrix
