#include "components/DialogRadiologySearch.h"

#include "components/Lookup.h"
#include "data/Connection.h"
#include "data/DbError.h"
#include "data/SessionContext.h"
#include "data/SqlText.h"
#include "data/ValueText.h"

#include <QApplication>

namespace tavrix {

using Kind = LookupColumn::Kind;

namespace {

QString dateOf(const ResultRow& row, const QString& column) {
    return ValueText::usDate(row.dateTime(column));
}

QString timeOf(const ResultRow& row, const QString& column) {
    const QDateTime dt = row.dateTime(column);
    return dt.isValid() ? dt.toString(QStringLiteral("hh:mmAP")) : QString();
}

LookupColumn col(const char* field, const char* heading, int width, Kind kind = Kind::Text) {
    return {QString::fromLatin1(field), QString::fromLatin1(heading), width, kind};
}

} // namespace

void DialogRadiologySearch::Initialize_Classes() {
    Inpatient = {};
    Outpatient = {};
    Section = {};
    Interpretation = {};
    FileNum = {};
    Employee = {};
}

QString DialogRadiologySearch::hospital() const {
    return Hospital.isEmpty() ? SessionContext::instance().HospitalCompany : Hospital;
}

QString DialogRadiologySearch::fileDepartment() const {
    const QString section = SectionID.trimmed();
    return section.isEmpty() ? RevenueID.trimmed() : section;
}

LookupList DialogRadiologySearch::listFor(int list) const {
    LookupList l;
    l.hospital = hospital();
    const QString number = QString::number(list);
    switch (list) {
    case InPatients:
    case OutPatients: {
        const bool in = list == InPatients;
        l.objectName = in ? QStringLiteral("frmInPatientList") : QStringLiteral("frmOutPatientList");
        l.title = in ? QStringLiteral("Admitted Patients") : QStringLiteral("Registered Out-Patients");
        l.hint =
            in ? QStringLiteral("Type the last name (a comma and the start of the first name narrow it), "
                                "or an admission or hospital number.")
               : QStringLiteral("Type the last name (a comma and the start of the first name narrow it), "
                                "or an OPD or hospital number.");
        l.noun = in ? QStringLiteral("admitted patient") : QStringLiteral("out-patient");
        l.nouns = in ? QStringLiteral("admitted patients") : QStringLiteral("out-patients");
        l.columns = {col("IdNumber", in ? "Adm. No." : "OPD No.", in ? 1000 : 1300),
                     col("HospitalNumber", "Hospital No.", 1250), col("LastName", "Last Name", 1700),
                     col("FirstName", "First Name", 1700), col("MiddleName", "Middle Name", 1300)};
        if (in)
            l.columns << col("RoomID", "Room", 900) << col("RoomClassID", "Class", 600)
                      << col("AdmDate", "Admitted", 1300, Kind::Date);
        else
            l.columns << col("AdmDate", "Registered", 1300, Kind::Date);
        l.columns << col("AttendingDr", in ? "Attending Doctor" : "Doctor", 2800)
                  << col("Status", "Status", 1000);
        l.keyFields = {QStringLiteral("IdNumber"), QStringLiteral("HospitalNumber")};
        l.alertField = QStringLiteral("Status");
        l.statement = [number](const QString& filter) {
            const auto [last, first] = Lookup::splitName(filter);
            return SqlText::build(u"RADIOLOGY..spRadio_PatientListing '{}','{}','{}','{}'",
                                  {number, QString(), last, first});
        };
        break;
    }
    case PatientFiles: {
        const QString dept = fileDepartment();
        l.objectName = QStringLiteral("frmFileNumList");
        l.title = QStringLiteral("Film File Numbers");
        l.subtitle = QStringLiteral("Film files of department %1").arg(dept);
        l.hint =
            QStringLiteral("Type the patient's last name (a comma and the start of the first name narrow "
                           "it), a file number or a hospital number.");
        l.noun = QStringLiteral("film file");
        l.nouns = QStringLiteral("film files");
        l.columns = {col("FileNum", "File No.", 1300),
                     col("HospNum", "Hospital No.", 1250),
                     col("LastName", "Last Name", 1800),
                     col("FirstName", "First Name", 1800),
                     col("MiddleName", "Middle Name", 1500),
                     col("ControlNum", "Last Control No.", 1500),
                     col("CreatedDate", "Opened", 1300, Kind::Date)};
        l.keyFields = {QStringLiteral("FileNum"), QStringLiteral("HospNum")};
        l.statement = [number, dept](const QString& filter) {
            const auto [last, first] = Lookup::splitName(filter);
            return SqlText::build(u"RADIOLOGY..spRadio_PatientListing '{}','{}','{}','{}'",
                                  {number, dept, last, first});
        };
        break;
    }
    case Interpretations: {
        const QString section = SectionID.trimmed();
        l.objectName = QStringLiteral("frmInterpretationList");
        l.title = QStringLiteral("Coded Interpretations");
        l.subtitle = section.isEmpty() ? QStringLiteral("Templates of every section")
                                       : QStringLiteral("Templates for %1").arg(section);
        l.hint = QStringLiteral("Type the template code or any part of its description; "
                                "the text of the chosen template shows below.");
        l.noun = QStringLiteral("template");
        l.nouns = QStringLiteral("templates");
        l.columns = {col("Code", "Code", 1000), col("Description", "Description", 4000),
                     col("SectionName", "Section", 2800)};
        l.keyFields = {QStringLiteral("Code")};
        l.previewField = QStringLiteral("Interpretation");
        l.statement = [number, section](const QString& filter) {
            return SqlText::build(u"RADIOLOGY..spRadio_SearchListing '{}','{}','{}','{}'",
                                  {number, section, filter, QString()});
        };
        break;
    }
    case Sections:
        l.objectName = QStringLiteral("frmSectionList");
        l.title = QStringLiteral("Sections");
        l.hint = QStringLiteral("Type the section code or any part of its name.");
        l.noun = QStringLiteral("section");
        l.nouns = QStringLiteral("sections");
        l.columns = {col("SectionID", "Code", 900), col("SectionName", "Section", 3800),
                     col("RevenueID", "Department", 1200)};
        l.keyFields = {QStringLiteral("SectionID")};
        l.statement = [number](const QString& filter) {
            return SqlText::build(u"RADIOLOGY..spRadio_SearchListing '{}','{}','{}','{}'",
                                  {number, QString(), filter, QString()});
        };
        break;
    case Employees:
        l.objectName = QStringLiteral("frmEmployeeList");
        l.title = QStringLiteral("Employees");
        l.hint = QStringLiteral("Type the employee ID or the start of the last name "
                                "(a comma and the start of the first name narrow it).");
        l.noun = QStringLiteral("employee");
        l.nouns = QStringLiteral("employees");
        l.columns = {col("EmployeeID", "Employee ID", 1350), col("LastName", "Last Name", 1800),
                     col("FirstName", "First Name", 1900), col("MiddleName", "Middle Name", 1600),
                     col("Position", "Position", 2600)};
        l.keyFields = {QStringLiteral("EmployeeID")};
        l.statement = [number](const QString& filter) {
            const auto [last, first] = Lookup::splitName(filter);
            return SqlText::build(u"RADIOLOGY..spRadio_SearchListing '{}','{}','{}','{}'",
                                  {number, QString(), last, first});
        };
        break;
    default:
        break;
    }
    return l;
}

bool DialogRadiologySearch::run(const QString& text, int list, bool showList) {
    const LookupList l = listFor(list);
    if (!l.statement)
        return false;
    const Lookup::Result found = Lookup::run(connection_, l, text, showList, QApplication::activeWindow());
    if (found.outcome == Lookup::Outcome::NothingFound)
        throw DbError(DbError::NoCurrentRow, l.nothingFoundText(text.trimmed()));
    if (!found.picked())
        return false;

    const ResultRow row = found.pickedRow();
    switch (list) {
    case InPatients:
        Inpatient = patientFrom(row);
        break;
    case OutPatients:
        Outpatient = patientFrom(row);
        break;
    case PatientFiles:
        FileNum = {row.text("FileNum"),   row.text("HospNum"),    row.text("LastName"),
                   row.text("FirstName"), row.text("MiddleName"), row.text("ControlNum")};
        break;
    case Interpretations:
        Interpretation = {row.text("Code"), row.text("Description"), row.text("SectionID"),
                          row.text("Interpretation")};
        break;
    case Sections:
        Section = {row.text("SectionID"), row.text("SectionName")};
        break;
    case Employees:
        Employee = {row.text("EmployeeID"), row.text("LastName"), row.text("FirstName"),
                    row.text("MiddleName"), row.text("Position")};
        break;
    default:
        break;
    }
    return true;
}

bool DialogRadiologySearch::PatientListing(const QString& text, int list, bool showList) {
    if (list != InPatients && list != OutPatients && list != PatientFiles)
        return false;
    return run(text, list, showList);
}

bool DialogRadiologySearch::SearchListing(const QString& text, int list, bool showList) {
    if (list != Interpretations && list != Sections && list != Employees)
        return false;
    return run(text, list, showList);
}

bool DialogRadiologySearch::FileNumFound(const QString& fileNum) {
    const QString number = fileNum.trimmed();
    if (number.isEmpty())
        return false;
    if (!connection_)
        throw DbError(3704, QStringLiteral("Operation is not allowed when the connection is closed."));
    const ResultSet rs = connection_->execute(
        SqlText::build(u"RADIOLOGY..spRadio_FileNumFound '{}','{}'", {fileDepartment(), number}));
    if (rs.isEmpty())
        return false;
    const ResultRow row = rs.first();
    FileNum = {row.text("FileNum"),   row.text("HospNum"),    row.text("LastName"),
               row.text("FirstName"), row.text("MiddleName"), row.text("ControlNum")};
    return true;
}

PatientRecord DialogRadiologySearch::patientFrom(const ResultRow& row) {
    PatientRecord p;
    p.HospitalNumber = row.text("HospitalNumber");
    p.IdNumber = row.text("IdNumber");
    p.LastName = row.text("LastName");
    p.FirstName = row.text("FirstName");
    p.MiddleName = row.text("MiddleName");
    p.Sex = row.text("Sex");
    p.CivilStatus = row.text("CivilStatus");
    p.BirthDate = dateOf(row, QStringLiteral("BirthDate"));
    p.Age = row.text("Age");
    p.HouseStreet = row.text("HouseStreet");
    p.Barangay = row.text("Barangay");
    p.Town = row.text("Town");
    p.Province = row.text("Province");
    p.RoomID = row.text("RoomID");
    p.RoomClassID = row.text("RoomClassID");
    p.AdmDate = dateOf(row, QStringLiteral("AdmDate"));
    p.AdmTime = timeOf(row, QStringLiteral("AdmDate"));
    p.DcrDate = dateOf(row, QStringLiteral("DcrDate"));
    p.DcrTime = timeOf(row, QStringLiteral("DcrDate"));
    p.BillingDate = dateOf(row, QStringLiteral("BillingDate"));
    p.AttendingDrID = row.text("AttendingDrID");
    p.AttendingDr = row.text("AttendingDr");
    p.AccountNum = row.text("AccountNum");
    p.Company = row.text("Company");
    return p;
}

} // namespace tavrix
