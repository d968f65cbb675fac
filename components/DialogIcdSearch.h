#pragma once

#include "components/LookupList.h"
#include "data/components/IcdSearch.h"

namespace tavrix {

// The ICD-10 check with its list dialog (BUILD_FILE..spICD_Search): an exact
// code fills clsICD at once; any other text opens the list seeded with it.
// False when the clerk cancels or when the text matches no code at all.
class DialogIcdSearch : public IcdSearch {
public:
    bool ValidateICDCode(const QString& code) override;
    LookupList list() const;
};

} // namespace tavrix
