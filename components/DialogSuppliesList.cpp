#include "components/DialogSuppliesList.h"

#include "components/Lookup.h"
#include "data/Connection.h"
#include "data/DbError.h"
#include "data/SessionContext.h"
#include "data/SqlText.h"

#include <QApplication>

namespace tavrix {

bool DialogSuppliesList::InitConnection(Connection* connection) {
    connection_ = connection;
    if (!connection_ || !connection_->isOpen())
        return false;
    try {
        connection_->execute(SqlText::build(u"BUILD_FILE..spInv_SearchSupplies '{}','{}','{}'",
                                            {QString(), QString(), QStringLiteral("0")}));
    } catch (const DbError&) {
        return false;
    }
    return true;
}

LookupList DialogSuppliesList::list(const QString& locationId) const {
    LookupList l;
    l.objectName = QStringLiteral("frmSuppliesList");
    l.title = ListTitle.trimmed().isEmpty()
                  ? (DrugsORCSR ? QStringLiteral("Medicines") : QStringLiteral("Supplies"))
                  : ListTitle.trimmed();
    l.hospital = SessionContext::instance().HospitalCompany;
    l.subtitle = QStringLiteral("Stock location %1").arg(locationId);
    l.hint = QStringLiteral("Type the item code or any part of the item's name.");
    l.noun = QStringLiteral("item");
    l.nouns = QStringLiteral("items");
    l.columns = {{QStringLiteral("ItemID"), QStringLiteral("Item Code"), 1100},
                 {QStringLiteral("DrugName"), QStringLiteral("Description"), 5000},
                 {QStringLiteral("Unit"), QStringLiteral("Unit"), 700},
                 {QStringLiteral("SellingPriceIn"), QStringLiteral("In-Patient Price"), 1550,
                  LookupColumn::Kind::Amount},
                 {QStringLiteral("SellingPriceOut"), QStringLiteral("Out-Patient Price"), 1650,
                  LookupColumn::Kind::Amount},
                 {QStringLiteral("OnHand"), QStringLiteral("On Hand"), 1000, LookupColumn::Kind::Number}};
    l.keyFields = {QStringLiteral("ItemID")};
    const QString location = locationId.trimmed();
    const QString drugsOnly = DrugsORCSR ? QStringLiteral("1") : QStringLiteral("0");
    l.statement = [location, drugsOnly](const QString& filter) {
        return SqlText::build(u"BUILD_FILE..spInv_SearchSupplies '{}','{}','{}'",
                              {location, filter, drugsOnly});
    };
    return l;
}

QString DialogSuppliesList::ShowList(const QString& text, bool showList, const QString& locationId) {
    const Lookup::Result found =
        Lookup::run(connection_, list(locationId), text, showList, QApplication::activeWindow());
    return found.picked() ? found.pickedRow().text("ItemID") : QString();
}

} // namespace tavrix
