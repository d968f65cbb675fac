#include "components/DialogCodeSearch.h"

#include "components/Lookup.h"
#include "data/DbError.h"
#include "data/SessionContext.h"
#include "data/SqlText.h"

#include <QApplication>

namespace tavrix {

using Kind = LookupColumn::Kind;

void DialogCodeSearch::Initialize_Classes() {
    doctorRecord = {};
    otherRevenueRecord = {};
    ctExamRecord = {};
    addressRecord = {};
}

QString DialogCodeSearch::hospital() const {
    return CompanyName.isEmpty() ? SessionContext::instance().HospitalCompany : CompanyName;
}

LookupList DialogCodeSearch::doctorList() const {
    LookupList l;
    l.objectName = QStringLiteral("frmDoctorSearch");
    l.title = QStringLiteral("Doctor Search");
    l.hospital = hospital();
    l.hint = QStringLiteral("Type the doctor's code or the start of the last name; "
                            "a comma and the start of the first name narrow it (REYES, MA).");
    l.noun = QStringLiteral("doctor");
    l.nouns = QStringLiteral("doctors");
    l.columns = {{QStringLiteral("DoctorID"), QStringLiteral("Code"), 900},
                 {QStringLiteral("LastName"), QStringLiteral("Last Name"), 2000},
                 {QStringLiteral("FirstName"), QStringLiteral("First Name"), 2200},
                 {QStringLiteral("MiddleName"), QStringLiteral("Middle Name"), 1700},
                 {QStringLiteral("Specialty"), QStringLiteral("Specialty"), 2600}};
    l.keyFields = {QStringLiteral("DoctorID")};
    l.statement = [](const QString& filter) {
        const auto [last, first] = Lookup::splitName(filter);
        return SqlText::build(u"BUILD_FILE..spCode_SearchDoctor '{}','{}'", {last, first});
    };
    return l;
}

LookupList DialogCodeSearch::revenueItemList() const {
    LookupList l;
    l.objectName = QStringLiteral("frmItemSearch");
    l.title = QStringLiteral("Examination and Item Search");
    l.hospital = hospital();
    l.subtitle = OtherSectionID.isEmpty() ? QStringLiteral("Items of every department")
                                          : QStringLiteral("Items of department %1").arg(OtherSectionID);
    l.hint = QStringLiteral("Type the item code or any part of the item's name.");
    l.noun = QStringLiteral("item");
    l.nouns = QStringLiteral("items");
    l.columns = {{QStringLiteral("OtherRevenueID"), QStringLiteral("Code"), 1000},
                 {QStringLiteral("OtherRevenue"), QStringLiteral("Examination / Item"), 4300}};
    for (char c = 'A'; c <= 'H'; ++c)
        l.columns.append({QStringLiteral("Rate") + QLatin1Char(c), QStringLiteral("Rate ") + QLatin1Char(c),
                          1000, Kind::Amount});
    l.columns.append({QStringLiteral("Fixrate"), QStringLiteral("Fixed"), 700});
    l.keyFields = {QStringLiteral("OtherRevenueID")};
    const QString section = OtherSectionID.trimmed();
    l.statement = [section](const QString& filter) {
        return SqlText::build(u"BUILD_FILE..spCode_SearchRevenueItem '{}','{}'", {section, filter});
    };
    return l;
}

LookupList DialogCodeSearch::addressList() const {
    LookupList l;
    l.objectName = QStringLiteral("frmAddressSearch");
    l.title = QStringLiteral("Address Search");
    l.hospital = hospital();
    l.hint = QStringLiteral("Type the address code or the start of the town or province.");
    l.noun = QStringLiteral("address");
    l.nouns = QStringLiteral("addresses");
    l.columns = {{QStringLiteral("ZipCode"), QStringLiteral("Code"), 900},
                 {QStringLiteral("Town"), QStringLiteral("Town / City"), 3300},
                 {QStringLiteral("Province"), QStringLiteral("Province"), 3300}};
    l.keyFields = {QStringLiteral("ZipCode")};
    l.statement = [](const QString& filter) {
        return SqlText::build(u"BUILD_FILE..spCode_SearchAddress '{}'", {filter});
    };
    return l;
}

bool DialogCodeSearch::SearchListing(const QString& text, int mode) {
    LookupList list;
    switch (mode) {
    case Doctors:
        list = doctorList();
        break;
    case RevenueItems:
        list = revenueItemList();
        break;
    case Addresses:
        list = addressList();
        break;
    default:
        return false;
    }
    const Lookup::Result found =
        Lookup::run(connection_, list, text, SearchMode, QApplication::activeWindow());
    if (found.outcome == Lookup::Outcome::NothingFound)
        throw DbError(DbError::NoCurrentRow, list.nothingFoundText(text.trimmed()));
    if (!found.picked())
        return false;

    const ResultRow row = found.pickedRow();
    switch (mode) {
    case Doctors:
        doctorRecord = {row.text("DoctorID"), row.text("LastName"), row.text("FirstName"),
                        row.text("MiddleName")};
        break;
    case RevenueItems: {
        OtherRevenueRecord& r = otherRevenueRecord;
        r.ResultCode = row.text("OtherRevenueID");
        r.OtherRevenue = row.text("OtherRevenue");
        r.RateA = row.number("RateA");
        r.RateB = row.number("RateB");
        r.RateC = row.number("RateC");
        r.RateD = row.number("RateD");
        r.RateE = row.number("RateE");
        r.RateF = row.number("RateF");
        r.RateG = row.number("RateG");
        r.RateH = row.number("RateH");
        r.Fixrate = row.text("Fixrate");
        ctExamRecord = {r.ResultCode, r.OtherRevenue, r.RateA, r.RateB, r.RateC,
                        r.RateD,      r.RateE,        r.RateF, r.RateG, r.RateH};
        break;
    }
    case Addresses:
        addressRecord = {row.text("ZipCode"), row.text("Town"), row.text("Province")};
        break;
    default:
        break;
    }
    return true;
}

} // namespace tavrix
