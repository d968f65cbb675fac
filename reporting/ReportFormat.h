#pragma once

#include "reporting/ReportTemplate.h"

#include <QString>
#include <QVariant>

namespace tavrix {

// How a value becomes the text a report shows, and that text HTML-escaped.
// Formats (see docs/reports.md): text, upper, multiline, amount, amount-or-blank,
// number, integer, date, datetime, time, and date:PATTERN with a Qt date pattern.
namespace ReportFormat {

// The shown text, not escaped; an empty format picks one by the value's type.
QString display(const QVariant& value, const QString& format);
// The same, escaped for HTML (multiline keeps its line breaks).
QString html(const QVariant& value, const QString& format);
QString escape(const QString& text);
// A sum or a count in the column's format.
QString number(double value, const QString& format);
// True when the format names one this engine knows.
bool isKnown(const QString& format);

// A parameter value as a statement receives it: dates "MM/dd/yyyy", date-times
// "MM/dd/yyyy HH:mm:ss", numbers plain; unset gives "".
QString statementText(const QVariant& value, ReportParameterType type);
// A parameter value as the body shows it.
QString parameterHtml(const QVariant& value, const ReportParameterDef& def);

// A value converted for a field of the given type; invalid when it cannot be.
QVariant convert(const QVariant& value, ReportParameterType type, bool* ok);

} // namespace ReportFormat
} // namespace tavrix
