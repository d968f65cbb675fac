#pragma once

#include "data/components/Records.h"

#include <QString>

#include <functional>

namespace tavrix {

// How the main window opens the screens of the other subsystems. A command
// whose screen is not provided stays disabled.
struct MainScreens {
    std::function<void()> assessment;                         // frmAssess
    std::function<void()> cashList;                           // frmCashList
    std::function<void(const PatientRecord&)> outPatient;     // frmOutPatient, after the checks
    std::function<void()> inPatient;                          // frmInPatient
    std::function<void()> resultEntry;                        // frmEntry
    std::function<void()> retrieve;                           // PickResultCode, then frmRetrieve
    std::function<void()> verification;                       // frmVerificationList
    std::function<void(const QString& reportCode, const QString& patientType)> dateRange; // frmDateRange
    std::function<void()> daily;                              // frmDaily (reads DailyReportMode)
    std::function<void()> interpretation;                     // frmInterpretBuild
    std::function<void()> defaultRadiologist;                 // frmDefaultRadio
    std::function<void()> requestCancellation;                // clsRequestSearch in cancel mode, then frmCancelChargeSlip
    std::function<void()> walkInUpdate;                       // frmWalkInUpdate
    std::function<void()> reprint;                            // frmReprint
    std::function<void()> verifySlip;                         // frmVerifySlip
    std::function<void()> ledger;                             // frmLedger
    std::function<void()> census;                             // frmCensus
    std::function<void()> scheduling;                         // frmScheduling
    std::function<void()> requestStatus;                      // frmRequestStatus
    std::function<void()> nursingRequest;                     // frmNursingRequest
    std::function<void()> assessStatus;                       // frmAssessStatus
    // frmDischargeNotice: true with the chosen admission number when one was chosen.
    std::function<bool(QString* idNum)> dischargeNotice;
    std::function<void(const QString& idNum)> clearPatient;   // frmClearPatient
};

} // namespace tavrix
