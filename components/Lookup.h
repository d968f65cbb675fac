#pragma once

#include "components/LookupList.h"
#include "data/ResultSet.h"

#include <utility>

class QWidget;

namespace tavrix {

class Connection;

// Runs one look-up list for a seed, the way every search component does:
// a seed that equals one row's key picks that row without a dialog, a seed
// that matches nothing is reported as such, and otherwise the list dialog
// opens seeded with the text (when the caller lets it).
class Lookup {
public:
    enum class Outcome { Picked, Cancelled, NothingFound };

    struct Result {
        Outcome outcome = Outcome::Cancelled;
        ResultSet rows;
        int row = -1;
        bool picked() const { return outcome == Outcome::Picked; }
        ResultRow pickedRow() const { return rows.row(row); }
    };

    // Throws DbError when the list cannot be read (a closed connection too).
    static Result run(Connection* connection, const LookupList& list, const QString& seed, bool showList,
                      QWidget* parent = nullptr);

    // "LAST, FIRST" gives the two parts; a text without a comma is all last name (or a code).
    static std::pair<QString, QString> splitName(const QString& filter);

    // The index of the only row whose key equals the seed (ignoring case and
    // surrounding blanks), or -1 when none or several do.
    static int exactRow(const ResultSet& rows, const QStringList& keyFields, const QString& seed);
};

} // namespace tavrix
