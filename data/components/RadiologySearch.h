#pragma once

#include "data/components/Records.h"

namespace tavrix {

class Connection;

// Radiology patient and catalogue lists.
// PatientListing(text, list, true): 204 registered out-patients (fills Outpatient),
// 205 admitted patients by name (fills Inpatient), 206 patients' film file
// numbers of the department (fills FileNum). SearchListing(text, list, true):
// 201 interpretation templates of SectionID (fills Interpretation), 202 sections
// (fills Section), 203 employees (fills Employee). Each returns true on a pick;
// a seed matching exactly one row picks it without showing the list. A seed
// that finds no row at all throws DbError 3021 (no current row), as CodeSearch does.
class RadiologySearch {
public:
    enum List {
        Interpretations = 201, Sections = 202, Employees = 203,
        OutPatients = 204, InPatients = 205, PatientFiles = 206
    };

    virtual ~RadiologySearch() = default;

    virtual void Initialize_Classes() {}
    void InitConnection(Connection* connection) { connection_ = connection; }
    Connection* connection() const { return connection_; }

    virtual bool PatientListing(const QString& text, int list, bool showList) = 0;
    virtual bool SearchListing(const QString& text, int list, bool showList) = 0;
    // True when the film file number exists in the department; fills FileNum.
    virtual bool FileNumFound(const QString& fileNum) = 0;

    QString Hospital;
    QString RevenueID;
    QString SectionID;

    PatientRecord Inpatient;
    PatientRecord Outpatient;
    SectionRecord Section;
    InterpretationRecord Interpretation;
    FileNumRecord FileNum;
    EmployeeRecord Employee;

protected:
    Connection* connection_ = nullptr;
};

} // namespace tavrix
