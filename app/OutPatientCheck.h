#pragma once

#include "data/components/Records.h"

#include <optional>

namespace tavrix {

// The checks before an out-patient is charged: pick a registered out-patient,
// then refuse a closed bill, a personal account and a revoked registration,
// each with its message. Returns the patient when every check passes.
std::optional<PatientRecord> runOutPatientChargeChecks();

} // namespace tavrix
