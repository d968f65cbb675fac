#include "components/ComponentSet.h"

#include "components/DialogCodeSearch.h"
#include "components/DialogIcdSearch.h"
#include "components/DialogRadiologySearch.h"
#include "components/DialogSuppliesList.h"
#include "components/LoginCurrentUser.h"
#include "components/StockDrugInfo.h"

namespace tavrix {

ComponentSet createComponents() {
    ComponentSet set;
    set.radiologySearch = std::make_unique<DialogRadiologySearch>();
    set.suppliesList = std::make_unique<DialogSuppliesList>();
    set.drugInfo = std::make_unique<StockDrugInfo>();
    set.icdSearch = std::make_unique<DialogIcdSearch>();
    set.currentUser = std::make_unique<LoginCurrentUser>();
    set.codeSearch = std::make_unique<DialogCodeSearch>();
    return set;
}

} // namespace tavrix
