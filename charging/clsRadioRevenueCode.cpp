#include "charging/clsRadioRevenueCode.h"

#include "charging/frmSearch.h"
#include "data/Connection.h"
#include "data/SessionContext.h"
#include "data/SqlText.h"
#include "ui/Prompts.h"

namespace tavrix {

namespace {
constexpr auto kExact = u"radiology..spRadio_SearchRevenueCodes '{}','1','{}'";
constexpr auto kCount = u"radiology..spRadio_SearchRevenueCodes '{}','2','{}'";
constexpr auto kList = u"radiology..spRadio_SearchRevenueCodes '{}','0','##'";
} // namespace

clsRadioRevenueCode& clsRadioRevenueCode::instance() {
    static clsRadioRevenueCode shared;
    return shared;
}

bool clsRadioRevenueCode::Validate(const QString& criteria) {
    auto& session = SessionContext::instance();
    Connection& db = session.connection();
    const ResultSet exact = db.execute(SqlText::build(kExact, {session.RevenueID, criteria}));
    if (exact.rowCount() == 1) {
        fill(exact.first());
        return true;
    }
    const ResultSet count = db.execute(SqlText::build(kCount, {session.RevenueID, criteria}));
    if (count.isEmpty() || count.first().integer(QStringLiteral("RecCount")) == 0) {
        Ui::message(QStringLiteral("Item does not exists."), Ui::appTitle(), Ui::Icon::Warning);
        return false;
    }
    frmSearch search;
    search.SearchCaption = QStringLiteral("Revenue Codes");
    search.Criteria = criteria;
    search.Query = SqlText::build(kList, {session.RevenueID});
    Ui::runModal(search);
    if (!search.Valid)
        return false;
    fill(db.execute(SqlText::build(kExact, {session.RevenueID, search.ResultCode})).first());
    return true;
}

void clsRadioRevenueCode::fill(const ResultRow& row) {
    RevenueID = row.text(QStringLiteral("RevenueID"));
    Revenue = row.text(QStringLiteral("Revenue"));
    WithItems = row.text(QStringLiteral("WithItems"));
    AccountCode = row.text(QStringLiteral("AccountCode"));
    GroupCode = row.text(QStringLiteral("GroupCode"));
    SearchInventory = row.flag(QStringLiteral("SearchInventory"));
    LocationID = row.text(QStringLiteral("LocationID"));
    CashCommunication = row.flag(QStringLiteral("CashCommunication"));
    InventoryCode = row.text(QStringLiteral("InvCode"));
}

} // namespace tavrix
