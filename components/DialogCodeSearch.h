#pragma once

#include "components/LookupList.h"
#include "data/components/CodeSearch.h"

namespace tavrix {

// The doctor, revenue-item and address search with its list dialog.
// Procedures: BUILD_FILE..spCode_SearchDoctor (mode 1), BUILD_FILE..spCode_SearchRevenueItem
// (mode 21, the items of OtherSectionID: a department's revenue code or a section),
// BUILD_FILE..spCode_SearchAddress (mode 0). SearchMode false checks the seed as a
// code only and never opens the list. A seed that finds nothing throws DbError 3021.
class DialogCodeSearch : public CodeSearch {
public:
    void Initialize_Classes() override;
    bool SearchListing(const QString& text, int mode) override;

    // The lists as the dialog shows them.
    LookupList doctorList() const;
    LookupList revenueItemList() const;
    LookupList addressList() const;

private:
    QString hospital() const;
};

} // namespace tavrix
