#pragma once

#include <QString>

namespace tavrix {

// A patient looked up by hospital number. The outputs keep their values until
// the next successful search; a patient not found leaves them as they were.
class clsPatientInfo {
public:
    bool Search(const QString& hospNum); // DbError passes to the caller

    QString HospNum, LastName, FirstName, MiddleName;
    QString CivilStatus; // "0" to "5"
    QString Sex;
    QString BirthDate; // in the workstation's short date format
    QString Age;
    QString XRayNum, UltraNum, CTNum; // film numbers in the X-ray, ultrasound and CT departments
    QString TelNum, HouseStreet, Barangay, ZipCode, Town, Province;
};

} // namespace tavrix
