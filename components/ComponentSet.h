#pragma once

#include "data/components/CodeSearch.h"
#include "data/components/CurrentUser.h"
#include "data/components/DrugInfo.h"
#include "data/components/IcdSearch.h"
#include "data/components/RadiologySearch.h"
#include "data/components/SuppliesList.h"

#include <memory>

namespace tavrix {

// The six components start-up creates, in its order.
struct ComponentSet {
    std::unique_ptr<RadiologySearch> radiologySearch;
    std::unique_ptr<SuppliesList> suppliesList;
    std::unique_ptr<DrugInfo> drugInfo;
    std::unique_ptr<IcdSearch> icdSearch;
    std::unique_ptr<CurrentUser> currentUser;
    std::unique_ptr<CodeSearch> codeSearch;
};

// Our implementations of all six, none of them connected yet.
ComponentSet createComponents();

} // namespace tavrix
