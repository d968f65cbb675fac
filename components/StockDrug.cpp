#include "components/StockDrug.h"

#include "data/Connection.h"
#include "data/DbError.h"
#include "data/SqlText.h"
#include "data/ValueText.h"

#include <QStringList>

namespace tavrix {

namespace {

Connection& open(Connection* connection) {
    if (!connection)
        throw DbError(3704, QStringLiteral("Operation is not allowed when the connection is closed."));
    return *connection;
}

QString quantityText(double value) {
    return QString::number(value, 'g', 15);
}

} // namespace

bool StockDrug::SearchDrug(const QString& itemCode, const QString& locationId) {
    DrugName.clear();
    Invent = {};
    const QString code = itemCode.trimmed();
    if (code.isEmpty())
        return false;
    const ResultSet rs =
        open(connection_)
            .execute(SqlText::build(u"BUILD_FILE..spInv_SearchDrug '{}','{}'", {code, locationId.trimmed()}));
    if (rs.isEmpty())
        return false;
    const ResultRow row = rs.first();
    DrugName = row.text("DrugName");
    Invent.SellingPriceIn = row.number("SellingPriceIn");
    Invent.SellingPriceOut = row.number("SellingPriceOut");
    return true;
}

QString StockDrug::stockCardStatement(const QList<std::optional<QString>>& arguments) {
    QStringList parts;
    for (const auto& a : arguments)
        parts << (a ? SqlText::build(u"'{}'", {*a}) : QStringLiteral("null"));
    return QStringLiteral("BUILD_FILE..spInv_AppendStockCard ") + parts.join(u',');
}

void StockDrug::AppendStockCard(const QString& hospNum, const QString& idNum, const QString& itemCode,
                                const QString& dateTime, const QString& refNum, double quantity,
                                double unitCost, double amount, const QString& userId,
                                const QString& transType, const QString& reference, const QString& locationId,
                                const QString& remarks, const QString& roomId, double discount,
                                const QString& inventoryCode, const QString& chargeInventoryCode,
                                const QString& requestRef, const std::optional<QString>& batchNo,
                                const std::optional<QString>& expiryDate,
                                const std::optional<QString>& orNumber, const QString& direction) {
    open(connection_)
        .execute(stockCardStatement({hospNum,
                                     idNum,
                                     itemCode,
                                     dateTime,
                                     refNum,
                                     quantityText(quantity),
                                     ValueText::amount(unitCost),
                                     ValueText::amount(amount),
                                     userId,
                                     transType,
                                     reference,
                                     locationId,
                                     remarks,
                                     roomId,
                                     ValueText::amount(discount),
                                     inventoryCode,
                                     chargeInventoryCode,
                                     requestRef,
                                     batchNo,
                                     expiryDate,
                                     orNumber,
                                     direction}));
}

} // namespace tavrix
