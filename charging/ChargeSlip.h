#pragma once

#include <QString>

namespace tavrix::ChargeSlip {

// Prints a saved charge slip through the report preview: the user's old dump
// lines are cleared first, then ChargeSlip.rpt is shown with the slip number,
// the patient key (admission or OPD number, trimmed) and the department.
// False when the preview could not be shown (the engine has said why).
bool print(const QString& slipNumber, const QString& patientKey);

} // namespace tavrix::ChargeSlip
