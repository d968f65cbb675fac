#pragma once

#include <QHash>
#include <QString>
#include <QXmlStreamEntityResolver>

namespace tavrix {

// HTML names that templates may use although XML does not declare them.
class HtmlEntities : public QXmlStreamEntityResolver {
public:
    QString resolveUndeclaredEntity(const QString& name) override {
        static const QHash<QString, char16_t> known = {
            {QStringLiteral("nbsp"), 0x00A0},   {QStringLiteral("copy"), 0x00A9},
            {QStringLiteral("reg"), 0x00AE},    {QStringLiteral("middot"), 0x00B7},
            {QStringLiteral("ndash"), 0x2013},  {QStringLiteral("mdash"), 0x2014},
            {QStringLiteral("bull"), 0x2022},   {QStringLiteral("hellip"), 0x2026},
            {QStringLiteral("peso"), 0x20B1},   {QStringLiteral("deg"), 0x00B0},
            {QStringLiteral("times"), 0x00D7},  {QStringLiteral("ntilde"), 0x00F1},
            {QStringLiteral("Ntilde"), 0x00D1}, {QStringLiteral("emsp"), 0x2003},
            {QStringLiteral("ensp"), 0x2002}};
        const auto it = known.find(name);
        return it == known.end() ? QString() : QString(QChar(*it));
    }
};

} // namespace tavrix
