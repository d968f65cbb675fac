#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

namespace tavrix {

// What a result screen stores, in the order the result procedure takes it.
// Every value is sent as the screen shows it (not trimmed).
struct ResultValues {
    QString hospNum, idNum, requestNum, examCode;
    QString transDate, resultDate; // "mm/dd/yyyy"
    QString doctorId, radiologistId;
    QString interpretation;
    QString room;
    QString transcriber; // the user who saves
    QString fileNum, controlNum;
    QString testTaken;
    QString coRadiologistId;
    QString remarks;
};

// The statements that store, record and verify a result, and the printed result.
// Shared by the result entry and retrieval screens.
namespace ResultStatements {

QString saveResult(const ResultValues& v); // RADIOLOGY..spMRI_SaveResult2

// The ICD-10 rows 0 to 18 in screen order (missing rows as empty text); a
// twentieth row is never sent. The admission number is trimmed.
QString saveDiagnoses(const QString& idNum, const QString& revenueId, const QStringList& codes);

QString saveReading(const QString& requestNum, const QString& idNum, const QString& hospNum,
                    const QString& room, const QString& examCode, const QString& revenueId,
                    const QString& employeeCode);

QString verify(const QString& requestNum, const QString& employeeCode, const QDate& today);

// The admission's stored diagnoses with their descriptions.
QString storedDiagnoses(const QString& idNum, const QString& revenueId);

// The printed result of one request: previewed (modal, with the caption) or
// printed at once. False when the report could not be shown or printed (the
// report layer has told the user why).
bool previewResult(const QString& requestNum, const QString& caption);
bool printResult(const QString& requestNum);

} // namespace ResultStatements
} // namespace tavrix
