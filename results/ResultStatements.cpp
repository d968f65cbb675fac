#include "results/ResultStatements.h"

#include "data/SqlText.h"
#include "reporting/Reports.h"

namespace tavrix::ResultStatements {

namespace {
constexpr int kSentIcdRows = 19;
QString reportPath() {
    return Reports::programPath(QStringLiteral("\\Report\\MRIResult.rpt"));
}
} // namespace

QString saveResult(const ResultValues& v) {
    return SqlText::build(
        u"RADIOLOGY..spMRI_SaveResult2 '{}','{}','{}','{}','{}','{}','{}','{}','{}','{}','{}',"
        u"'','','','','','{}','{}','{}','{}', '{}', '{}'",
        {v.hospNum, v.idNum, v.requestNum, v.examCode, v.transDate, v.resultDate, v.doctorId, v.radiologistId,
         v.interpretation, v.room, v.transcriber, v.fileNum, v.controlNum, v.doctorId, v.testTaken,
         v.coRadiologistId, v.remarks});
}

QString saveDiagnoses(const QString& idNum, const QString& revenueId, const QStringList& codes) {
    QString text = SqlText::build(u"radiology..sp_saveICD10  '{}', '{}','", {idNum.trimmed(), revenueId});
    for (int i = 0; i < kSentIcdRows; ++i)
        text += SqlText::escaped(codes.value(i)) + QStringLiteral("', '");
    return text + u'\'';
}

QString saveReading(const QString& requestNum, const QString& idNum, const QString& hospNum,
                    const QString& room, const QString& examCode, const QString& revenueId,
                    const QString& employeeCode) {
    return SqlText::build(
        u"RADIOLOGY..spRadio_SaveComm_AutoPrint '{}', '{}', '{}', '{}', '{}', '{}','{}', 'N'",
        {requestNum, idNum.trimmed(), hospNum.trimmed(), room.trimmed(), examCode, revenueId, employeeCode});
}

QString verify(const QString& requestNum, const QString& employeeCode, const QDate& today) {
    return SqlText::build(u"RADIOLOGY..spMRI_VerifyResult '{}','{}','{}'",
                          {requestNum, employeeCode, today.toString(QStringLiteral("MM/dd/yyyy"))});
}

QString storedDiagnoses(const QString& idNum, const QString& revenueId) {
    return SqlText::build(
        u"Select *, description = (Select top 1 ltrim(rtrim(description)) from "
        u"Build_File..tbICDDiagMain Where Code = D.diagnosisID) From Radiology..tbXRICD10 D Where "
        u"IDNum = '{}' and dept = '{}'",
        {idNum.trimmed(), revenueId});
}

bool previewResult(const QString& requestNum, const QString& caption) {
    return Reports::PreviewReport(QStringLiteral("RADIOLOGY"), reportPath(), caption, false, {requestNum});
}

bool printResult(const QString& requestNum) {
    return Reports::PrintReportDirect(reportPath(), QStringLiteral("RADIOLOGY"), {requestNum});
}

} // namespace tavrix::ResultStatements
