#include "results/clsPatientInfo.h"

#include "data/Connection.h"
#include "data/ResultSet.h"
#include "data/SessionContext.h"
#include "data/SqlText.h"

#include <QLocale>

namespace tavrix {

bool clsPatientInfo::Search(const QString& hospNum) {
    const ResultSet rows = SessionContext::instance().connection().execute(
        SqlText::build(u"RADIOLOGY..spRadio_PatientInfo '{}'", {hospNum}));
    if (rows.isEmpty())
        return false;
    const ResultRow row = rows.first();
    auto text = [&](const char* column) { return row.text(QLatin1String(column)); };
    HospNum = text("HospNum");
    LastName = text("LastName");
    FirstName = text("FirstName");
    MiddleName = text("MiddleName");
    CivilStatus = text("CivilStatus");
    Sex = text("Sex");
    const QDateTime birth = row.dateTime(QStringLiteral("BirthDate"));
    BirthDate = birth.isValid() ? QLocale::system().toString(birth.date(), QLocale::ShortFormat) : QString();
    Age = text("Age");
    XRayNum = text("XRayNum");
    UltraNum = text("UltraNum");
    CTNum = text("CTNum");
    TelNum = text("TelNum");
    HouseStreet = text("HouseStreet");
    Barangay = text("Barangay");
    ZipCode = text("ZipCode");
    Town = text("Town");
    Province = text("Province");
    return true;
}

} // namespace tavrix
