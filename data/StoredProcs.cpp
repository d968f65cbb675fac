#include "data/StoredProcs.h"

#include "data/Connection.h"
#include "data/DbError.h"
#include "data/SessionContext.h"
#include "data/SqlText.h"
#include "data/UpdatableRow.h"

namespace tavrix::StoredProcs {

namespace {
Connection& db() { return SessionContext::instance().connection(); }
} // namespace

QString GetServerDateText() {
    return db().execute(QStringLiteral("Select convert(varchar(10),getdate(),101) as DateToday")).first().text("DateToday");
}

QDateTime GetServerDateTime() {
    return db().execute(QStringLiteral("SELECT getdate() as serverdate")).first().dateTime("serverdate");
}

void LoadDefaultRadiologist() {
    const ResultSet rs = db().execute(QStringLiteral("SELECT * FROM RADIOLOGY..tbMRIDefaultRadiologist"));
    if (rs.isEmpty())
        return;
    const ResultRow row = rs.first();
    auto& session = SessionContext::instance();
    session.DefaultRadiologistCode = row.text("Code");
    session.DefaultRadiologistName =
        row.text("FirstName") + u' ' + row.text("MiddleName") + u' ' + row.text("LastName");
}

QString PendingCheckCommand() { return QStringLiteral("RADIOLOGY..spRadio_CheckPending 'MI'"); }

QString NextChargeSlipNumber() {
    UpdatableRow counter(db(), QStringLiteral("SELECT CSlip FROM RADIOLOGY..tbMRIRequestNum"),
                         QStringLiteral("RADIOLOGY..tbMRIRequestNum"));
    const qint64 value = counter.value(QStringLiteral("CSlip")).toLongLong();
    counter.set(QStringLiteral("CSlip"), QString::number(value + 1));
    counter.write();
    return u'C' + QString::number(value) + u'S';
}

void ClearChargeSlipDump() {
    db().execute(SqlText::build(u"DELETE REPORTS..tbChargeSlip WHERE UserID = '{}'",
                                {SessionContext::instance().employeeCode()}));
}

QString SearchAccount(const QString& key) {
    const ResultSet rs = db().execute(SqlText::build(u"Radiology..spRadio_SearchAccount '{}'", {key}));
    if (rs.isEmpty())
        return {};
    return rs.first().text("AccountNum") + QStringLiteral(" - ") + rs.first().text("Company");
}

QString WarnIfAlreadyCharged(const QString& patientKey, const QString& revenueKey, const QString& itemCode,
                             const QString& itemName) {
    const ResultSet rs = db().execute(SqlText::build(u"Reports..sp_Check_CurrentCharges '{}', '{}', '{}'",
                                                     {patientKey, revenueKey, itemCode}));
    if (rs.isEmpty() || rs.first().number("Amount") <= 0)
        return {};
    return QStringLiteral("Patient was already charged with (") + itemCode + QStringLiteral(") ") + itemName +
           QStringLiteral(" at ") + rs.first().text("DateCharge");
}

bool IsResultVerified(const QString& requestNum) {
    const ResultSet rs =
        db().execute(SqlText::build(u"Radiology..spRadio_IsResultVerified '{}', '{}'", {requestNum, QStringLiteral("4")}));
    return !rs.isEmpty() && !rs.first().text("VerifyByID").isEmpty();
}

} // namespace tavrix::StoredProcs
