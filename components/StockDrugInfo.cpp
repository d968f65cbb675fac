#include "components/StockDrugInfo.h"

#include "data/Connection.h"
#include "data/DbError.h"
#include "data/SqlText.h"

namespace tavrix {

bool StockDrugInfo::InitConnect(Connection* connection) {
    drug_.setConnection(connection);
    if (!connection || !connection->isOpen())
        return false;
    try {
        connection->execute(
            SqlText::build(u"BUILD_FILE..spInv_SearchDrug '{}','{}'", {QString(), QString()}));
    } catch (const DbError&) {
        return false;
    }
    return true;
}

} // namespace tavrix
