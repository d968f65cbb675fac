#pragma once

#include <QString>

namespace tavrix {

class Connection;
class CurrentUser;
class CodeSearch;
class IcdSearch;
class RadiologySearch;
class SuppliesList;
class DrugInfo;

// The process-wide values set at start-up that every screen reads.
class SessionContext {
public:
    static SessionContext& instance();

    CurrentUser* currentUser = nullptr;
    CodeSearch* codeSearch = nullptr;
    IcdSearch* icdSearch = nullptr;
    RadiologySearch* radiologySearch = nullptr;
    SuppliesList* suppliesList = nullptr;
    DrugInfo* drugInfo = nullptr;

    QString HospitalCompany;
    QString HospitalAddress;
    QString HospitalTitle;
    QString RevenueID;
    bool IncludeDoctorFee = false;
    QString DefaultRadiologistCode;
    QString DefaultRadiologistName;
    QString EmployeeName;
    QString PasswordDeptCode; // nothing sets it: always empty
    QString ModalityName;     // nothing sets it: always empty
    QString ModalityCode;     // nothing sets it: always empty
    QString DailyReportMode;

    // The user's connection; throws DbError when nobody is logged in.
    Connection& connection() const;
    QString employeeCode() const;

    void reset(); // back to the state before start-up

private:
    SessionContext() = default;
};

} // namespace tavrix
