#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <vector>

namespace tavrix {

class ResultSet;

// One row of a result set, read by column name (any letter case) or position.
class ResultRow {
public:
    ResultRow(const ResultSet& set, int row) : set_(&set), row_(row) {}

    QVariant value(const QString& column) const;
    QVariant value(int column) const;
    QString text(const QString& column) const; // null as ""
    QString text(int column) const;
    double number(const QString& column) const;
    qint64 integer(const QString& column) const;
    bool flag(const QString& column) const;
    QDateTime dateTime(const QString& column) const;
    bool isNull(const QString& column) const;
    int index() const { return row_; }

private:
    const ResultSet* set_;
    int row_;
};

// A result set read completely into memory: its row count is exact as soon as
// it exists, and nothing stays open on the server.
class ResultSet {
public:
    ResultSet() = default;
    ResultSet(QStringList columns, std::vector<QVariantList> rows, bool hasColumns);

    bool hasColumns() const { return hasColumns_; } // the statement returned a result set
    int rowCount() const { return static_cast<int>(rows_.size()); }
    int columnCount() const { return static_cast<int>(columns_.size()); }
    bool isEmpty() const { return rows_.empty(); }

    const QStringList& columnNames() const { return columns_; }
    QString columnName(int column) const { return columns_.value(column); }
    int indexOf(const QString& column) const; // -1 when there is no such column
    bool hasColumn(const QString& column) const { return indexOf(column) >= 0; }

    QVariant value(int row, int column) const;
    QVariant value(int row, const QString& column) const; // an unknown column throws DbError
    QString text(int row, int column) const;
    QString text(int row, const QString& column) const;

    ResultRow row(int row) const; // a row that does not exist throws DbError 3021
    ResultRow first() const { return row(0); }

    const std::vector<QVariantList>& rows() const { return rows_; }

private:
    int requireColumn(const QString& column) const;

    QStringList columns_;
    std::vector<QVariantList> rows_;
    bool hasColumns_ = false;
};

} // namespace tavrix
