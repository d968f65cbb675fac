#include "data/SqlText.h"

#include <stdexcept>

namespace tavrix::SqlText {

QString escaped(const QString& value) {
    QString out = value;
    out.replace(QLatin1Char('\''), QLatin1String("''"));
    return out;
}

QString build(QStringView pattern, std::initializer_list<QString> values) {
    QString out;
    out.reserve(pattern.size() + 16 * static_cast<qsizetype>(values.size()));
    auto value = values.begin();
    // Copy the pattern in runs between placeholders: every statement passes here.
    qsizetype from = 0;
    for (qsizetype at = 0; at + 1 < pattern.size(); ++at) {
        if (pattern[at] != u'{' || pattern[at + 1] != u'}')
            continue;
        if (value == values.end())
            throw std::logic_error("SqlText::build: more placeholders than values");
        out += pattern.mid(from, at - from);
        const QString& v = *value++;
        if (v.contains(QLatin1Char('\'')))
            out += escaped(v);
        else
            out += v;
        from = at + 2;
        ++at;
    }
    out += pattern.mid(from);
    if (value != values.end())
        throw std::logic_error("SqlText::build: more values than placeholders");
    return out;
}

QString toBackquotes(const QString& text) {
    QString out = text;
    out.replace(QLatin1Char('\''), QLatin1Char('`'));
    return out;
}

QString fromBackquotes(const QString& text) {
    QString out = text;
    out.replace(QLatin1Char('`'), QLatin1Char('\''));
    return out;
}

} // namespace tavrix::SqlText
