#pragma once

#include "data/Connection.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

namespace tavrix {

// A row read with a SELECT and written back in place under optimistic
// concurrency: the UPDATE's WHERE holds every value that was read, so a row
// that another workstation changed in between is not overwritten and the
// write fails instead (the counters never hand out a number twice).
class UpdatableRow {
public:
    // Reads the first row of "SELECT ... FROM table"; a missing row throws DbError 3021.
    UpdatableRow(Connection& connection, const QString& selectStatement, const QString& table);

    QVariant value(const QString& column) const { return read_.value(column.toLower()); }
    QString text(const QString& column) const;
    void set(const QString& column, const QString& value);
    void write(); // throws DbError when the row changed since it was read

private:
    Connection& connection_;
    QString table_;
    QList<QPair<QString, QVariant>> readValues_;
    QList<QPair<QString, QString>> changes_;
    QVariantMap read_;
};

} // namespace tavrix
