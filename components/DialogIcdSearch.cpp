#include "components/DialogIcdSearch.h"

#include "components/Lookup.h"
#include "data/SessionContext.h"
#include "data/SqlText.h"

#include <QApplication>

namespace tavrix {

LookupList DialogIcdSearch::list() const {
    LookupList l;
    l.objectName = QStringLiteral("frmICDSearch");
    l.title = QStringLiteral("ICD-10 Search");
    l.hospital = SessionContext::instance().HospitalCompany;
    l.hint = QStringLiteral("Type the ICD-10 code or the start of the diagnosis.");
    l.noun = QStringLiteral("ICD-10 code");
    l.nouns = QStringLiteral("ICD-10 codes");
    l.columns = {{QStringLiteral("Code"), QStringLiteral("Code"), 1000},
                 {QStringLiteral("Description"), QStringLiteral("Diagnosis"), 7200},
                 {QStringLiteral("AppliesTo"), QStringLiteral("For"), 1400}};
    l.keyFields = {QStringLiteral("Code")};
    l.statement = [](const QString& filter) {
        return SqlText::build(u"BUILD_FILE..spICD_Search '{}'", {filter});
    };
    return l;
}

bool DialogIcdSearch::ValidateICDCode(const QString& code) {
    const Lookup::Result found =
        Lookup::run(ActiveConnection, list(), code, true, QApplication::activeWindow());
    if (!found.picked())
        return false;
    const ResultRow row = found.pickedRow();
    clsICD = {row.text("Code"), row.text("Description"), row.text("Sex")};
    return true;
}

} // namespace tavrix
