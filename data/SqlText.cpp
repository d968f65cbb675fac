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
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == u'{' && i + 1 < pattern.size() && pattern[i + 1] == u'}') {
            if (value == values.end())
                throw std::logic_error("SqlText::build: more placeholders than values");
            out += escaped(*value++);
            ++i;
        } else {
            out += pattern[i];
        }
    }
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
