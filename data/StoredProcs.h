#pragma once

#include <QDateTime>
#include <QString>

namespace tavrix::StoredProcs {

// The shared server routines. Each runs on the session's connection.

QString GetServerDateText();   // the server's date, "mm/dd/yyyy"
QDateTime GetServerDateTime(); // the server's date and time
void LoadDefaultRadiologist(); // fills the session's default radiologist; no row keeps what it held
QString PendingCheckCommand(); // the pending-request check's statement
QString NextChargeSlipNumber(); // "C" + counter + "S"; the counter advances or the call fails
void ClearChargeSlipDump();    // the current user's charge slip dump rows
QString SearchAccount(const QString& key); // "AccountNum - Company", or "" when none

// The warning text when the patient's bill already holds the item, else "".
// The caller shows it (title "WARNING!", information icon) and carries on either way.
QString WarnIfAlreadyCharged(const QString& patientKey, const QString& revenueKey, const QString& itemCode,
                             const QString& itemName);

bool IsResultVerified(const QString& requestNum);

} // namespace tavrix::StoredProcs
