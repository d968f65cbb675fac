#include "data/ModFunc.h"

#include "data/Connection.h"
#include "data/DbError.h"
#include "data/SessionContext.h"
#include "data/SqlText.h"
#include "data/components/CurrentUser.h"
#include "data/components/DrugInfo.h"

#include <QDateTime>
#include <QFileInfo>

namespace tavrix::ModFunc {

int UpperCaseKey(int keyAscii) {
    if (keyAscii < 0 || keyAscii > 0xFFFF)
        return keyAscii;
    const QString upper = QString(QChar(keyAscii)).toUpper();
    return upper.size() == 1 ? upper.at(0).unicode() : keyAscii;
}

QString GetDoctorTitle(const QString& doctorId) {
    try {
        const ResultSet rs = SessionContext::instance().connection().execute(
            SqlText::build(u"select * from BUILD_FILE..tbCoDoctor where DoctorID = '{}'", {doctorId}));
        const QString title = rs.isEmpty() ? QString() : rs.first().text("Title");
        return title.isEmpty() ? QStringLiteral("M.D.") : title;
    } catch (const DbError&) {
        return QStringLiteral("M.D.");
    }
}

bool CheckFileExists(const QString& path) {
    const QFileInfo info(path);
    return info.exists() && info.isFile();
}

QString GetVerifyingRadiologist(const QString& requestNum) {
    const ResultSet rs = SessionContext::instance().connection().execute(SqlText::build(
        u"Select RadCode From Radiology..tbMRIResult Where Requestnum = '{}' and isnull(VerifyByID,'') <> ''",
        {requestNum}));
    return rs.isEmpty() ? QString() : rs.first().text("RadCode");
}

QString FindFileNumber(const QString& patientKey) {
    const auto& session = SessionContext::instance();
    const ResultSet rs = session.connection().execute(SqlText::build(
        u"Radiology..spRadio_SearchFileNum '{}','{}','{}'", {session.RevenueID, QStringLiteral("2"), patientKey}));
    return rs.isEmpty() ? QString() : rs.first().text("FileNum");
}

void PostStockCard(const QString& inventoryCode, const QString& hospNum, const QString& idNum,
                   const QString& itemCode, const QString& slipNumber, double quantity, double amount,
                   const QString& reference, const QString& locationId, const QString& room) {
    auto& session = SessionContext::instance();
    if (!session.drugInfo)
        throw DbError(3704, QStringLiteral("The drug and stock component is not available."));
    session.drugInfo->drug().AppendStockCard(
        hospNum, idNum, itemCode, QDateTime::currentDateTime().toString(QStringLiteral("MM/dd/yyyy hh:mm")),
        slipNumber, quantity, 0, amount, session.employeeCode(), QStringLiteral("PRN"), reference, locationId,
        QString(), room, 0, inventoryCode, inventoryCode, QString(), std::nullopt, std::nullopt, std::nullopt,
        QStringLiteral("O"));
}

} // namespace tavrix::ModFunc
