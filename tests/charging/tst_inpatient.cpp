// In-patient request entry on the demo hospital, with stand-ins for the look-up
// components: the patient checks, pricing, the exam, fee and stock look-ups,
// the statements a save sends and what the server then holds, and a save that
// fails half-way.

#include "charging/frmInPatient.h"
#include "data/SessionContext.h"
#include "data/StoredProcs.h"
#include "data/ValueText.h"
#include "reporting/ReportDocument.h"
#include "reporting/frmReport.h"
#include "tests/charging/FakeComponents.h"
#include "tests/charging/InPatientDriver.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TestSession.h"

#include <QDir>
#include <QGroupBox>
#include <QtTest>

using namespace tavrix;
using namespace tavrix::test;

namespace {

const QString kTitle = QStringLiteral("Tavrix MRI");

// A fresh demo hospital, the department's options as start-up sets them, the
// stand-in components and the screen.
struct Fixture {
    TestSession t{TestSession::Data::Demo};
    bool options = [] {
        SessionContext::instance().IncludeDoctorFee = true;
        SessionContext::instance().HospitalCompany = QStringLiteral("ST. ANSELM MEDICAL CENTER");
        return true;
    }();
    FakeComponents fakes{t.db()};
    ScriptedPrompts prompts;
    frmInPatient screen;
    InPatientDriver drive{screen};

    // Opens the screen and picks the admission from the patient list.
    bool open(const QString& idNum) {
        fakes.radiologySearch.pickInpatient = FakeRadiologySearch::admission(t.db(), idNum);
        t.clearLog();
        if (!drive.show())
            return false;
        drive.findPatient(fakes.radiologySearch.pickInpatient->LastName);
        return true;
    }
    QString rate(const QString& exam, const QString& column) {
        return ValueText::amount(t.scalar("SELECT " + column +
                                          " FROM BUILD_FILE..tbCoOtherRevenue WHERE OtherRevenueID = '" +
                                          exam + "'")
                                     .toDouble());
    }
    int count(const QString& statement) { return t.scalar(statement).toInt(); }
    QStringList postingLog() const {
        QStringList out;
        bool started = false;
        for (const QString& s : t.log()) {
            started = started || s.startsWith("RADIOLOGY..spMRI_") || s.startsWith("RADIOLOGY..spRadio_") ||
                      s.startsWith("INSERT INTO BUILD_FILE..tbInvStockCard");
            if (started)
                out << s;
        }
        return out;
    }
    void expectFee(const QString& typed) {
        prompts.expectModal("frmPF", [typed](QDialog& d) {
            d.show();
            auto* fee = d.findChild<QLineEdit*>("txtFee");
            QTest::keyClicks(fee, typed);
            QTest::keyClick(fee, Qt::Key_Return);
            return d.result();
        });
    }
};

} // namespace

class TestInPatient : public QObject {
    Q_OBJECT

private slots:
    void patientChecks_data() {
        QTest::addColumn<QString>("idNum");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("admitted, room class A") << "260101"
                                                << "";
        QTest::newRow("bill closes today") << "260109"
                                           << "Cannot post charges. The patient's account has been already "
                                              "closed. Please contact billing for further "
                                              "instructions.";
        QTest::newRow("cash basis")
            << "260110"
            << "Cannot post charges because the patient has been placed under cash basis only. "
               "If you want to post charges, please contact the credit and collections officer.";
    }
    void patientChecks() {
        QFETCH(QString, idNum);
        QFETCH(QString, refusal);
        Fixture f;
        if (!refusal.isEmpty())
            f.prompts.expect({refusal, kTitle, Ui::Icon::Warning, Ui::Buttons::Ok, {}}, Ui::Answer::Ok);
        QVERIFY(f.open(idNum));
        VERIFY_PROMPTS(f.prompts);
        QCOMPARE(f.fakes.radiologySearch.calls.first(),
                 f.fakes.radiologySearch.pickInpatient->LastName + "|205");
        QCOMPARE(f.drive.field("txtAdmNo")->text(), idNum);
        QCOMPARE(f.screen.isVisible(), refusal.isEmpty());
        QCOMPARE(f.screen.findChild<QGroupBox*>("fraExam")->isEnabled(), refusal.isEmpty());
        if (refusal.isEmpty()) {
            QCOMPARE(f.drive.field("txtRoomNo")->text(), QStringLiteral("101"));
            QCOMPARE(f.drive.field("txtDoctorID")->text(), QStringLiteral("1001"));
            QCOMPARE(f.screen.RoomClassID, QStringLiteral("A"));
            QVERIFY(f.drive.grid->editorVisible());
            QCOMPARE(f.drive.at(), QStringLiteral("1:1"));
        } else {
            QCOMPARE(f.screen.result(), int(QDialog::Rejected));
        }
    }

    // The exam's rate follows the room class; an empty class gives 0.00; admission type KV takes the special
    // rate.
    void pricing_data() {
        QTest::addColumn<QString>("idNum");
        QTest::addColumn<QString>("rateColumn");
        QTest::newRow("class A") << "260101"
                                 << "RateA";
        QTest::newRow("class C") << "260103"
                                 << "RateC";
        QTest::newRow("class H") << "260108"
                                 << "RateH";
        QTest::newRow("empty class (ER)") << "260115"
                                          << "";
        QTest::newRow("admission type KV in a class C room") << "260111"
                                                             << "RateF";
    }
    void pricing() {
        QFETCH(QString, idNum);
        QFETCH(QString, rateColumn);
        Fixture f;
        QVERIFY(f.open(idNum));
        f.drive.exam("MRI003");
        VERIFY_PROMPTS(f.prompts);
        const QString price = rateColumn.isEmpty() ? QStringLiteral("0.00") : f.rate("MRI003", rateColumn);
        QCOMPARE(f.drive.grid->text(1, 2), QStringLiteral("MRI003"));
        QCOMPARE(f.drive.grid->text(1, 3), QStringLiteral("MRI CERVICAL SPINE PLAIN"));
        QCOMPARE(f.drive.grid->text(1, 4), price);
        QCOMPARE(f.drive.grid->text(1, 6), price);
        QCOMPARE(f.drive.grid->text(1, 9), QStringLiteral("N"));
        QCOMPARE(f.drive.grid->text(1, 10), price);
        QCOMPARE(f.drive.grid->text(1, 11), ValueText::amount(price.toDouble() + 100));
        QCOMPARE(f.drive.field("txtTotal")->text(), price);
        QCOMPARE(f.fakes.codeSearch.calls.last(), QStringLiteral("MRI003|21|MI"));
        QVERIFY(f.t.log().contains(
            "Select isnull(AdmissionTypeID,'') as Pellico  From Patient_Data..tbPatient2  Where "
            "Idnum = '" +
            idNum + "'"));
    }

    // Another line already holds the exam: both messages, and the code cell is emptied for a new try.
    void duplicateExam_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("listChoice");
        QTest::newRow("the exam's code") << "MRI003"
                                         << "";
        QTest::newRow("part of it, picked from the list") << "MRI00"
                                                          << "MRI003";
    }
    void duplicateExam() {
        QFETCH(QString, typed);
        QFETCH(QString, listChoice);
        Fixture f;
        QVERIFY(f.open("260101"));
        f.drive.exam("MRI003");
        f.fakes.codeSearch.listChoice = listChoice;
        f.prompts
            .expect({"Exam already selected.", "Assessment", Ui::Icon::Warning, Ui::Buttons::Ok, {}},
                    Ui::Answer::Ok)
            .expect({"Invalid Code", kTitle, Ui::Icon::None, Ui::Buttons::Ok, {}}, Ui::Answer::Ok);
        QTest::keyClick(f.drive.grid->editor(), Qt::Key_Return);
        f.drive.type(typed);
        VERIFY_PROMPTS(f.prompts);
        QCOMPARE(f.drive.grid->text(2, 2), QString());
        QCOMPARE(f.drive.at(), QStringLiteral("2:2"));
        QVERIFY(f.drive.grid->editorVisible());
        QCOMPARE(f.drive.grid->editor()->text(), QString());
    }

    void exam_lookupFailures_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("listChoice");
        QTest::addColumn<QString>("searches");
        QTest::addColumn<QString>("code");
        QTest::newRow("nothing found: the whole list, then picked") << "XYZ"
                                                                    << "MRI024"
                                                                    << "XYZ|21|MI,|21|MI"
                                                                    << "MRI024";
        QTest::newRow("nothing picked") << "MRI0"
                                        << ""
                                        << "MRI0|21|MI"
                                        << "";
    }
    void exam_lookupFailures() {
        QFETCH(QString, typed);
        QFETCH(QString, listChoice);
        QFETCH(QString, searches);
        QFETCH(QString, code);
        Fixture f;
        QVERIFY(f.open("260101"));
        f.fakes.codeSearch.listChoice = listChoice;
        if (code.isEmpty())
            f.prompts.expect(kTitle, "Invalid Code");
        QTest::keyClick(f.drive.grid->editor(), Qt::Key_Return);
        f.drive.type(typed);
        VERIFY_PROMPTS(f.prompts);
        QCOMPARE(f.fakes.codeSearch.calls.join(','), searches);
        QCOMPARE(f.drive.grid->text(1, 2), code.isEmpty() ? typed : code);
        QCOMPARE(f.drive.at(), code.isEmpty() ? QStringLiteral("1:2") : QStringLiteral("1:5"));
    }

    void alreadyChargedWarning() {
        Fixture f;
        QVERIFY(f.open("260101"));
        const QString warning =
            StoredProcs::WarnIfAlreadyCharged("260101", "MI", "MRI001", "MRI BRAIN PLAIN");
        QVERIFY(warning.startsWith("Patient was already charged with (MRI001) MRI BRAIN PLAIN at "));
        f.prompts.expect({warning, "WARNING!", Ui::Icon::Information, Ui::Buttons::Ok, {}}, Ui::Answer::Ok);
        f.drive.exam("MRI001");
        VERIFY_PROMPTS(f.prompts);
        QCOMPARE(f.drive.grid->text(1, 6), f.rate("MRI001", "RateA")); // the charge goes on
    }

    // An exam whose rate is not fixed: the price and the amount may be typed.
    void openRateExam() {
        Fixture f;
        QVERIFY(f.open("260101"));
        QTest::keyClick(f.drive.grid->editor(), Qt::Key_Return);
        f.drive.type("MRI022");
        QCOMPARE(f.drive.at(), QStringLiteral("1:4"));
        f.drive.type("9999.5");
        f.drive.type("2");
        QCOMPARE(f.drive.grid->text(1, 6), QStringLiteral("19999.00"));
        QCOMPARE(f.drive.at(), QStringLiteral("1:6"));
        f.drive.type("18000");
        QCOMPARE(f.drive.grid->text(1, 6), QStringLiteral("18000.00"));
        QCOMPARE(f.drive.at(), QStringLiteral("2:1"));
    }

    // The fee box takes only a number; the fee stays the line's amount when its quantity is confirmed.
    void readersFee() {
        Fixture f;
        QVERIFY(f.open("260101"));
        f.drive.exam("MRI003");
        f.prompts.expectModal("frmPF", [](QDialog& d) {
            d.show();
            auto* fee = d.findChild<QLineEdit*>("txtFee");
            QTest::keyClicks(fee, "1,5OO");
            QTest::mouseClick(d.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
            fee->clear();
            QTest::keyClicks(fee, "1500");
            QTest::keyClick(fee, Qt::Key_Return);
            return d.result();
        });
        f.prompts.expect({"EnterNumeric Value", kTitle, Ui::Icon::None, Ui::Buttons::Ok, {}}, Ui::Answer::Ok);
        f.drive.fee("2001");
        VERIFY_PROMPTS(f.prompts);
        const auto* g = f.drive.grid;
        QCOMPARE(g->text(2, 1), QStringLiteral("MD"));
        QCOMPARE(g->text(2, 2), QStringLiteral("2001"));
        QCOMPARE(g->text(2, 3), QStringLiteral("DR. REYES, MARIA LOURDES"));
        QCOMPARE(g->text(2, 4), QString());
        QCOMPARE(g->text(2, 5), QStringLiteral("1"));
        QCOMPARE(g->text(2, 6), QStringLiteral("1500.00"));
        QCOMPARE(f.drive.field("txtTotal")->text(),
                 ValueText::amount(f.rate("MRI003", "RateA").toDouble() + 1500));
        QCOMPARE(f.drive.at(), QStringLiteral("3:1"));
    }

    void readersFeeUnknownDoctor() {
        Fixture f;
        QVERIFY(f.open("260101"));
        f.prompts.expect({"Invalid Code.", kTitle, Ui::Icon::Warning, Ui::Buttons::Ok, {}}, Ui::Answer::Ok);
        f.drive.type("MD");
        f.drive.type("ZZZ");
        VERIFY_PROMPTS(f.prompts);
        QCOMPARE(f.drive.at(), QStringLiteral("1:2"));
    }

    void stockItems_data() {
        QTest::addColumn<QString>("department");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("listChoice");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("listCall");
        QTest::newRow("medicine by its code") << "MZ"
                                              << "20003"
                                              << ""
                                              << "20003"
                                              << "";
        QTest::newRow("supply from the list") << "MS"
                                              << "EAR"
                                              << "10004"
                                              << "10004"
                                              << "Mri Supply|EAR|MRISUP";
        QTest::newRow("not on file") << "MS"
                                     << "99999"
                                     << ""
                                     << ""
                                     << "";
    }
    void stockItems() {
        QFETCH(QString, department);
        QFETCH(QString, typed);
        QFETCH(QString, listChoice);
        QFETCH(QString, item);
        QFETCH(QString, listCall);
        Fixture f;
        QVERIFY(f.open("260101"));
        f.fakes.suppliesList.choice = listChoice;
        if (item.isEmpty())
            f.prompts.expect(
                {"Supply not found on file.", kTitle, Ui::Icon::Information, Ui::Buttons::Ok, {}},
                Ui::Answer::Ok);
        f.drive.type(department);
        f.drive.type(typed);
        VERIFY_PROMPTS(f.prompts);
        QCOMPARE(f.fakes.suppliesList.calls.join(','), listCall);
        if (item.isEmpty()) {
            QCOMPARE(f.drive.at(), QStringLiteral("1:2"));
            return;
        }
        const auto* g = f.drive.grid;
        QCOMPARE(g->text(1, 2), item);
        QCOMPARE(g->text(1, 3),
                 f.t.scalar("SELECT DrugName FROM BUILD_FILE..tbInvMaster WHERE ItemID = '" + item + "'"));
        QCOMPARE(
            g->text(1, 4),
            ValueText::amount(
                f.t.scalar("SELECT SellingPriceIn FROM BUILD_FILE..tbInvMaster WHERE ItemID = '" + item + "'")
                    .toDouble()));
        QCOMPARE(g->text(1, 19), department == "MZ" ? QStringLiteral("MRIPHA") : QStringLiteral("MRISUP"));
        QCOMPARE(g->text(1, 20), department == "MZ" ? QStringLiteral("PHA") : QStringLiteral("CSR"));
        QCOMPARE(f.drive.at(), QStringLiteral("1:5"));
    }

    // An exam, a reader's fee and a medicine: the statements in row order, one slip number throughout.
    void postingSequence() {
        Fixture f;
        QVERIFY(f.open("260104"));
        f.drive.exam("MRI009");
        f.expectFee("1500");
        f.drive.fee("2001");
        f.drive.stockItem("MZ", "20003", "2");
        const QString price = f.rate("MRI009", "RateD");
        f.t.clearLog();
        f.prompts.expect({"Saving completed...", kTitle, Ui::Icon::Information, Ui::Buttons::Ok, {}},
                         Ui::Answer::Ok);
        QTest::mouseClick(f.drive.button("cmdSave"), Qt::LeftButton);
        VERIFY_PROMPTS(f.prompts);

        QCOMPARE(f.t.log().first(), QStringLiteral("SELECT CSlip FROM RADIOLOGY..tbMRIRequestNum"));
        const QStringList expected{
            "RADIOLOGY..spMRI_SaveInCharge '260104','MRI009','MRI SHOULDER','1','" + price +
                "','000104','1006','401','E0101','C1001S','','','','','','','', ''",
            "RADIOLOGY..spMRI_InNurseUpdate '000104','260104','MRI009','MI'",
            "RADIOLOGY..spMRI_DoctorCharge 'I','C1001S','260104','2001','1500.00','E0101'",
            "RADIOLOGY..spMRI_InNurseUpdate '000104','260104','2001','MI'",
            FakeDrug::stockCardStatement("000104", "260104", "20003", "C1001S", 2, 360, "MRIPHA"),
            "RADIOLOGY..spRadio_SaveRequestOnly "
            "'MI','000104','260104','20003','1006','2','360.00','401','C1001S','MZ',"
            "'E0101'",
            "RADIOLOGY..spMRI_InNurseUpdate '000104','260104','20003','MI'",
        };
        QCOMPARE(f.postingLog(), expected);
        QCOMPARE(f.fakes.drugInfo.fake.stockCards, QStringList{"20003|C1001S|2|360|MRIPHA|PHA"});
        QCOMPARE(f.screen.SlipNumber, QStringLiteral("C1001S"));
        QCOMPARE(f.screen.result(), int(QDialog::Accepted));
        QVERIFY(!f.screen.isVisible());

        QCOMPARE(
            f.t.scalar(
                "SELECT group_concat(RevenueID || ':' || ItemID || ':' || Status || ':' || printf('%.2f', "
                "Amount), ' ') FROM RADIOLOGY..tbMRIRequest WHERE RefNum = 'C1001S'"),
            "MI:MRI009:W:" + price + " MD:2001:X:1500.00 MZ:20003:X:360.00");
        QCOMPARE(f.count("SELECT count(*) FROM BILLING..tbPatientCharges WHERE RefNum = 'C1001S' AND IDNum = "
                         "'260104'"),
                 3);
        QCOMPARE(f.count("SELECT count(*) FROM BUILD_FILE..tbInvStockCard WHERE RefNum = 'C1001S'"), 1);
    }

    // A line that fails leaves nothing of the slip posted, says which line, and keeps the screen as typed.
    void failedLineRollsBack_data() {
        QTest::addColumn<QString>("failing");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("message");
        QTest::newRow("reader not on file")
            << "fee"
            << "cmdSave"
            << "Charge slip C1001S was not saved.\nLine 2 (MD 9999 DR. GHOST, CASPER) could "
               "not be posted:\nDoctor 9999 is not on file.\n\nNothing of this slip was "
               "posted; the entries are still on the screen.";
        QTest::newRow("stock card refused, printing")
            << "stock"
            << "cmdPrint"
            << "Charge slip C1001S was not saved.\nLine 3 (MZ 20003 MIDAZOLAM "
               "5MG/ML 3ML AMPULE) could not be posted:\nStock card is "
               "locked.\n\nNothing of this slip was posted; the entries are "
               "still on the screen.";
    }
    void failedLineRollsBack() {
        QFETCH(QString, failing);
        QFETCH(QString, button);
        QFETCH(QString, message);
        Fixture f;
        f.fakes.codeSearch.doctors.insert("9999", {"9999", "GHOST", "CASPER", ""});
        QVERIFY(f.open("260104"));
        f.drive.exam("MRI009");
        f.expectFee("1500");
        f.drive.fee(failing == "fee" ? "9999" : "2001");
        f.drive.stockItem("MZ", "20003", "2");
        if (failing == "stock")
            f.fakes.drugInfo.fake.failStockCard = "Stock card is locked.";
        const QString requests =
            f.t.scalar("SELECT Value FROM RADIOLOGY..tbRadioCounter WHERE Name = 'MRIRequest'");
        f.prompts.expect({message, kTitle, Ui::Icon::Critical, Ui::Buttons::Ok, {}}, Ui::Answer::Ok);
        QTest::mouseClick(f.drive.button(qPrintable(button)), Qt::LeftButton);
        VERIFY_PROMPTS(f.prompts); // and no preview

        QVERIFY(f.screen.isVisible());
        QCOMPARE(f.screen.SlipNumber, QString());
        QCOMPARE(f.count("SELECT count(*) FROM RADIOLOGY..tbMRIRequest WHERE RefNum = 'C1001S'"), 0);
        QCOMPARE(f.count("SELECT count(*) FROM BILLING..tbPatientCharges WHERE RefNum = 'C1001S'"), 0);
        QCOMPARE(f.count("SELECT count(*) FROM BUILD_FILE..tbInvStockCard WHERE RefNum = 'C1001S'"), 0);
        QCOMPARE(f.t.scalar("SELECT Value FROM RADIOLOGY..tbRadioCounter WHERE Name = 'MRIRequest'"),
                 requests);
        QCOMPARE(f.t.scalar("SELECT CSlip FROM RADIOLOGY..tbMRIRequestNum"),
                 QStringLiteral("1002")); // used up
        QCOMPARE(f.drive.grid->text(1, 2), QStringLiteral("MRI009"));
        QCOMPARE(f.drive.grid->text(2, 2),
                 failing == "fee" ? QStringLiteral("9999") : QStringLiteral("2001"));
        QCOMPARE(f.drive.grid->text(3, 5), QStringLiteral("2"));

        if (failing == "stock") { // the cause cleared, the same entries save under a new number
            f.fakes.drugInfo.fake.failStockCard.clear();
            f.prompts.expect(kTitle, "Saving completed...");
            QTest::mouseClick(f.drive.button("cmdSave"), Qt::LeftButton);
            VERIFY_PROMPTS(f.prompts);
            QCOMPARE(f.screen.SlipNumber, QStringLiteral("C1002S"));
            QCOMPARE(f.count("SELECT count(*) FROM RADIOLOGY..tbMRIRequest WHERE RefNum = 'C1002S'"), 3);
        }
    }

    // "Save/&Print": the save, the user's old slip lines cleared, then the slip in the preview.
    void saveAndPrint() {
        Fixture f;
        QVERIFY(f.open("260104"));
        f.drive.exam("MRI009");
        f.expectFee("1500");
        f.drive.fee("2001");
        f.drive.stockItem("MZ", "20003", "2");
        f.t.run("INSERT INTO REPORTS..tbChargeSlip (UserID, ItemID) VALUES ('E0101', 'OLD')");
        f.prompts.expect(kTitle, "Saving completed...");
        QString caption;
        QVariantList values;
        QString page;
        f.prompts.expectModal("frmReport", [&](QDialog& d) {
            auto& preview = static_cast<frmReport&>(d);
            caption = d.windowTitle();
            const auto doc = preview.reportSource();
            for (const char* p : {"SlipNumber", "PatientKey", "RevenueID"})
                values << doc->parameterValue(QLatin1String(p));
            page = doc->pageTexts().join('\n');
            return int(QDialog::Accepted);
        });
        QTest::mouseClick(f.drive.button("cmdPrint"), Qt::LeftButton);
        VERIFY_PROMPTS(f.prompts);
        QCOMPARE(caption, QStringLiteral("CHARGESLIP"));
        QCOMPARE(values, (QVariantList{"C1001S", "260104", "MI"}));
        for (const char* text :
             {"C1001S", "MAGBANUA", "MRI SHOULDER", "DR. REYES, MARIA LOURDES", "MIDAZOLAM"})
            QVERIFY2(page.contains(QLatin1String(text)), text);
        const double total = f.rate("MRI009", "RateD").toDouble() + 1500 + 360;
        QVERIFY2(page.contains(QLocale(QLocale::English, QLocale::UnitedStates).toString(total, 'f', 2)),
                 qPrintable(page));
        QCOMPARE(
            f.count("SELECT count(*) FROM REPORTS..tbChargeSlip WHERE UserID = 'E0101' AND ItemID = 'OLD'"),
            0);
        const QStringList log = f.t.log();
        QVERIFY(log.indexOf("DELETE REPORTS..tbChargeSlip WHERE UserID = 'E0101'") >
                log.indexOf("RADIOLOGY..spMRI_InNurseUpdate '000104','260104','20003','MI'"));
        QVERIFY(!f.screen.isVisible());
    }

    void emptyGridStillTakesASlipNumber() {
        Fixture f;
        QVERIFY(f.open("260101"));
        f.t.clearLog();
        f.prompts.expect({"Saving completed...", kTitle, Ui::Icon::Information, Ui::Buttons::Ok, {}},
                         Ui::Answer::Ok);
        QTest::mouseClick(f.drive.button("cmdSave"), Qt::LeftButton);
        VERIFY_PROMPTS(f.prompts);
        QCOMPARE(f.screen.SlipNumber, QStringLiteral("C1001S"));
        QCOMPARE(f.t.scalar("SELECT CSlip FROM RADIOLOGY..tbMRIRequestNum"), QStringLiteral("1002"));
        QVERIFY(f.postingLog().isEmpty());
        QVERIFY(!f.screen.isVisible());
    }

    // Names with an apostrophe: the patient's is searched for as typed, an exam's and a reader's are posted
    // intact.
    void apostrophes() {
        Fixture f;
        f.t.run("INSERT INTO BUILD_FILE..tbCoOtherRevenue (OtherRevenueID, RevenueID, OtherRevenue, RateC, "
                "RateF, Fixrate) "
                "VALUES ('MRI026', 'MI', 'MRI SURGEON''S PROTOCOL', 7000, 6500, 'Y')");
        f.fakes.codeSearch.loadFrom(f.t.db());
        QVERIFY(f.open("260111")); // O'BRIEN
        QCOMPARE(f.fakes.radiologySearch.calls.first(), QStringLiteral("O'BRIEN|205"));
        f.drive.exam("MRI026");
        f.expectFee("800");
        f.drive.fee("1011");
        f.prompts.expect(kTitle, "Saving completed...");
        QTest::mouseClick(f.drive.button("cmdSave"), Qt::LeftButton);
        VERIFY_PROMPTS(f.prompts);
        QVERIFY(f.postingLog().first().startsWith(
            "RADIOLOGY..spMRI_SaveInCharge '260111','MRI026','MRI SURGEON''S PROTOCOL','1','6500.00',"));
        QCOMPARE(
            f.t.scalar(
                "SELECT group_concat(Description, '|') FROM RADIOLOGY..tbMRIRequest WHERE RefNum = 'C1001S'"),
            QStringLiteral("MRI SURGEON'S PROTOCOL|DR. D'ANGELO, MARCO"));
    }

    // A ward's request: loaded into the grid, read-only, posted with its amount and reference, then served.
    void wardRequest() {
        Fixture f;
        f.screen.NursingRequest = true;
        f.screen.IDNum = "260107";
        f.screen.open();
        f.screen.fillPatient(FakeRadiologySearch::admission(f.t.db(), "260107"));
        f.screen.lockPatientFields();
        QVERIFY(f.drive.show());
        const auto* g = f.drive.grid;
        QVERIFY(!g->isEnabled());
        QCOMPARE(g->rowCount(), 1);
        const QString amount = f.rate("MRI021", "RateG");
        QCOMPARE(g->text(1, 2), QStringLiteral("MRI021"));
        QCOMPARE(g->text(1, 4), amount);
        QCOMPARE(g->text(1, 6), QStringLiteral("WR-2601-0041"));
        QCOMPARE(f.drive.field("txtTotal")->text(), amount);
        QVERIFY(!f.drive.field("txtSname")->isEnabled());
        f.t.clearLog();
        f.prompts.expect(kTitle, "Saving completed...");
        QTest::mouseClick(f.drive.button("cmdSave"), Qt::LeftButton);
        VERIFY_PROMPTS(f.prompts);
        QCOMPARE(f.postingLog(),
                 (QStringList{
                     "RADIOLOGY..spMRI_SaveInCharge '260107','MRI021','MRI CARDIAC','1','" + amount +
                         "','000107','1009','PRV-1','E0101','C1001S','','','','','','','', 'WR-2601-0041'",
                     "RADIOLOGY..spMRI_InNurseUpdate '000107','260107','MRI021','MI'"}));
        QCOMPARE(f.t.scalar("SELECT Status FROM RADIOLOGY..tbNurseRequest WHERE RequestRef = 'WR-2601-0041'"),
                 QStringLiteral("S"));
        QCOMPARE(f.t.scalar("SELECT RequestRef FROM RADIOLOGY..tbMRIRequest WHERE RefNum = 'C1001S'"),
                 QStringLiteral("WR-2601-0041"));
        QVERIFY(!f.screen.NursingRequest); // cleared on closing
    }

    void doctorCode_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("doctorId");
        QTest::addColumn<QString>("doctorName");
        QTest::addColumn<bool>("refused");
        QTest::newRow("a doctor's code") << "1005"
                                         << "1005"
                                         << "DR. CASTILLO,RICARDO DIAZ" << false;
        QTest::newRow("0 is taken as it is") << "0"
                                             << "0"
                                             << "DR. AQUINO, RAMON" << false;
        QTest::newRow("unknown") << "XYZ"
                                 << "XYZ"
                                 << "DR. AQUINO, RAMON" << true;
    }
    void doctorCode() {
        QFETCH(QString, typed);
        QFETCH(QString, doctorId);
        QFETCH(QString, doctorName);
        QFETCH(bool, refused);
        Fixture f;
        QVERIFY(f.open("260101"));
        QLineEdit* id = f.drive.field("txtDoctorID");
        id->setFocus(Qt::MouseFocusReason);
        id->selectAll();
        QTest::keyClicks(id, typed);
        if (refused)
            f.prompts.expect({"You have inputed invalid doctor code. \nPlease recheck.",
                              kTitle,
                              Ui::Icon::Information,
                              Ui::Buttons::Ok,
                              {}},
                             Ui::Answer::Ok);
        QTest::keyClick(id, Qt::Key_Tab);
        VERIFY_PROMPTS(f.prompts);
        QCOMPARE(id->text(), doctorId);
        QCOMPARE(f.drive.field("txtDoctor")->text(), doctorName);
        if (refused)
            QVERIFY(id->hasFocus());
    }

    void closeKeepsNothingAndPostsNothing() {
        Fixture f;
        QVERIFY(f.open("260101"));
        f.drive.exam("MRI003");
        f.t.clearLog();
        QTest::keyClick(f.drive.grid->editor(), Qt::Key_Escape); // hides the box, not the screen
        QVERIFY(f.screen.isVisible());
        QTest::mouseClick(f.drive.button("cmdClose"), Qt::LeftButton);
        QVERIFY(!f.screen.isVisible());
        QVERIFY(f.t.log().isEmpty());
    }
};

QTEST_MAIN(TestInPatient)
#include "tst_inpatient.moc"
