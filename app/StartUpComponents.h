#pragma once

#include "data/components/CodeSearch.h"
#include "data/components/CurrentUser.h"
#include "data/components/DrugInfo.h"
#include "data/components/IcdSearch.h"
#include "data/components/RadiologySearch.h"
#include "data/components/SuppliesList.h"

#include <functional>
#include <memory>

namespace tavrix {

// The six components the start-up creates, in its order; the doctor/code search
// is created only once the user is connected.
struct StartUpComponents {
    std::unique_ptr<RadiologySearch> radiologySearch;
    std::unique_ptr<SuppliesList> suppliesList;
    std::unique_ptr<DrugInfo> drugInfo;
    std::unique_ptr<IcdSearch> icdSearch;
    std::unique_ptr<CurrentUser> currentUser;
    std::function<std::unique_ptr<CodeSearch>()> makeCodeSearch;
};

} // namespace tavrix
