#pragma once

#include "components/LookupList.h"
#include "data/components/RadiologySearch.h"

namespace tavrix {

class ResultRow;

// The radiology patient and catalogue lists with their list dialog.
// Procedures: RADIOLOGY..spRadio_PatientListing (lists 204, 205, 206),
// RADIOLOGY..spRadio_SearchListing (lists 201, 202, 203), RADIOLOGY..spRadio_FileNumFound.
// A seed that finds nothing throws DbError 3021, as the code search does.
//
// The film file numbers (list 206 and FileNumFound) belong to the department
// in SectionID when a caller set one (the result screens set RevenueID "XR" and
// SectionID "MI": the MRI section of the imaging department), otherwise to
// RevenueID. Templates (201) are those of SectionID, a department's revenue
// code naming all of its templates; list 203 is the employees.
class DialogRadiologySearch : public RadiologySearch {
public:
    void Initialize_Classes() override;
    bool PatientListing(const QString& text, int list, bool showList) override;
    bool SearchListing(const QString& text, int list, bool showList) override;
    bool FileNumFound(const QString& fileNum) override;

    // The list as the dialog shows it, for lists 201 to 206 (an empty list for others).
    LookupList listFor(int list) const;
    // The department the film file numbers are kept under.
    QString fileDepartment() const;

private:
    bool run(const QString& text, int list, bool showList);
    QString hospital() const;
    static PatientRecord patientFrom(const ResultRow& row);
};

} // namespace tavrix
