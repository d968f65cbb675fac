#pragma once

#include "components/LookupList.h"
#include "data/components/SuppliesList.h"

namespace tavrix {

// The supplies picker of one stock location (BUILD_FILE..spInv_SearchSupplies):
// the location's items, titled ListTitle. DrugsORCSR true narrows the list to
// medicines; false lists every item of the location (the charge screens keep
// medicines and supplies in separate locations). An exact item code is taken
// without the list; a text that matches nothing gives "".
class DialogSuppliesList : public SuppliesList {
public:
    bool InitConnection(Connection* connection) override;
    QString ShowList(const QString& text, bool showList, const QString& locationId) override;
    LookupList list(const QString& locationId) const;

private:
    Connection* connection_ = nullptr;
};

} // namespace tavrix
