#pragma once

#include "data/components/Records.h"

namespace tavrix {

class Connection;

// Doctor, revenue-item and address search. SearchListing shows a list seeded
// with the text and returns true when the user picked a row; a seed that
// matches exactly one code picks it without showing the list. When the search
// finds no row at all it throws DbError 3021 (no current row): callers retry
// with an empty seed so the user chooses from the whole list.
class CodeSearch {
public:
    enum Mode { Addresses = 0, Doctors = 1, RevenueItems = 21 };

    virtual ~CodeSearch() = default;

    virtual void Initialize_Classes() {}
    void setConnection(Connection* connection) { connection_ = connection; } // "Connection" property
    Connection* connection() const { return connection_; }

    virtual bool SearchListing(const QString& text, int mode) = 0;

    QString CompanyName;
    QString MTS_Server;
    bool SearchMode = true;
    QString OtherSectionID; // mode 21 lists the revenue items of this section (revenue code)

    DoctorRecord doctorRecord;             // DoctorRecord, mode 1
    OtherRevenueRecord otherRevenueRecord; // OtherRevenueRecord, mode 21
    CTExamRecord ctExamRecord;             // CTExamRecord, mode 21
    AddressRecord addressRecord;           // AddressRecord, mode 0

protected:
    Connection* connection_ = nullptr;
};

} // namespace tavrix
