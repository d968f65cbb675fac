#include "app/OutPatientCheck.h"

#include "data/Connection.h"
#include "data/SessionContext.h"
#include "data/SqlText.h"
#include "data/StoredProcs.h"
#include "data/components/RadiologySearch.h"
#include "ui/Prompts.h"

namespace tavrix {

std::optional<PatientRecord> runOutPatientChargeChecks() {
    auto& session = SessionContext::instance();
    if (!session.radiologySearch || !session.radiologySearch->PatientListing(QString(), RadiologySearch::OutPatients, true))
        return std::nullopt;
    const PatientRecord patient = session.radiologySearch->Outpatient;

    if (!patient.BillingDate.isEmpty() && patient.BillingDate == StoredProcs::GetServerDateText()) {
        Ui::message(QStringLiteral("Cannot post charges because the patient's account has already been closed. ") +
                        u'\n' + QStringLiteral("Please contact BILLING DEPARTMENT for further instructions."),
                    QStringLiteral("Closed Bill"), Ui::Icon::Warning);
        return std::nullopt;
    }
    if (patient.HospitalNumber == patient.AccountNum) {
        Ui::message(QStringLiteral("Patient") + QChar(96) + QStringLiteral("s with Personal Account is Not Allowed.") +
                        u'\n' + QStringLiteral("Please Use Cash Assessment Entry Option for this Patient."),
                    QStringLiteral("Message"), Ui::Icon::Information);
        return std::nullopt;
    }
    const ResultSet rs = session.connection().execute(SqlText::build(
        u"SELECT OPDStatus FROM PATIENT_DATA..tbOutPatient WHERE IdNum = '{}'", {patient.IdNumber.trimmed()}));
    if (rs.isEmpty() || rs.first().text("OPDStatus").trimmed() == QLatin1String("R")) {
        Ui::message(QStringLiteral("Registration for the selected patient is revoked."), QStringLiteral("Message"),
                    Ui::Icon::Information);
        return std::nullopt;
    }
    return patient;
}

} // namespace tavrix
