#include "components/Lookup.h"

#include "components/frmLookup.h"
#include "data/Connection.h"
#include "data/DbError.h"
#include "ui/Prompts.h"

namespace tavrix {

Lookup::Result Lookup::run(Connection* connection, const LookupList& list, const QString& seed, bool showList,
                           QWidget* parent) {
    if (!connection)
        throw DbError(3704, QStringLiteral("Operation is not allowed when the connection is closed."));
    const QString filter = seed.trimmed();
    Result result;
    result.rows = connection->execute(list.statement(filter));
    if (!filter.isEmpty()) {
        const int exact = exactRow(result.rows, list.keyFields, filter);
        if (exact >= 0) {
            result.outcome = Outcome::Picked;
            result.row = exact;
            return result;
        }
        if (result.rows.isEmpty()) {
            result.outcome = Outcome::NothingFound;
            return result;
        }
    }
    if (!showList)
        return result;

    frmLookup dialog(*connection, list, parent);
    dialog.setSeed(filter, result.rows);
    const int code = Ui::runModal(dialog);
    if (code != QDialog::Accepted || dialog.pickedRow() < 0)
        return result;
    result.rows = dialog.rows();
    result.row = dialog.pickedRow();
    result.outcome = Outcome::Picked;
    return result;
}

std::pair<QString, QString> Lookup::splitName(const QString& filter) {
    const qsizetype comma = filter.indexOf(u',');
    if (comma < 0)
        return {filter.trimmed(), QString()};
    return {filter.left(comma).trimmed(), filter.mid(comma + 1).trimmed()};
}

int Lookup::exactRow(const ResultSet& rows, const QStringList& keyFields, const QString& seed) {
    const QString wanted = seed.trimmed();
    if (wanted.isEmpty())
        return -1;
    int found = -1;
    for (int r = 0; r < rows.rowCount(); ++r) {
        bool match = false;
        for (const QString& field : keyFields)
            if (rows.hasColumn(field) &&
                rows.text(r, field).trimmed().compare(wanted, Qt::CaseInsensitive) == 0)
                match = true;
        if (!match)
            continue;
        if (found >= 0)
            return -1; // the key is not unique here: let the clerk choose
        found = r;
    }
    return found;
}

} // namespace tavrix
