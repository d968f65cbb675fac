#include "data/UpdatableRow.h"

#include "data/DbError.h"
#include "data/SqlText.h"
#include "data/ValueText.h"

namespace tavrix {

namespace {

// The value as the server compares it: dates back in ISO form, numbers plain.
QString literal(const QVariant& v) {
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (v.typeId() == QMetaType::Double)
        return QString::number(v.toDouble(), 'g', 17);
    return v.toString();
}

} // namespace

UpdatableRow::UpdatableRow(Connection& connection, const QString& selectStatement, const QString& table)
    : connection_(connection), table_(table) {
    const ResultSet rs = connection.execute(selectStatement);
    const ResultRow row = rs.first();
    for (int c = 0; c < rs.columnCount(); ++c) {
        readValues_.append({rs.columnName(c), row.value(c)});
        read_.insert(rs.columnName(c).toLower(), row.value(c));
    }
}

QString UpdatableRow::text(const QString& column) const { return ValueText::text(read_.value(column.toLower())); }

void UpdatableRow::set(const QString& column, const QString& value) { changes_.append({column, value}); }

void UpdatableRow::write() {
    if (changes_.isEmpty())
        return;
    QString sql = QStringLiteral("UPDATE %1 SET ").arg(table_);
    for (int i = 0; i < changes_.size(); ++i) {
        if (i)
            sql += QStringLiteral(", ");
        sql += changes_[i].first + QStringLiteral(" = '") + SqlText::escaped(changes_[i].second) + u'\'';
    }
    sql += QStringLiteral(" WHERE ");
    for (int i = 0; i < readValues_.size(); ++i) {
        if (i)
            sql += QStringLiteral(" AND ");
        const auto& [column, value] = readValues_[i];
        if (value.isNull())
            sql += column + QStringLiteral(" IS NULL");
        else
            sql += column + QStringLiteral(" = '") + SqlText::escaped(literal(value)) + u'\'';
    }
    connection_.execute(sql);
    if (connection_.rowsAffected() != 1)
        throw DbError(3197, QStringLiteral("The row of %1 was changed by another workstation after it was read; "
                                           "nothing was written. Try again.")
                                .arg(table_),
                      sql);
    changes_.clear();
}

} // namespace tavrix
