#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace tavrix {

// At most this many rows come back for one filter; the lists ask for more typing instead.
inline constexpr int LookupRowLimit = 200;

// One column of a look-up list.
struct LookupColumn {
    enum class Kind { Text, Amount, Number, Date };
    QString field;   // column of the list's result set
    QString heading; // what the clerk reads
    int widthTwips = 1500;
    Kind kind = Kind::Text;
};

// What one look-up list shows and how it asks the server for its rows.
struct LookupList {
    QString objectName; // the dialog's name: tests and scripted prompts find it by it
    QString title;      // window title and heading
    QString hospital;   // shown in the heading beside the title
    QString subtitle;   // what is listed (a department, a location); may be empty
    QString hint;       // what the search box matches
    QString noun;       // one row, for the count line and the nothing-found text: "doctor"
    QString nouns;      // several rows: "doctors"
    QList<LookupColumn> columns;
    QStringList keyFields; // a seed equal to one row's value in one of these picks it without the list
    QString previewField;  // text of the current row shown under the list; empty for none
    QString alertField;    // a row with text here is shown in red (a refused patient's status)
    std::function<QString(const QString& filter)> statement; // the statement for a typed filter

    QString nothingFoundText(const QString& filter) const {
        return filter.isEmpty() ? QStringLiteral("There are no %1 on file.").arg(nouns)
                                : QStringLiteral("No %1 matches \"%2\".").arg(noun, filter);
    }
};

} // namespace tavrix
