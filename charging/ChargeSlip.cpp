#include "charging/ChargeSlip.h"

#include "data/DbError.h"
#include "data/SessionContext.h"
#include "data/StoredProcs.h"
#include "reporting/Reports.h"
#include "ui/BusyCursor.h"
#include "ui/Prompts.h"

namespace tavrix::ChargeSlip {

bool print(const QString& slipNumber, const QString& patientKey) {
    try {
        Ui::BusyCursor busy;
        StoredProcs::ClearChargeSlipDump();
    } catch (const DbError& e) {
        // The save has gone through: say what failed and still show the slip.
        Ui::message(QStringLiteral("The previous charge slip lines could not be cleared:\n") + e.message(),
                    Ui::appTitle(), Ui::Icon::Warning);
    }
    return Reports::PreviewReport(QStringLiteral("RADIOLOGY"),
                                  Reports::programPath(QStringLiteral("\\Report\\ChargeSlip.rpt")),
                                  QStringLiteral("CHARGESLIP"), false,
                                  {slipNumber, patientKey.trimmed(), SessionContext::instance().RevenueID});
}

} // namespace tavrix::ChargeSlip
