#pragma once

#include <QString>

#include <optional>

namespace tavrix {

class Connection;

struct InventPrices {
    double SellingPriceIn = 0;  // in-patient price
    double SellingPriceOut = 0; // out-patient and cash price
};

// One stock item of a location, and the stock card that records its movements.
class Drug {
public:
    virtual ~Drug() = default;
    // True when the item exists at the location; fills DrugName and Invent.
    virtual bool SearchDrug(const QString& itemCode, const QString& locationId) = 0;
    QString DrugName;
    InventPrices Invent;

    // Records one stock movement and moves the stock on hand by the quantity
    // (a negative quantity returns stock). Arguments 19 to 21 take the
    // component's defaults when left out.
    virtual void AppendStockCard(const QString& hospNum, const QString& idNum, const QString& itemCode,
                                 const QString& dateTime, const QString& refNum, double quantity, double unitCost,
                                 double amount, const QString& userId, const QString& transType,
                                 const QString& reference, const QString& locationId, const QString& remarks,
                                 const QString& roomId, double discount, const QString& inventoryCode,
                                 const QString& chargeInventoryCode, const QString& requestRef,
                                 const std::optional<QString>& batchNo, const std::optional<QString>& expiryDate,
                                 const std::optional<QString>& orNumber, const QString& direction) = 0;
};

class DrugInfo {
public:
    virtual ~DrugInfo() = default;
    virtual bool InitConnect(Connection* connection) = 0;
    virtual Drug& drug() = 0; // "Drug"
};

} // namespace tavrix
