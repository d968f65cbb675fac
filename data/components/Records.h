#pragma once

#include <QString>

namespace tavrix {

// The records the look-up components fill after a pick. Every value is text as
// the screens show it; dates are "MM/dd/yyyy", times "hh:mmAM" (empty when unknown).

struct DoctorRecord {
    QString ResultCode; // doctor ID
    QString LastName, FirstName, MiddleName;
};

struct OtherRevenueRecord {
    QString ResultCode;   // item (exam) code
    QString OtherRevenue; // item name
    double RateA = 0, RateB = 0, RateC = 0, RateD = 0, RateE = 0, RateF = 0, RateG = 0, RateH = 0;
    QString Fixrate;      // "N": the price may be typed
};

// The exam last found in mode 21, with its rates for the special (KV) pricing.
struct CTExamRecord {
    QString ResultCode;
    QString Exam;
    double RateA = 0, RateB = 0, RateC = 0, RateD = 0, RateE = 0, RateF = 0, RateG = 0, RateH = 0;
};

struct AddressRecord {
    QString ResultCode; // zip (address) code
    QString Town, Province;
};

struct ICDRecord {
    QString ICDCode, Description;
    QString Sex; // "M": not for male patients (a female-only code); "F": not for female patients
};

// An admitted patient (list 205) or a registered out-patient (list 204).
struct PatientRecord {
    QString HospitalNumber, IdNumber; // admission or OPD number
    QString LastName, FirstName, MiddleName;
    QString Sex, CivilStatus, BirthDate, Age;
    QString HouseStreet, Barangay, Town, Province;
    QString RoomID, RoomClassID;           // in-patients; "OPD" and "" for out-patients
    QString AdmDate, AdmTime, DcrDate, DcrTime, BillingDate;
    QString AttendingDrID, AttendingDr;
    QString AccountNum, Company;
};

struct SectionRecord {
    QString SectionID, SectionName;
};

struct InterpretationRecord {
    QString Code, Description, SectionID;
    QString Interpretation; // as stored: apostrophes as backquotes
};

struct FileNumRecord {
    QString FileNum, HospNum, LastName, FirstName, MiddleName;
    QString ControlNum; // the last control number used in the folder
};

struct EmployeeRecord {
    QString EmployeeID, LastName, FirstName, MiddleName, Position;
};

} // namespace tavrix
