#pragma once

#include <QDateTime>
#include <QString>
#include <QVariant>

namespace tavrix {

// How values read from the server turn into text, numbers and flags: one place,
// so every screen shows a date or an amount the same way.
namespace ValueText {

// Null gives "", a date "MM/dd/yyyy" (with " h:mm:ss AP" when it has a time),
// a whole number without decimals.
QString text(const QVariant& value);
double number(const QVariant& value);        // text that is not a number gives 0
bool flag(const QVariant& value);            // 1, true, Y, T count as set
QDateTime dateTime(const QVariant& value);   // text in mm/dd/yyyy or ISO form too; invalid otherwise

// The number a text begins with, as the grids read amounts ("12.5x" gives 12.5, "" gives 0).
double leadingNumber(const QString& text);
bool isNumeric(const QString& text);          // a whole text that reads as a number
QString amount(double value);                 // "0.00"
QString usDate(const QDateTime& value);       // "MM/dd/yyyy", empty when invalid

} // namespace ValueText
} // namespace tavrix
