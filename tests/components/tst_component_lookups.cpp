// The search components on the demo hospital: a seed that is a key picks at
// once, a seed that matches nothing is reported, and the list dialog narrows
// as one types and picks with Enter or a double-click.

#include "components/ComponentSet.h"
#include "components/DialogCodeSearch.h"
#include "components/DialogIcdSearch.h"
#include "components/DialogRadiologySearch.h"
#include "components/DialogSuppliesList.h"
#include "components/LoginCurrentUser.h"
#include "components/StockDrugInfo.h"
#include "components/frmLookup.h"
#include "data/DbError.h"
#include "data/SessionContext.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TestSession.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QtTest>

using namespace tavrix;
using tavrix::test::ScriptedPrompts;
using tavrix::test::TestSession;

namespace {

frmLookup& lookup(QDialog& d) {
    return static_cast<frmLookup&>(d);
}

// Types into the list's search box as a clerk would, one key at a time
// (QTest::keyClicks knows no letters beyond ASCII, such as the Ñ of PEÑAFLOR).
void type(QDialog& d, const QString& text) {
    for (const QChar c : text) {
        const int code = c.unicode() < 128 ? c.toUpper().unicode() : 0;
        QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, code, Qt::NoModifier, QString(c));
        QApplication::sendEvent(lookup(d).searchBox(), &press);
        QApplication::sendEvent(lookup(d).searchBox(), &release);
    }
}
void key(QDialog& d, Qt::Key k) {
    QTest::keyClick(lookup(d).searchBox(), k);
}

QStringList column(QDialog& d, int c) {
    QStringList out;
    QTableWidget* g = lookup(d).grid();
    for (int r = 0; r < g->rowCount(); ++r)
        out << g->item(r, c)->text();
    return out;
}

// The number of a DbError thrown by f, or 0.
template <typename F> int errorOf(F f) {
    try {
        f();
    } catch (const DbError& e) {
        return e.number();
    }
    return 0;
}

} // namespace

class TestComponentLookups : public QObject {
    Q_OBJECT

private slots:
    void init() {
        session_ = std::make_unique<TestSession>(TestSession::Data::Demo);
        SessionContext::instance().HospitalCompany = QStringLiteral("ST. ANSELM MEDICAL CENTER");
        code_.setConnection(&session_->db());
        code_.CompanyName = QStringLiteral("ST. ANSELM MEDICAL CENTER");
        code_.Initialize_Classes();
        code_.SearchMode = true;
        radio_.InitConnection(&session_->db());
        radio_.Initialize_Classes();
        radio_.RevenueID = QStringLiteral("MI");
        radio_.SectionID.clear();
        icd_.ActiveConnection = &session_->db();
    }
    void cleanup() { session_.reset(); }

    void factoryMakesOurSix() {
        const ComponentSet set = createComponents();
        QVERIFY(dynamic_cast<DialogRadiologySearch*>(set.radiologySearch.get()));
        QVERIFY(dynamic_cast<DialogSuppliesList*>(set.suppliesList.get()));
        QVERIFY(dynamic_cast<StockDrugInfo*>(set.drugInfo.get()));
        QVERIFY(dynamic_cast<DialogIcdSearch*>(set.icdSearch.get()));
        QVERIFY(dynamic_cast<LoginCurrentUser*>(set.currentUser.get()));
        QVERIFY(dynamic_cast<DialogCodeSearch*>(set.codeSearch.get()));
        QVERIFY(!set.currentUser->Connected());
    }

    // A seed that is exactly one row's code picks it: no dialog opens.
    void codeSearchExactCode_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("seed");
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QString>("picked");
        QTest::newRow("doctor") << 1 << ""
                                << "1003"
                                << "BUILD_FILE..spCode_SearchDoctor '1003',''"
                                << "1003 GONZALES FERNANDO CRUZ";
        QTest::newRow("doctor, blanks and lower case") << 1 << ""
                                                       << " 1011 "
                                                       << "BUILD_FILE..spCode_SearchDoctor '1011',''"
                                                       << "1011 D'ANGELO MARCO PEREZ";
        QTest::newRow("exam") << 21 << "MI"
                              << "MRI007"
                              << "BUILD_FILE..spCode_SearchRevenueItem 'MI','MRI007'"
                              << "MRI007 MRI KNEE (RIGHT) 8000 8400 6800 Y";
        QTest::newRow("address") << 0 << ""
                                 << "5028"
                                 << "BUILD_FILE..spCode_SearchAddress '5028'"
                                 << "5028 OTON ILOILO";
    }
    void codeSearchExactCode() {
        QFETCH(int, mode);
        QFETCH(QString, section);
        QFETCH(QString, seed);
        QFETCH(QString, statement);
        QFETCH(QString, picked);
        ScriptedPrompts prompts;
        code_.OtherSectionID = section;
        session_->clearLog();
        QVERIFY(code_.SearchListing(seed, mode));
        VERIFY_PROMPTS(prompts);
        QCOMPARE(session_->log(), QStringList{statement});
        QString got;
        if (mode == 1) {
            const DoctorRecord& d = code_.doctorRecord;
            got = QStringList{d.ResultCode, d.LastName, d.FirstName, d.MiddleName}.join(u' ');
        } else if (mode == 21) {
            const OtherRevenueRecord& r = code_.otherRevenueRecord;
            got = QStringLiteral("%1 %2 %3 %4 %5 %6")
                      .arg(r.ResultCode, r.OtherRevenue)
                      .arg(r.RateA)
                      .arg(r.RateB)
                      .arg(r.RateF)
                      .arg(r.Fixrate);
            // The special (KV) pricing reads the same exam's rates.
            QCOMPARE(code_.ctExamRecord.ResultCode, r.ResultCode);
            QCOMPARE(code_.ctExamRecord.Exam, r.OtherRevenue);
            QCOMPARE(code_.ctExamRecord.RateF, r.RateF);
            QCOMPARE(code_.ctExamRecord.RateH, r.RateH);
        } else {
            const AddressRecord& a = code_.addressRecord;
            got = QStringList{a.ResultCode, a.Town, a.Province}.join(u' ');
        }
        QCOMPARE(got, picked);
    }

    // Nothing at all matches: DbError 3021, so the callers retry with an empty seed.
    void codeSearchNothingFound_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("seed");
        QTest::newRow("doctor") << 1 << ""
                                << "ZZTOP";
        QTest::newRow("exam of the department") << 21 << "MI"
                                                << "XR001";
        QTest::newRow("exam, quote in the seed") << 21 << "MI"
                                                 << "O'NEIL";
        QTest::newRow("address") << 0 << ""
                                 << "9999";
    }
    void codeSearchNothingFound() {
        QFETCH(int, mode);
        QFETCH(QString, section);
        QFETCH(QString, seed);
        ScriptedPrompts prompts;
        code_.OtherSectionID = section;
        code_.doctorRecord.ResultCode = QStringLiteral("KEPT");
        QCOMPARE(errorOf([&] { code_.SearchListing(seed, mode); }), DbError::NoCurrentRow);
        VERIFY_PROMPTS(prompts);
        QCOMPARE(code_.doctorRecord.ResultCode, QStringLiteral("KEPT"));
    }

    // The list opens on the whole catalogue, narrows with each key (quotes
    // and all) and Enter picks the highlighted row.
    void doctorListNarrowsAsOneTypes() {
        ScriptedPrompts prompts;
        QStringList seen;
        prompts.expectModal("frmDoctorSearch", [&](QDialog& d) {
            d.show();
            seen << QString::number(lookup(d).rows().rowCount());
            type(d, "d");
            seen << column(d, 1).join(u'|');
            type(d, "'");
            seen << column(d, 1).join(u'|') << lookup(d).searchBox()->text();
            key(d, Qt::Key_Return);
            return d.result();
        });
        session_->clearLog();
        QVERIFY(code_.SearchListing("", 1));
        VERIFY_PROMPTS(prompts);
        QCOMPARE(seen, (QStringList{"16", "D'ANGELO|DELA CRUZ", "D'ANGELO", "D'"}));
        QCOMPARE(code_.doctorRecord.ResultCode, QStringLiteral("1011"));
        QCOMPARE(code_.doctorRecord.LastName, QStringLiteral("D'ANGELO"));
        QCOMPARE(session_->log(), (QStringList{"BUILD_FILE..spCode_SearchDoctor '',''",
                                               "BUILD_FILE..spCode_SearchDoctor 'D',''",
                                               "BUILD_FILE..spCode_SearchDoctor 'D''',''"}));
    }

    // Seeded with the typed text; Down from the search box moves in the list.
    void seededListDownThenEnter() {
        ScriptedPrompts prompts;
        QString seed;
        prompts.expectModal("frmDoctorSearch", [&](QDialog& d) {
            d.show();
            seed = lookup(d).searchBox()->text() + " " + column(d, 1).join(u'|');
            key(d, Qt::Key_Down);
            key(d, Qt::Key_Down); // stays on the last row
            key(d, Qt::Key_Up);
            key(d, Qt::Key_Down);
            key(d, Qt::Key_Enter);
            return d.result();
        });
        QVERIFY(code_.SearchListing("r", 1));
        VERIFY_PROMPTS(prompts);
        QCOMPARE(seed, QStringLiteral("R RAMOS|REYES"));
        QCOMPARE(code_.doctorRecord.ResultCode, QStringLiteral("2001"));
    }

    void lastCommaFirstNarrowsByFirstName() {
        ScriptedPrompts prompts;
        QStringList names;
        prompts.expectModal("frmDoctorSearch", [&](QDialog& d) {
            d.show();
            if (!QTest::qWaitForWindowExposed(&d))
                names << "not shown";
            names << column(d, 2);
            QTableWidget* grid = lookup(d).grid();
            const QPoint at = grid->visualItemRect(grid->item(0, 1)).center();
            // An item view takes a double-click only after the press of a first click.
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
            return d.result();
        });
        QVERIFY(code_.SearchListing("PE, JO", 1));
        VERIFY_PROMPTS(prompts);
        QCOMPARE(names, QStringList{"JOSÉ"});
        QCOMPARE(code_.doctorRecord.LastName, QStringLiteral("PEÑARANDA"));
    }

    void escapeCancelsAndKeepsTheRecord() {
        ScriptedPrompts prompts;
        prompts.expectModal("frmAddressSearch", [](QDialog& d) {
            d.show();
            type(d, "ILO");
            key(d, Qt::Key_Escape);
            return d.result();
        });
        code_.addressRecord.ResultCode = QStringLiteral("KEPT");
        QVERIFY(!code_.SearchListing("", 0));
        VERIFY_PROMPTS(prompts);
        QCOMPARE(code_.addressRecord.ResultCode, QStringLiteral("KEPT"));
    }

    void searchModeOffNeverOpensTheList() {
        ScriptedPrompts prompts;
        code_.SearchMode = false;
        QVERIFY(!code_.SearchListing("R", 1));
        QVERIFY(code_.SearchListing("2002", 1));
        VERIFY_PROMPTS(prompts);
        QCOMPARE(code_.doctorRecord.LastName, QStringLiteral("DELA CRUZ"));
    }

    // Mode 21 lists the items of a department (revenue code) or of a section.
    void revenueItemsOfSection_data() {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("rows");
        QTest::newRow("department MI") << "MI"
                                       << "" << 25;
        QTest::newRow("section MS") << "MS"
                                    << "" << 6;
        QTest::newRow("any part of the name") << "MI"
                                              << "knee" << 2;
        QTest::newRow("another department's code") << "MI"
                                                   << "CT001" << 0;
    }
    void revenueItemsOfSection() {
        QFETCH(QString, section);
        QFETCH(QString, typed);
        QFETCH(int, rows);
        ScriptedPrompts prompts;
        int shown = -1;
        QString count;
        prompts.expectModal("frmItemSearch", [&](QDialog& d) {
            type(d, typed);
            shown = lookup(d).grid()->rowCount();
            count = lookup(d).countLabel()->text();
            return int(QDialog::Rejected);
        });
        code_.OtherSectionID = section;
        QVERIFY(!code_.SearchListing("", 21));
        VERIFY_PROMPTS(prompts);
        QCOMPARE(shown, rows);
        if (rows == 0)
            QCOMPARE(count, QStringLiteral("No item matches \"%1\".").arg(typed));
    }

    // Exact keys of the patient lists: admission, OPD, hospital and file numbers.
    void patientExactKey_data() {
        QTest::addColumn<int>("list");
        QTest::addColumn<QString>("seed");
        QTest::addColumn<QString>("picked");
        QTest::newRow("admission number") << 205 << "260111"
                                          << "000111 260111 O'BRIEN PATRICK JAMES M 2 10/10/1978 302 C 1007 "
                                             "DR. RAMOS, VICENTE 000111  08:00PM";
        QTest::newRow("hospital number") << 205 << "000112"
                                         << "000112 260112 PEÑAFLOR JOSÉ MIGUEL M 4 05/25/1984 402 D 1012 "
                                            "DR. PEÑARANDA, JOSÉ H002 CAREPLUS HEALTH PLANS 12:00PM";
        QTest::newRow("OPD number")
            << 204 << "opd260206"
            << "000126 OPD260206 UY KENNETH LIM M 1 03/21/1995 OPD  1010 DR. OCAMPO, DIANA "
               "H002 CAREPLUS HEALTH PLANS 10:00AM";
        QTest::newRow("file number") << 206 << "M26-00012"
                                     << "M26-00012 000101 DELA PAZ ROBERTO SANTOS 0000000003";
    }
    void patientExactKey() {
        QFETCH(int, list);
        QFETCH(QString, seed);
        QFETCH(QString, picked);
        ScriptedPrompts prompts;
        QVERIFY(radio_.PatientListing(seed, list, true));
        VERIFY_PROMPTS(prompts);
        QString got;
        if (list == 206) {
            const FileNumRecord& f = radio_.FileNum;
            got = QStringList{f.FileNum, f.HospNum, f.LastName, f.FirstName, f.MiddleName, f.ControlNum}.join(
                u' ');
        } else {
            const PatientRecord& p = list == 205 ? radio_.Inpatient : radio_.Outpatient;
            got = QStringList{p.HospitalNumber, p.IdNumber,    p.LastName,      p.FirstName,
                              p.MiddleName,     p.Sex,         p.CivilStatus,   p.BirthDate,
                              p.RoomID,         p.RoomClassID, p.AttendingDrID, p.AttendingDr,
                              p.AccountNum,     p.Company,     p.AdmTime}
                      .join(u' ');
            QVERIFY(QDate::fromString(p.AdmDate, "MM/dd/yyyy").isValid());
            // Age in completed years on the server's today.
            const QDate born = QDate::fromString(p.BirthDate, "MM/dd/yyyy");
            const QDate today = QDate::currentDate();
            const int age =
                today.year() - born.year() - (QDate(today.year(), born.month(), born.day()) > today ? 1 : 0);
            QCOMPARE(p.Age, QString::number(age));
            QVERIFY(p.DcrDate.isEmpty() && p.BillingDate.isEmpty());
            QVERIFY(!p.Town.isEmpty() && !p.Province.isEmpty() && !p.HouseStreet.isEmpty());
        }
        QCOMPARE(got, picked);
    }

    void patientNothingFound_data() {
        QTest::addColumn<int>("list");
        QTest::addColumn<QString>("seed");
        QTest::newRow("no such name") << 205 << "NOBODY";
        QTest::newRow("discharged admission") << 205 << "250907";
        QTest::newRow("out-patient admitted elsewhere") << 204 << "260101";
        QTest::newRow("file of no patient") << 206 << "ZZZ";
    }
    void patientNothingFound() {
        QFETCH(int, list);
        QFETCH(QString, seed);
        ScriptedPrompts prompts;
        QCOMPARE(errorOf([&] { radio_.PatientListing(seed, list, true); }), DbError::NoCurrentRow);
        VERIFY_PROMPTS(prompts);
    }

    // Names with an apostrophe or an Ñ are found, typed in lower case too.
    void patientListByName_data() {
        QTest::addColumn<QString>("seed");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("lastName");
        QTest::newRow("apostrophe") << "O'BRIEN"
                                    << ""
                                    << "O'BRIEN";
        QTest::newRow("enye typed in lower case") << ""
                                                  << "peñ"
                                                  << "PEÑAFLOR";
        QTest::newRow("last, first") << "D"
                                     << "ELA PAZ, rob"
                                     << "DELA PAZ";
    }
    void patientListByName() {
        QFETCH(QString, seed);
        QFETCH(QString, typed);
        QFETCH(QString, lastName);
        ScriptedPrompts prompts;
        int rows = -1;
        prompts.expectModal("frmInPatientList", [&](QDialog& d) {
            d.show();
            type(d, typed);
            rows = lookup(d).grid()->rowCount();
            key(d, Qt::Key_Return);
            return d.result();
        });
        QVERIFY(radio_.PatientListing(seed, 205, true));
        VERIFY_PROMPTS(prompts);
        QCOMPARE(rows, 1);
        QCOMPARE(radio_.Inpatient.LastName, lastName);
    }

    // Revoked registrations and closed bills are listed, marked, so the
    // main window can say why it refuses them.
    void outPatientListShowsStatus() {
        ScriptedPrompts prompts;
        QStringList status;
        prompts.expectModal("frmOutPatientList", [&](QDialog& d) {
            const int statusColumn = lookup(d).grid()->columnCount() - 1;
            for (int r = 0; r < lookup(d).grid()->rowCount(); ++r)
                status << column(d, 2).at(r) + "=" + column(d, statusColumn).at(r);
            type(d, "QUI");
            key(d, Qt::Key_Return);
            return d.result();
        });
        QVERIFY(radio_.PatientListing("", 204, true));
        VERIFY_PROMPTS(prompts);
        QVERIFY(status.contains("QUIMPO=REVOKED"));
        QVERIFY(status.contains("SALVADOR=BILLED"));
        QVERIFY(status.contains("UY="));
        QCOMPARE(radio_.Outpatient.IdNumber, QStringLiteral("OPD260204"));
        QCOMPARE(radio_.Outpatient.RoomID, QStringLiteral("OPD"));
    }

    // The result screens set RevenueID "XR" and SectionID "MI": all MRI templates.
    void interpretationTemplates_data() {
        QTest::addColumn<QString>("section");
        QTest::addColumn<int>("rows");
        QTest::newRow("the department's code") << "MI" << 6;
        QTest::newRow("one section") << "MS" << 3;
        QTest::newRow("none set") << "" << 6;
    }
    void interpretationTemplates() {
        QFETCH(QString, section);
        QFETCH(int, rows);
        ScriptedPrompts prompts;
        int shown = -1;
        QString preview;
        prompts.expectModal("frmInterpretationList", [&](QDialog& d) {
            d.show();
            shown = lookup(d).grid()->rowCount();
            type(d, "ANTERIOR");
            preview = d.findChild<QPlainTextEdit*>("txtPreview")->toPlainText();
            key(d, Qt::Key_Return);
            return d.result();
        });
        radio_.RevenueID = QStringLiteral("XR");
        radio_.SectionID = section;
        QVERIFY(radio_.SearchListing("", 201, true));
        VERIFY_PROMPTS(prompts);
        QCOMPARE(shown, rows);
        QCOMPARE(radio_.Interpretation.Code, QStringLiteral("MI0004"));
        // The record keeps the text as stored; the preview shows apostrophes.
        QVERIFY(radio_.Interpretation.Interpretation.contains("Baker`s cyst"));
        QVERIFY(preview.contains("Baker's cyst"));
    }

    void catalogueExactKeys_data() {
        QTest::addColumn<int>("list");
        QTest::addColumn<QString>("seed");
        QTest::addColumn<QString>("picked");
        QTest::newRow("section") << 202 << "nr"
                                 << "NR NEURO MRI";
        QTest::newRow("employee") << 203 << "E0102"
                                  << "E0102 REYES MARIA LOURDES SANTOS RADIOLOGIST";
        QTest::newRow("template") << 201 << "MI0006"
                                  << "MI0006 NORMAL MRCP BD";
    }
    void catalogueExactKeys() {
        QFETCH(int, list);
        QFETCH(QString, seed);
        QFETCH(QString, picked);
        ScriptedPrompts prompts;
        QVERIFY(radio_.SearchListing(seed, list, true));
        VERIFY_PROMPTS(prompts);
        const QString got =
            list == 202 ? radio_.Section.SectionID + " " + radio_.Section.SectionName
            : list == 203
                ? QStringList{radio_.Employee.EmployeeID, radio_.Employee.LastName, radio_.Employee.FirstName,
                              radio_.Employee.MiddleName, radio_.Employee.Position}
                      .join(u' ')
                : QStringList{radio_.Interpretation.Code, radio_.Interpretation.Description,
                              radio_.Interpretation.SectionID}
                      .join(u' ');
        QCOMPARE(got, picked);
        QCOMPARE(errorOf([&] { radio_.SearchListing("QQQ", list, true); }), DbError::NoCurrentRow);
    }

    void employeeListPicksByName() {
        ScriptedPrompts prompts;
        prompts.expectModal("frmEmployeeList", [](QDialog& d) {
            type(d, "li");
            key(d, Qt::Key_Return);
            return d.result();
        });
        QVERIFY(radio_.SearchListing("", 203, true));
        VERIFY_PROMPTS(prompts);
        QCOMPARE(radio_.Employee.EmployeeID, QStringLiteral("E0103"));
    }

    // File numbers belong to the section the result screens set, else to RevenueID.
    void fileNumFound_data() {
        QTest::addColumn<QString>("revenue");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("fileNum");
        QTest::addColumn<bool>("found");
        QTest::newRow("result screens") << "XR"
                                        << "MI"
                                        << "M26-00012" << true;
        QTest::newRow("start-up setting") << "MI"
                                          << ""
                                          << " m26-00012 " << true;
        QTest::newRow("another department") << "XR"
                                            << ""
                                            << "M26-00012" << false;
        QTest::newRow("free number") << "XR"
                                     << "MI"
                                     << "M99-99999" << false;
        QTest::newRow("quote") << "XR"
                               << "MI"
                               << "M'1" << false;
    }
    void fileNumFound() {
        QFETCH(QString, revenue);
        QFETCH(QString, section);
        QFETCH(QString, fileNum);
        QFETCH(bool, found);
        radio_.RevenueID = revenue;
        radio_.SectionID = section;
        QCOMPARE(radio_.FileNumFound(fileNum), found);
        if (found) {
            const FileNumRecord& f = radio_.FileNum;
            QCOMPARE(QStringList({f.FileNum, f.HospNum, f.LastName, f.FirstName, f.MiddleName, f.ControlNum}),
                     QStringList({"M26-00012", "000101", "DELA PAZ", "ROBERTO", "SANTOS", "0000000003"}));
        }
    }

    void fileNumFoundWithEmptyTextAsksNothing() {
        session_->clearLog();
        QVERIFY(!radio_.FileNumFound("  "));
        QVERIFY(session_->log().isEmpty());
    }

    // List 206 by the owner's name, the start of a file number or a hospital number.
    void fileNumListOfTheSection_data() {
        QTest::addColumn<QString>("seed");
        QTest::addColumn<int>("rows"); // -1: picked without the list
        QTest::addColumn<QString>("picked");
        QTest::newRow("owner's name") << "VILLA" << 1 << "M25-00871";
        QTest::newRow("start of the number") << "M26-0002" << 2 << "M26-00020";
        QTest::newRow("last, first") << "ZAMORA, E" << 1 << "M26-00025";
        QTest::newRow("hospital number") << "000103" << -1 << "M25-00871";
    }
    void fileNumListOfTheSection() {
        QFETCH(QString, seed);
        QFETCH(int, rows);
        QFETCH(QString, picked);
        ScriptedPrompts prompts;
        QString subtitle;
        int shown = -1;
        if (rows >= 0)
            prompts.expectModal("frmFileNumList", [&](QDialog& d) {
                subtitle = d.findChild<QLabel*>("lblSubtitle")->text();
                shown = lookup(d).grid()->rowCount();
                key(d, Qt::Key_Return);
                return d.result();
            });
        radio_.RevenueID = QStringLiteral("XR");
        radio_.SectionID = QStringLiteral("MI");
        QVERIFY(radio_.PatientListing(seed, 206, true));
        VERIFY_PROMPTS(prompts);
        QCOMPARE(radio_.FileNum.FileNum, picked);
        if (rows >= 0) {
            QCOMPARE(shown, rows);
            QCOMPARE(subtitle, QStringLiteral("Film files of department MI"));
        }
    }

    void icdExactCode_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("picked");
        QTest::newRow("both sexes") << "G43.9"
                                    << "G43.9|MIGRAINE, UNSPECIFIED|";
        QTest::newRow("female-only code, lower case") << "n83.2"
                                                      << "N83.2|OTHER AND UNSPECIFIED OVARIAN CYSTS|M";
        QTest::newRow("male-only code") << "C61"
                                        << "C61|MALIGNANT NEOPLASM OF PROSTATE|F";
        QTest::newRow("apostrophe in the description") << "G20"
                                                       << "G20|PARKINSON'S DISEASE|";
    }
    void icdExactCode() {
        QFETCH(QString, code);
        QFETCH(QString, picked);
        ScriptedPrompts prompts;
        QVERIFY(icd_.ValidateICDCode(code));
        VERIFY_PROMPTS(prompts);
        QCOMPARE(QStringList({icd_.clsICD.ICDCode, icd_.clsICD.Description, icd_.clsICD.Sex}).join(u'|'),
                 picked);
    }

    void icdNothingFoundIsFalse() {
        ScriptedPrompts prompts;
        icd_.clsICD.ICDCode = QStringLiteral("KEPT");
        QVERIFY(!icd_.ValidateICDCode("Q99.ZZ"));
        VERIFY_PROMPTS(prompts);
        QCOMPARE(icd_.clsICD.ICDCode, QStringLiteral("KEPT"));
    }

    void icdListPicksAndCancels_data() {
        QTest::addColumn<QString>("seed");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("escape");
        QTest::addColumn<QString>("picked");
        QTest::newRow("partial code narrowed") << "M5"
                                               << "4" << false << "M54.2";
        QTest::newRow("start of the diagnosis") << ""
                                                << "parkinson" << false << "G20";
        QTest::newRow("cancelled") << "M5"
                                   << "" << true << "";
    }
    void icdListPicksAndCancels() {
        QFETCH(QString, seed);
        QFETCH(QString, typed);
        QFETCH(bool, escape);
        QFETCH(QString, picked);
        ScriptedPrompts prompts;
        prompts.expectModal("frmICDSearch", [&](QDialog& d) {
            d.show();
            type(d, typed);
            key(d, escape ? Qt::Key_Escape : Qt::Key_Return);
            return d.result();
        });
        icd_.clsICD = {};
        QCOMPARE(icd_.ValidateICDCode(seed), !escape);
        VERIFY_PROMPTS(prompts);
        QCOMPARE(icd_.clsICD.ICDCode, picked);
    }

    // A closed connection is an error the screens report, not "nothing found".
    void closedConnectionIsAnError() {
        Connection closed;
        code_.setConnection(&closed);
        QCOMPARE(errorOf([&] { code_.SearchListing("1003", 1); }), 3704);
        code_.setConnection(nullptr);
        QCOMPARE(errorOf([&] { code_.SearchListing("1003", 1); }), 3704);
    }

private:
    std::unique_ptr<TestSession> session_;
    DialogCodeSearch code_;
    DialogRadiologySearch radio_;
    DialogIcdSearch icd_;
};

QTEST_MAIN(TestComponentLookups)
#include "tst_component_lookups.moc"
