#pragma once

#include <QString>

namespace tavrix {

class Connection;

// The supplies picker of one stock location.
class SuppliesList {
public:
    virtual ~SuppliesList() = default;
    // False when the component cannot work with the connection.
    virtual bool InitConnection(Connection* connection) = 0;
    QString ListTitle;
    bool DrugsORCSR = false; // true lists medicines only, false every item of the location
    // Shows the items of the location seeded with the text; the picked item code, or "".
    virtual QString ShowList(const QString& text, bool showList, const QString& locationId) = 0;
};

} // namespace tavrix
