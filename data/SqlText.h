#pragma once

#include <QString>
#include <QStringView>

#include <initializer_list>

namespace tavrix {

// Builds statement text from the documented pattern: every "{}" takes the next
// value with its single quotes doubled, so the text reads exactly as documented
// for ordinary input and stays one well-formed statement for any input.
// The placeholders stand inside the pattern's own quotes: "spX '{}','{}'".
namespace SqlText {

QString escaped(const QString& value);
QString build(QStringView pattern, std::initializer_list<QString> values);

// Free text typed into result and remarks fields: apostrophes become backquotes
// before sending, and back again for display.
QString toBackquotes(const QString& text);
QString fromBackquotes(const QString& text);

} // namespace SqlText
} // namespace tavrix
