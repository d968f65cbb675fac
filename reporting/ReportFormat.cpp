#include "reporting/ReportFormat.h"

#include "data/ValueText.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>

#include <cmath>

namespace tavrix::ReportFormat {

namespace {

const QLocale& numbers() {
    static const QLocale locale(QLocale::English, QLocale::UnitedStates);
    return locale;
}

bool isNumberType(const QVariant& v) {
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
        return true;
    default:
        return false;
    }
}

QDateTime asDateTime(const QVariant& v) {
    if (v.typeId() == QMetaType::QDate)
        return v.toDate().startOfDay();
    return ValueText::dateTime(v);
}

QString plainNumber(double d) {
    if (std::floor(d) == d && std::fabs(d) < 1e15)
        return QString::number(static_cast<qlonglong>(d));
    return QString::number(d, 'f', 2);
}

} // namespace

QString escape(const QString& text) {
    QString out;
    out.reserve(text.size() + 8);
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '&':
            out += QLatin1String("&amp;");
            break;
        case '<':
            out += QLatin1String("&lt;");
            break;
        case '>':
            out += QLatin1String("&gt;");
            break;
        case '"':
            out += QLatin1String("&quot;");
            break;
        case '\'':
            out += QLatin1String("&#39;");
            break;
        default:
            out += c;
        }
    }
    return out;
}

bool isKnown(const QString& format) {
    static const QStringList known = {QString(),
                                      QStringLiteral("text"),
                                      QStringLiteral("upper"),
                                      QStringLiteral("multiline"),
                                      QStringLiteral("amount"),
                                      QStringLiteral("amount-or-blank"),
                                      QStringLiteral("number"),
                                      QStringLiteral("integer"),
                                      QStringLiteral("date"),
                                      QStringLiteral("datetime"),
                                      QStringLiteral("time")};
    return known.contains(format) || format.startsWith(QLatin1String("date:"));
}

QString number(double value, const QString& format) {
    if (format == u"amount")
        return numbers().toString(value, 'f', 2);
    if (format == u"amount-or-blank")
        return value == 0 ? QString() : numbers().toString(value, 'f', 2);
    if (format == u"integer")
        return numbers().toString(static_cast<qlonglong>(std::llround(value)));
    return plainNumber(value);
}

QString display(const QVariant& value, const QString& format) {
    if (value.isNull() || !value.isValid())
        return {};
    if (format.isEmpty()) {
        if (value.typeId() == QMetaType::QDateTime || value.typeId() == QMetaType::QDate) {
            const QDateTime dt = asDateTime(value);
            return dt.time() == QTime(0, 0) ? dt.toString(QStringLiteral("MM/dd/yyyy"))
                                            : dt.toString(QStringLiteral("MM/dd/yyyy hh:mm AP"));
        }
        return ValueText::text(value);
    }
    if (format == u"text" || format == u"multiline")
        return ValueText::text(value);
    if (format == u"upper")
        return ValueText::text(value).toUpper();
    if (format == u"amount" || format == u"amount-or-blank" || format == u"number" || format == u"integer") {
        if (!isNumberType(value) && !ValueText::isNumeric(value.toString()))
            return value.toString(); // text that is no number prints as it is
        return number(ValueText::number(value), format);
    }
    const QDateTime dt = asDateTime(value);
    if (!dt.isValid())
        return ValueText::text(value);
    if (format == u"date")
        return dt.toString(QStringLiteral("MM/dd/yyyy"));
    if (format == u"datetime")
        return dt.toString(QStringLiteral("MM/dd/yyyy hh:mm AP"));
    if (format == u"time")
        return dt.toString(QStringLiteral("hh:mm AP"));
    if (format.startsWith(QLatin1String("date:")))
        return numbers().toString(dt, format.mid(5));
    return ValueText::text(value);
}

QString html(const QVariant& value, const QString& format) {
    QString out = escape(display(value, format));
    if (format == u"multiline") {
        out.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        out.replace(u'\r', u'\n');
        out.replace(QLatin1String("\n"), QLatin1String("<br/>"));
    }
    return out;
}

QVariant convert(const QVariant& value, ReportParameterType type, bool* ok) {
    *ok = true;
    if (value.isNull() || !value.isValid())
        return {};
    switch (type) {
    case ReportParameterType::Text:
        if (value.typeId() == QMetaType::QDate || value.typeId() == QMetaType::QDateTime)
            return ValueText::text(value);
        return value.toString();
    case ReportParameterType::Number: {
        if (isNumberType(value))
            return value;
        if (value.toString().trimmed().isEmpty())
            return {};
        bool good = false;
        const double d = value.toString().trimmed().toDouble(&good);
        *ok = good;
        return good ? QVariant(d) : QVariant();
    }
    case ReportParameterType::Date:
    case ReportParameterType::DateTime: {
        if (value.typeId() == QMetaType::QString && value.toString().trimmed().isEmpty())
            return {};
        const QDateTime dt = asDateTime(value);
        if (!dt.isValid()) {
            *ok = false;
            return {};
        }
        return type == ReportParameterType::Date ? QVariant(dt.date()) : QVariant(dt);
    }
    }
    return value;
}

QString statementText(const QVariant& value, ReportParameterType type) {
    if (value.isNull() || !value.isValid())
        return {};
    switch (type) {
    case ReportParameterType::Date:
        return asDateTime(value).toString(QStringLiteral("MM/dd/yyyy"));
    case ReportParameterType::DateTime:
        return asDateTime(value).toString(QStringLiteral("MM/dd/yyyy HH:mm:ss"));
    case ReportParameterType::Number:
        return plainNumber(ValueText::number(value));
    case ReportParameterType::Text:
        break;
    }
    return value.toString();
}

QString parameterHtml(const QVariant& value, const ReportParameterDef& def) {
    QString format = def.format;
    if (format.isEmpty() && def.type == ReportParameterType::Date)
        format = QStringLiteral("date");
    if (format.isEmpty() && def.type == ReportParameterType::DateTime)
        format = QStringLiteral("datetime");
    return html(value, format);
}

} // namespace tavrix::ReportFormat
