#pragma once

#include "data/components/DrugInfo.h"

namespace tavrix {

// One stock item of a location (BUILD_FILE..spInv_SearchDrug) and its stock
// card (BUILD_FILE..spInv_AppendStockCard, which records the movement and moves
// the stock on hand in one transaction). Arguments 19 to 21 left out are sent
// as null: the procedure's defaults.
class StockDrug : public Drug {
public:
    void setConnection(Connection* connection) { connection_ = connection; }

    bool SearchDrug(const QString& itemCode, const QString& locationId) override;
    void AppendStockCard(const QString& hospNum, const QString& idNum, const QString& itemCode,
                         const QString& dateTime, const QString& refNum, double quantity, double unitCost,
                         double amount, const QString& userId, const QString& transType,
                         const QString& reference, const QString& locationId, const QString& remarks,
                         const QString& roomId, double discount, const QString& inventoryCode,
                         const QString& chargeInventoryCode, const QString& requestRef,
                         const std::optional<QString>& batchNo, const std::optional<QString>& expiryDate,
                         const std::optional<QString>& orNumber, const QString& direction) override;

    // The statement AppendStockCard sends.
    static QString stockCardStatement(const QList<std::optional<QString>>& arguments);

private:
    Connection* connection_ = nullptr;
};

} // namespace tavrix
