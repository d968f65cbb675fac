#include "data/ValueText.h"

#include <QLocale>
#include <cmath>

namespace tavrix::ValueText {

QString text(const QVariant& value) {
    if (value.isNull() || !value.isValid())
        return {};
    switch (value.typeId()) {
    case QMetaType::QDateTime: {
        const QDateTime dt = value.toDateTime();
        if (dt.time() == QTime(0, 0))
            return dt.toString(QStringLiteral("MM/dd/yyyy"));
        return dt.toString(QStringLiteral("MM/dd/yyyy h:mm:ss AP"));
    }
    case QMetaType::QDate:
        return value.toDate().toString(QStringLiteral("MM/dd/yyyy"));
    case QMetaType::Double: {
        const double d = value.toDouble();
        if (std::floor(d) == d && std::fabs(d) < 1e15)
            return QString::number(static_cast<qlonglong>(d));
        return QString::number(d, 'g', 15);
    }
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    default:
        return value.toString();
    }
}

double number(const QVariant& value) {
    if (value.isNull() || !value.isValid())
        return 0;
    if (value.typeId() == QMetaType::QString) {
        bool ok = false;
        const double d = value.toString().trimmed().toDouble(&ok);
        return ok ? d : 0;
    }
    return value.toDouble();
}

bool flag(const QVariant& value) {
    if (value.isNull() || !value.isValid())
        return false;
    if (value.typeId() == QMetaType::QString) {
        const QString s = value.toString().trimmed().toUpper();
        return s == QLatin1String("1") || s == QLatin1String("TRUE") || s == QLatin1String("Y") ||
               s == QLatin1String("T") || s == QLatin1String("-1");
    }
    return value.toDouble() != 0;
}

QDateTime dateTime(const QVariant& value) {
    if (value.typeId() == QMetaType::QDateTime)
        return value.toDateTime();
    if (value.typeId() == QMetaType::QDate)
        return value.toDate().startOfDay();
    const QString s = value.toString().trimmed();
    static const char* formats[] = {"yyyy-MM-dd HH:mm:ss", "yyyy-MM-dd",         "M/d/yyyy h:mm:ss AP",
                                    "M/d/yyyy h:mm AP",    "M/d/yyyy hh:mm",     "M/d/yyyy",
                                    "yyyy-MM-ddTHH:mm:ss", "yyyy-MM-dd HH:mm:ss.zzz"};
    for (const char* f : formats) {
        const QDateTime dt = QDateTime::fromString(s, QLatin1String(f));
        if (dt.isValid())
            return dt;
    }
    return {};
}

double leadingNumber(const QString& text) {
    const QString s = text.trimmed();
    qsizetype i = 0;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-'))
        ++i;
    bool dot = false;
    while (i < s.size() && (s[i].isDigit() || (s[i] == u'.' && !dot))) {
        if (s[i] == u'.')
            dot = true;
        ++i;
    }
    bool ok = false;
    const double d = s.left(i).toDouble(&ok);
    return ok ? d : 0;
}

bool isNumeric(const QString& text) {
    bool ok = false;
    text.trimmed().toDouble(&ok);
    return ok;
}

QString amount(double value) { return QString::number(value, 'f', 2); }

QString usDate(const QDateTime& value) {
    return value.isValid() ? value.toString(QStringLiteral("MM/dd/yyyy")) : QString();
}

} // namespace tavrix::ValueText
