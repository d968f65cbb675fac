#include "data/ResultSet.h"

#include "data/DbError.h"
#include "data/ValueText.h"

namespace tavrix {

ResultSet::ResultSet(QStringList columns, std::vector<QVariantList> rows, bool hasColumns)
    : columns_(std::move(columns)), rows_(std::move(rows)), hasColumns_(hasColumns) {}

int ResultSet::indexOf(const QString& column) const {
    for (int i = 0; i < columns_.size(); ++i)
        if (columns_[i].compare(column, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int ResultSet::requireColumn(const QString& column) const {
    const int i = indexOf(column);
    if (i < 0)
        throw DbError(3265, QStringLiteral("Item cannot be found in the collection: the result has no column \"%1\".")
                                .arg(column));
    return i;
}

QVariant ResultSet::value(int row, int column) const {
    if (row < 0 || row >= rowCount())
        throw DbError(DbError::NoCurrentRow, QStringLiteral("No current row: the result has no row %1.").arg(row + 1));
    if (column < 0 || column >= columnCount())
        throw DbError(3265, QStringLiteral("Item cannot be found in the collection: the result has no column %1.")
                                .arg(column));
    return rows_[static_cast<std::size_t>(row)][column];
}

QVariant ResultSet::value(int row, const QString& column) const { return value(row, requireColumn(column)); }
QString ResultSet::text(int row, int column) const { return ValueText::text(value(row, column)); }
QString ResultSet::text(int row, const QString& column) const { return ValueText::text(value(row, column)); }

ResultRow ResultSet::row(int row) const {
    if (row < 0 || row >= rowCount())
        throw DbError(DbError::NoCurrentRow, QStringLiteral("No current row: the result has no row %1.").arg(row + 1));
    return ResultRow(*this, row);
}

QVariant ResultRow::value(const QString& column) const { return set_->value(row_, column); }
QVariant ResultRow::value(int column) const { return set_->value(row_, column); }
QString ResultRow::text(const QString& column) const { return ValueText::text(value(column)); }
QString ResultRow::text(int column) const { return ValueText::text(value(column)); }
double ResultRow::number(const QString& column) const { return ValueText::number(value(column)); }
qint64 ResultRow::integer(const QString& column) const { return static_cast<qint64>(ValueText::number(value(column))); }
bool ResultRow::flag(const QString& column) const { return ValueText::flag(value(column)); }
QDateTime ResultRow::dateTime(const QString& column) const { return ValueText::dateTime(value(column)); }
bool ResultRow::isNull(const QString& column) const { return value(column).isNull(); }

} // namespace tavrix
