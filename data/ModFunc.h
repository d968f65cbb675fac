#pragma once

#include <QString>

namespace tavrix::ModFunc {

// The typed character's code in upper case; codes without an upper case come back unchanged.
int UpperCaseKey(int keyAscii);

// The doctor's title, "M.D." when none is known or the look-up fails.
QString GetDoctorTitle(const QString& doctorId);

bool CheckFileExists(const QString& path); // a file, not a folder

// The code of the radiologist who verified the request's result, or "".
QString GetVerifyingRadiologist(const QString& requestNum);

// The patient's film file number in the department, or "".
QString FindFileNumber(const QString& patientKey);

// Records one stock movement through the drug component's stock card.
void PostStockCard(const QString& inventoryCode, const QString& hospNum, const QString& idNum,
                   const QString& itemCode, const QString& slipNumber, double quantity, double amount,
                   const QString& reference, const QString& locationId, const QString& room);

} // namespace tavrix::ModFunc
