#pragma once

#include "data/components/Records.h"

namespace tavrix {

class Connection;

// ICD-10 code check: ValidateICDCode returns true when the code was found (or
// picked from the list it offers for a partial code) and fills clsICD.
class IcdSearch {
public:
    virtual ~IcdSearch() = default;
    Connection* ActiveConnection = nullptr;
    virtual bool ValidateICDCode(const QString& code) = 0;
    ICDRecord clsICD;
};

} // namespace tavrix
