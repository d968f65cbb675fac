// The result entry screen: finding and loading a request, the film file
// number, the ICD-10 rows, the editing aids and keys, and the five commands
// with the exact statements they send.

#include "data/StoredProcs.h"
#include "reporting/DirectPrintCapture.h"
#include "results/ResultEditor.h"
#include "results/ResultStatements.h"
#include "results/frmEntry.h"
#include "results/frmPrevious.h"
#include "tests/results/EntryFixture.h"
#include "tests/support/ScriptedPrompts.h"
#include "ui/Prompts.h"

#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QtTest>

using namespace tavrix;
using namespace tavrix::test;

namespace {

const QStringList kRequestCommands{
    "cmdSave", "cmdPrint", "cmdSaveVerify", "cmdPrintVerify", "cmdDirectPrintVerify", "cmdPreviousresult"};

QString text(QWidget& screen, const QString& name) {
    QWidget* w = control(screen, name);
    if (auto* line = qobject_cast<QLineEdit*>(w))
        return line->text();
    if (auto* edit = qobject_cast<QTextEdit*>(w))
        return edit->toPlainText();
    if (auto* plain = qobject_cast<QPlainTextEdit*>(w))
        return plain->toPlainText();
    return {};
}

bool enabled(QWidget& screen, const QString& name) {
    return control(screen, name)->isEnabled();
}

QString today() {
    return QDate::currentDate().toString(QStringLiteral("MM/dd/yyyy"));
}

QString statementStarting(const QStringList& log, const QString& start) {
    for (const QString& s : log)
        if (s.startsWith(start))
            return s;
    return {};
}

// The ICD-10 call with the given codes in rows 0.., the rest empty.
QString icdCall(const QString& idNum, const QStringList& codes) {
    QString s = "radiology..sp_saveICD10  '" + idNum + "', 'MI','";
    for (int i = 0; i < 19; ++i)
        s += codes.value(i) + "', '";
    return s + "'";
}

} // namespace

class TestResultEntry : public QObject {
    Q_OBJECT

private slots:
    void opening() {
        EntryFixture fx;
        frmEntry f;
        QCOMPARE(f.windowTitle(), QStringLiteral("Result Entry"));
        QCOMPARE(text(f, "txtRadioID"), QStringLiteral("2001"));
        QCOMPARE(text(f, "txtRadio"), QStringLiteral("MARIA LOURDES SANTOS REYES"));
        QCOMPARE(control<QDateEdit>(f, "dtpResultDate")->date(), QDate::currentDate());
        for (const QString& c : kRequestCommands)
            QVERIFY2(!enabled(f, c), qPrintable(c));
        QVERIFY(enabled(f, "cmdCoded"));
        auto* tabs = control<QTabWidget>(f, "tabResult");
        QCOMPARE(tabs->tabText(0), QStringLiteral("Interpretation       "));
        QCOMPARE(tabs->tabText(2), QStringLiteral("Admitting Diagmosis"));
        QCOMPARE(tabs->tabText(3), QStringLiteral("ICD10"));
    }

    // Enter checks for a film file number first and then takes the patient's
    // registered file number; F12 does neither.
    void enterVersusF12_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("fileNumberSteps");
        QTest::newRow("Enter") << int(Qt::Key_Return) << true;
        QTest::newRow("F12") << int(Qt::Key_F12) << false;
    }
    void enterVersusF12() {
        QFETCH(int, key);
        QFETCH(bool, fileNumberSteps);
        EntryFixture fx;
        // The registered folder differs from the one the request load reports.
        fx.t.run(
            "INSERT INTO RADIOLOGY..tbRadioFileNum (RevenueID, FileNum, HospNum, ControlNum, CreatedDate) "
            "VALUES ('MI', 'M26-00051', '000112', '0000000004', '2026-01-05 08:00:00')");
        frmEntry f;
        ScriptedPrompts prompts;
        findRequest(f, "26000010", Qt::Key(key));
        VERIFY_PROMPTS(prompts);
        QStringList expected{"RADIOLOGY..spMRI_SearchRequest '0','MI','26000010'",
                             "RADIOLOGY..spMRI_LoadRequest '26000010'",
                             "select * from PATIENT_DATA..tbPatientHistory where IDNum = '260112'",
                             ResultStatements::storedDiagnoses("260112", "MI")};
        if (fileNumberSteps) {
            expected.prepend("RADIOLOGY..spRadio_CheckIfFileNum '26000010','MI'");
            expected.append("Radiology..spRadio_SearchFileNum 'MI','2','000112'");
        }
        QCOMPARE(fx.t.log(), expected);
        QCOMPARE(text(f, "txtTransNo"), QStringLiteral("26000010"));
        QCOMPARE(text(f, "txtXrayNo"), QStringLiteral("M26-00051"));
        QCOMPARE(text(f, "txtControlNum"), QStringLiteral("0000000005"));
    }

    void loadFillsTheScreen() {
        EntryFixture fx;
        frmEntry f;
        findRequest(f, "26000011");
        QCOMPARE(text(f, "txtSname"), QStringLiteral("O'BRIEN"));
        QCOMPARE(text(f, "txtFname"), QStringLiteral("PATRICK"));
        QCOMPARE(text(f, "txtMname"), QStringLiteral("JAMES"));
        QVERIFY(control<QRadioButton>(f, "optSex(0)")->isChecked());
        QVERIFY(control<QRadioButton>(f, "optCivil(2)")->isChecked());
        QCOMPARE(text(f, "txtBirth"), QStringLiteral("10/10/1978"));
        QCOMPARE(text(f, "txtHospNo"), QStringLiteral("000111"));
        QCOMPARE(text(f, "txtAdmNo"), QStringLiteral("260111"));
        QCOMPARE(text(f, "txtRoomNo"), QStringLiteral("302"));
        QCOMPARE(text(f, "txtTransDate"), fx.transDate("26000011"));
        QCOMPARE(control<QDateEdit>(f, "dtpResultDate")->date().toString("MM/dd/yyyy"),
                 fx.transDate("26000011"));
        QCOMPARE(text(f, "txtTest"), QStringLiteral("MRI KNEE (RIGHT)"));
        QCOMPARE(text(f, "txtDoctorID"), QStringLiteral("1007"));
        QCOMPARE(text(f, "txtDoctor"), QStringLiteral("VICENTE OCAMPO RAMOS"));
        QCOMPARE(text(f, "txtXrayNo"), QString()); // no film folder yet
        QCOMPARE(text(f, "txtControlNum"), QStringLiteral("0000000001"));
        QCOMPARE(text(f, "txtInterpret"), QStringLiteral("MRI KNEE (RIGHT)"));
        QCOMPARE(text(f, "rtfDiagnosis"), QStringLiteral("Right knee injury, r/o ACL tear"));
        QVERIFY(text(f, "rtfRemarks").endsWith(QStringLiteral("patient's knee gives way")));
        QCOMPARE(f.examCode(), QStringLiteral("MRI007"));
        QVERIFY(control<QLineEdit>(f, "txtSname")->isReadOnly());
        for (const QString& c : kRequestCommands)
            QVERIFY2(enabled(f, c), qPrintable(c));
        QVERIFY(control<QTabWidget>(f, "tabResult")->isTabEnabled(ResultScreen::DiagnosisTab));
    }

    void outPatientHasNoAdmittingDiagnosis() {
        EntryFixture fx;
        frmEntry f;
        findRequest(f, "26000014", Qt::Key_F12);
        QCOMPARE(text(f, "txtAdmNo"), QStringLiteral("OPD260201"));
        QVERIFY(!control<QTabWidget>(f, "tabResult")->isTabEnabled(ResultScreen::DiagnosisTab));
        QVERIFY(!statementStarting(fx.t.log(), "select * from PATIENT_DATA..tbPatientHistory").size());
    }

    // A film file number typed in the surname box that two waiting requests
    // share loads the first of them and the patient's registered number.
    void fileNumberInTheSurnameBox() {
        EntryFixture fx;
        fx.t.run(
            "INSERT INTO RADIOLOGY..tbRadioFileNum (RevenueID, FileNum, HospNum, ControlNum, CreatedDate) "
            "VALUES ('MI', 'M26-00031', '000105', '0000000002', '2026-01-05 08:00:00')");
        frmEntry f;
        findRequest(f, "M26-00031");
        QVERIFY(fx.t.log().contains("RADIOLOGY..spRadio_SearchRequestFileNum '0','MI','M26-00031'"));
        QVERIFY(fx.t.log().contains("RADIOLOGY..spMRI_LoadRequest '26000008|26000009'"));
        QCOMPARE(text(f, "txtTransNo"), QStringLiteral("26000008"));
        QCOMPARE(text(f, "txtTest"), QStringLiteral("MRI BRAIN PLAIN"));
        QCOMPARE(text(f, "txtXrayNo"), QStringLiteral("M26-00031"));
        QCOMPARE(text(f, "txtControlNum"), QStringLiteral("0000000003"));
    }

    void fileNumberCases_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("folderHolder"); // "" when the number is new
        QTest::addColumn<int>("answer");           // to the "assigned to" question, -1 when none comes
        QTest::addColumn<QString>("controlNum");
        QTest::addColumn<QString>("focus");
        QTest::newRow("same patient") << "M26-00031"
                                      << "000105" << -1 << "0000000003"
                                      << "txtDoctorID";
        QTest::newRow("another patient, Yes") << "M26-00012"
                                              << "000101" << int(Ui::Answer::Yes) << "0000000010"
                                              << "txtDoctorID";
        QTest::newRow("another patient, No") << "M26-00012"
                                             << "000101" << int(Ui::Answer::No) << "0000000003"
                                             << "txtXrayNo";
        QTest::newRow("new number") << "M26-00099"
                                    << "" << -1 << "0000000001"
                                    << "txtDoctorID";
    }
    void fileNumberCases() {
        QFETCH(QString, typed);
        QFETCH(QString, folderHolder);
        QFETCH(int, answer);
        QFETCH(QString, controlNum);
        QFETCH(QString, focus);
        EntryFixture fx;
        fx.t.run(
            "INSERT INTO RADIOLOGY..tbRadioFileNum (RevenueID, FileNum, HospNum, ControlNum, CreatedDate) "
            "VALUES ('MI', 'M26-00031', '000105', '0000000002', '2026-01-05 08:00:00')");
        if (folderHolder == "000105")
            fx.radiology.knownFolder =
                FileNumRecord{typed, folderHolder, "PADILLA", "EDUARDO", "MARTINEZ", "0000000002"};
        else if (!folderHolder.isEmpty())
            fx.radiology.knownFolder =
                FileNumRecord{typed, folderHolder, "DELA PAZ", "ROBERTO", "SANTOS", "0000000009"};
        frmEntry f;
        f.show();
        findRequest(f, "26000008");
        QCOMPARE(text(f, "txtControlNum"), QStringLiteral("0000000003"));
        ScriptedPrompts prompts;
        if (answer >= 0)
            prompts.expect(
                Ui::Message{"The File Num. " + typed +
                                " is assigned to DELA PAZ, ROBERTO SANTOS. Do you want to continue to "
                                "use this number?",
                            Ui::appTitle(), Ui::Icon::Question, Ui::Buttons::YesNo, Ui::Answer::Yes},
                Ui::Answer(answer));
        auto* box = control<QLineEdit>(f, "txtXrayNo");
        box->setText(typed);
        QTest::keyClick(box, Qt::Key_Return);
        VERIFY_PROMPTS(prompts);
        QCOMPARE(fx.radiology.calls.last(), "FileNumFound(" + typed + ")");
        QCOMPARE(text(f, "txtControlNum"), controlNum);
        QCOMPARE(f.focusWidget()->objectName(), focus);
    }

    void emptyFileNumberListsThePatientsFiles() {
        EntryFixture fx;
        fx.radiology.pickedFile =
            FileNumRecord{"M26-00077", "000112", "PEÑAFLOR", "JOSÉ", "MIGUEL", "0000000001"};
        frmEntry f;
        findRequest(f, "26000010");
        QTest::keyClick(control(f, "txtXrayNo"), Qt::Key_Return);
        QCOMPARE(fx.radiology.calls, QStringList{"PatientListing(PEÑAFLOR,206) XR/MI"});
        QCOMPARE(text(f, "txtXrayNo"), QStringLiteral("M26-00077"));
    }

    // The three statements of a save, exactly: a co-radiologist, a new film
    // file, a typed apostrophe, admission notes with an apostrophe, an ICD row
    // accepted, one only typed, and one in the twentieth row (never sent).
    void exactSaveStatements() {
        EntryFixture fx;
        fx.codes.picks.push_back(DoctorRecord{"2004", "TAN", "BENJAMIN", "LIM"});
        frmEntry f;
        findRequest(f, "26000011");
        QTest::mouseClick(control(f, "cmdRadio2"), Qt::LeftButton);
        QCOMPARE(text(f, "txtRadio2"), QStringLiteral("BENJAMIN LIM TAN"));
        control<QLineEdit>(f, "txtXrayNo")->setText("M26-00040");
        QTest::keyClick(control(f, "txtXrayNo"), Qt::Key_Return);
        control<QDateEdit>(f, "dtpResultDate")->setDate(QDate(2026, 1, 15));
        auto* editor = control<ResultEditor>(f, "txtInterpret");
        editor->moveCursor(QTextCursor::End);
        QTest::keyClick(editor, Qt::Key_Return);
        QTest::keyClicks(editor, "The patient's ACL is torn.");
        ScriptedPrompts prompts;
        prompts.expect(Ui::appTitle(), "S83.5 - SPRAIN AND STRAIN INVOLVING CRUCIATE LIGAMENT OF KNEE",
                       Ui::Answer::Ok);
        QTest::keyClicks(control(f, "txtICDCode(0)"), "s83.5");
        QTest::keyClick(control(f, "txtICDCode(0)"), Qt::Key_Return);
        QTest::keyClicks(control(f, "txtICDCode(2)"), "M23.2");
        QTest::keyClicks(control(f, "txtICDCode(19)"), "Z01.8");
        const QString transDate = fx.transDate("26000011");
        fx.t.clearLog();
        QTest::keyClick(editor, Qt::Key_F5);
        VERIFY_PROMPTS(prompts);

        const QString remarks =
            "Knee pain and swelling after a fall while playing basketball; patient''s knee gives way";
        QCOMPARE(
            fx.t.log(),
            (QStringList{
                "RADIOLOGY..spMRI_SaveResult2 '000111','260111','26000011','MRI007','" + transDate +
                    "','01/15/2026','1007','2001','MRI KNEE (RIGHT)\nThe patient`s ACL is torn.','302',"
                    "'E0101','','','','','','M26-00040','0000000001','1007','MRI KNEE (RIGHT)', '2004', '" +
                    remarks + "'",
                icdCall("260111", {"S83.5", "", "M23.2"}),
                "RADIOLOGY..spRadio_SaveComm_AutoPrint '26000011', '260111', '000111', '302', 'MRI007', "
                "'MI','E0101', 'N'"}));
        // Stored as it reads.
        QCOMPARE(fx.t.scalar("SELECT Remarks FROM RADIOLOGY..tbMRIResult WHERE RequestNum = '26000011'"),
                 QString(remarks).replace("''", "'"));
        QCOMPARE(
            fx.t.scalar("SELECT group_concat(DiagnosisID) FROM RADIOLOGY..tbXRICD10 WHERE IDNum = '260111'"),
            QStringLiteral("S83.5,M23.2"));
        QCOMPARE(fx.t.scalar("SELECT Status FROM RADIOLOGY..tbMRIRequest WHERE RequestNum = '26000011'"),
                 QStringLiteral("X"));
        QCOMPARE(fx.t.scalar("SELECT HospNum || ' ' || ControlNum FROM RADIOLOGY..tbRadioFileNum "
                             "WHERE FileNum = 'M26-00040'"),
                 QStringLiteral("000111 0000000001"));
    }

    void radiologistQuestion_data() {
        QTest::addColumn<int>("answer");
        QTest::newRow("Yes saves without a radiologist") << int(Ui::Answer::Yes);
        QTest::newRow("No sends nothing") << int(Ui::Answer::No);
    }
    void radiologistQuestion() {
        QFETCH(int, answer);
        EntryFixture fx;
        frmEntry f;
        findRequest(f, "26000010");
        control<QLineEdit>(f, "txtRadioID")->clear();
        fx.t.clearLog();
        ScriptedPrompts prompts;
        prompts.expect(
            Ui::Message{"Please fill up the entry for the RADIOLOGIST. Do you want to save the entry without "
                        "a Radiologist?",
                        Ui::appTitle(), Ui::Icon::Question, Ui::Buttons::YesNo, Ui::Answer::Yes},
            Ui::Answer(answer));
        QTest::mouseClick(control(f, "cmdSave"), Qt::LeftButton);
        VERIFY_PROMPTS(prompts);
        if (Ui::Answer(answer) == Ui::Answer::No) {
            QVERIFY(fx.t.log().isEmpty());
            QCOMPARE(text(f, "txtTransNo"), QStringLiteral("26000010"));
            return;
        }
        QCOMPARE(fx.t.log().size(), 3);
        QVERIFY(fx.t.log()[0].contains("','1012','','MRI CERVICAL SPINE PLAIN','402','E0101',"));
        QCOMPARE(text(f, "txtTransNo"), QString());
    }

    // Which commands verify, which preview with which caption, which print at
    // once and close the screen.
    void commandSequences_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("verified");
        QTest::addColumn<bool>("printed");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<bool>("codedAfter");
        QTest::newRow("Save (F5)") << int(Qt::Key_F5) << "" << false << false << false << true;
        QTest::newRow("Save/Print (F6)")
            << int(Qt::Key_F6) << "CHARGESLIP" << false << false << false << false;
        QTest::newRow("Save/Verify (F3)") << int(Qt::Key_F3) << "" << true << false << false << false;
        QTest::newRow("Print/Verify (F4)")
            << int(Qt::Key_F4) << "MRI RESULT" << true << false << false << false;
        QTest::newRow("Direct Print/Verify (F2)") << int(Qt::Key_F2) << "" << true << true << true << false;
    }
    void commandSequences() {
        QFETCH(int, key);
        QFETCH(QString, caption);
        QFETCH(bool, verified);
        QFETCH(bool, printed);
        QFETCH(bool, closes);
        QFETCH(bool, codedAfter);
        EntryFixture fx;
        frmEntry f;
        f.show();
        findRequest(f, "26000010");
        fx.t.clearLog();
        ScriptedPrompts prompts;
        bool clearedBeforePreview = false;
        if (!caption.isEmpty())
            prompts.expectModal("frmReport", [&](QDialog& d) {
                clearedBeforePreview = text(f, "txtTransNo").isEmpty();
                [&] { QCOMPARE(d.windowTitle(), caption); }();
                return int(QDialog::Accepted);
            });
        DirectPrintCapture capture;
        QTest::keyClick(control(f, "txtInterpret"), Qt::Key(key));
        VERIFY_PROMPTS(prompts);

        const QStringList log = fx.t.log();
        QVERIFY(log.value(0).startsWith("RADIOLOGY..spMRI_SaveResult2 '000112','260112','26000010',"));
        QVERIFY(log.value(1).startsWith("radiology..sp_saveICD10  '260112'"));
        QVERIFY(log.value(2).startsWith("RADIOLOGY..spRadio_SaveComm_AutoPrint '26000010'"));
        QCOMPARE(log.contains("RADIOLOGY..spMRI_VerifyResult '26000010','E0101','" + today() + "'"),
                 verified);
        QCOMPARE(StoredProcs::IsResultVerified("26000010"), verified);
        QCOMPARE(capture.prints().size(), printed ? 1 : 0);
        if (printed)
            QVERIFY(capture.prints()[0].pageTexts.join(' ').contains("26000010"));
        if (!caption.isEmpty())
            QVERIFY(clearedBeforePreview);
        QCOMPARE(f.isVisible(), !closes);
        QCOMPARE(enabled(f, "cmdCoded"), codedAfter);
        QVERIFY(text(f, "txtSname").isEmpty());
        QVERIFY(!control<QLineEdit>(f, "txtSname")->isReadOnly());
    }

    // Nothing of one patient stays for the next: the clear step empties every
    // area and nothing can be saved until a request is loaded again.
    void clearLeavesNothingOfThePatient() {
        EntryFixture fx;
        fx.codes.picks.push_back(DoctorRecord{"2004", "TAN", "BENJAMIN", "LIM"});
        frmEntry f;
        findRequest(f, "26000011");
        QTest::mouseClick(control(f, "cmdRadio2"), Qt::LeftButton);
        ScriptedPrompts prompts;
        prompts.expect(Ui::appTitle(), "S83.5 - SPRAIN AND STRAIN INVOLVING CRUCIATE LIGAMENT OF KNEE",
                       Ui::Answer::Ok);
        QTest::keyClicks(control(f, "txtICDCode(0)"), "S83.5");
        QTest::keyClick(control(f, "txtICDCode(0)"), Qt::Key_Return);
        control<QDateEdit>(f, "dtpResultDate")->setDate(QDate(2026, 1, 15));
        QTest::mouseClick(control(f, "cmdSave"), Qt::LeftButton);
        VERIFY_PROMPTS(prompts);

        for (const char* box :
             {"txtRadioID2", "txtRadio2", "txtICDCode(0)", "txtICDDescription(0)", "rtfRemarks",
              "rtfDiagnosis", "txtTransNo", "txtHospNo", "txtAdmNo", "txtInterpret"})
            QVERIFY2(text(f, box).isEmpty(), qPrintable(box));
        QVERIFY(!enabled(f, "txtICDDescription(0)"));
        QCOMPARE(control<QDateEdit>(f, "dtpResultDate")->date(), QDate::currentDate());
        for (const QString& c : kRequestCommands)
            QVERIFY2(!enabled(f, c), qPrintable(c));
        fx.t.clearLog();
        for (Qt::Key key : {Qt::Key_F2, Qt::Key_F3, Qt::Key_F4, Qt::Key_F5, Qt::Key_F6})
            QTest::keyClick(control(f, "txtSname"), key);
        QVERIFY(fx.t.log().isEmpty());

        findRequest(f, "26000010"); // the next patient, another admission
        QCOMPARE(text(f, "txtICDCode(0)"), QString());
        QCOMPARE(text(f, "rtfRemarks"), QStringLiteral("Neck pain with numbness of both hands"));
    }

    // A failing save stores nothing and keeps the screen as it was, naming what failed.
    void failingSaveKeepsEverything_data() {
        QTest::addColumn<QString>("requestNum");
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("serverMessage");
        QTest::newRow("diagnoses refused after the result")
            << "26000090"
            << "storing the ICD-10 diagnoses"
            << "No admission number was given for the diagnoses.";
        QTest::newRow("verified result") << "26000001"
                                         << "storing the result"
                                         << "The result of request 26000001 is already verified. Open it "
                                            "from Result Inquiry/Retrieval to change "
                                            "it.";
    }
    void failingSaveKeepsEverything() {
        QFETCH(QString, requestNum);
        QFETCH(QString, step);
        QFETCH(QString, serverMessage);
        EntryFixture fx;
        fx.t.run(
            "INSERT INTO RADIOLOGY..tbMRIRequest (RequestNum, RefNum, RevenueID, PatientType, HospNum, "
            "IDNum, "
            "ItemID, Description, TransDate, Status) VALUES ('26000090', 'C1090S', 'MI', 'O', '000121', '', "
            "'MRI001', 'MRI BRAIN PLAIN', '2026-01-05 10:00:00', 'W')");
        const QString before = fx.t.scalar("SELECT count(*) || Interpretation FROM RADIOLOGY..tbMRIResult "
                                           "WHERE RequestNum = '" +
                                           requestNum + "'");
        frmEntry f;
        findRequest(f, requestNum, Qt::Key_F12);
        QTest::keyClicks(control(f, "txtInterpret"), " Typed text.");
        const QString typed = text(f, "txtInterpret");
        ScriptedPrompts prompts;
        prompts.expect(Ui::Message{"The result of request " + requestNum + " was not saved: " + step +
                                       " failed. Nothing was stored; everything is still on the screen.\n\n" +
                                       serverMessage,
                                   Ui::appTitle(),
                                   Ui::Icon::Critical,
                                   Ui::Buttons::Ok,
                                   {}},
                       Ui::Answer::Ok);
        QTest::mouseClick(control(f, "cmdPrintVerify"), Qt::LeftButton);
        VERIFY_PROMPTS(prompts);
        QCOMPARE(
            fx.t.scalar("SELECT count(*) || Interpretation FROM RADIOLOGY..tbMRIResult WHERE RequestNum = '" +
                        requestNum + "'"),
            before);
        QCOMPARE(text(f, "txtTransNo"), requestNum);
        QCOMPARE(text(f, "txtInterpret"), typed);
        QVERIFY(enabled(f, "cmdPrintVerify"));
        QVERIFY(enabled(f, "cmdCoded"));
    }

    // Sex names the sex a code must not be used for.
    void icdSexCheck_data() {
        QTest::addColumn<QString>("requestNum");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("female-only code, male patient")
            << "26000011"
            << "D25.9"
            << "ICD Code D25.9 is only applied to female patients..." << int(Ui::Answer::Ok) << false;
        QTest::newRow("male-only code, female patient")
            << "26000007"
            << "N40"
            << "ICD code N40 is only applied to male patients..." << int(Ui::Answer::Ok) << false;
        QTest::newRow("female-only code, female patient")
            << "26000007"
            << "D25.9"
            << "D25.9 - LEIOMYOMA OF UTERUS, UNSPECIFIED" << int(Ui::Answer::Ok) << true;
        QTest::newRow("male-only code, male patient")
            << "26000011"
            << "N40"
            << "N40 - HYPERPLASIA OF PROSTATE" << int(Ui::Answer::Ok) << true;
        QTest::newRow("question cancelled") << "26000011"
                                            << "R51"
                                            << "R51 - HEADACHE" << int(Ui::Answer::Cancel) << false;
    }
    void icdSexCheck() {
        QFETCH(QString, requestNum);
        QFETCH(QString, code);
        QFETCH(QString, message);
        QFETCH(int, answer);
        QFETCH(bool, accepted);
        EntryFixture fx;
        frmEntry f;
        findRequest(f, requestNum);
        ScriptedPrompts prompts;
        prompts.expect(Ui::appTitle(), message, Ui::Answer(answer));
        QTest::keyClicks(control(f, "txtICDCode(1)"), code);
        QTest::mouseClick(control(f, "cmdSearch(1)"), Qt::LeftButton);
        VERIFY_PROMPTS(prompts);
        if (message.contains("only applied"))
            QCOMPARE(prompts.messages().first().icon, Ui::Icon::Warning);
        QCOMPARE(text(f, "txtICDCode(1)"), accepted ? code : QString());
        QCOMPARE(enabled(f, "txtICDDescription(1)"), accepted);
        fx.t.clearLog();
        QTest::mouseClick(control(f, "cmdSave"), Qt::LeftButton);
        QCOMPARE(fx.t.log().value(1).contains("'" + code + "'"), accepted);
    }

    void icdPanel() {
        EntryFixture fx;
        frmEntry f;
        f.show();
        findRequest(f, "26000011");
        ScriptedPrompts prompts;
        prompts.expect(Ui::appTitle(), "S83.5 - SPRAIN AND STRAIN INVOLVING CRUCIATE LIGAMENT OF KNEE",
                       Ui::Answer::Ok);
        auto* tabs = control<QTabWidget>(f, "tabResult");
        QTest::keyClick(control(f, "txtInterpret"), Qt::Key_F9);
        QCOMPARE(tabs->currentIndex(), int(ResultScreen::IcdTab));
        QTest::keyClicks(control(f, "txtICDCode(0)"), "S83.5");
        QTest::keyClick(control(f, "txtICDCode(0)"), Qt::Key_Return);
        VERIFY_PROMPTS(prompts);
        QTest::keyClick(control(f, "txtICDCode(0)"), Qt::Key_F11); // the panel, and the enlarged view as well
        QVERIFY(control(f, "frmICD")->isVisible());
        QCOMPARE(control<QLabel>(f, "lblICD")->text(),
                 "SPRAIN AND STRAIN INVOLVING CRUCIATE LIGAMENT OF KNEE");
        QVERIFY(f.isEnlarged());
        QFocusEvent out(QEvent::FocusOut);
        QCoreApplication::sendEvent(control(f, "txtICDCode(0)"), &out);
        QVERIFY(!control(f, "frmICD")->isVisible());
    }

    void apostropheBecomesBackquote_data() {
        QTest::addColumn<QString>("box");
        for (const char* box : {"txtInterpret", "rtfRemarks", "rtfDiagnosis", "txtTest", "txtRadio",
                                "txtXrayNo", "txtICDCode(4)"})
            QTest::newRow(box) << box;
    }
    void apostropheBecomesBackquote() {
        QFETCH(QString, box);
        EntryFixture fx;
        frmEntry f;
        findRequest(f, "26000010");
        QWidget* w = control(f, box);
        if (auto* line = qobject_cast<QLineEdit*>(w))
            line->clear();
        else if (auto* edit = qobject_cast<QTextEdit*>(w))
            edit->clear();
        QTest::keyClicks(w, "D'A");
        QCOMPARE(text(f, box), QStringLiteral("D`A"));
    }

    void apostropheInTheSurnameBox() {
        EntryFixture fx;
        frmEntry f;
        ScriptedPrompts prompts;
        prompts.expectModal("frmSearchRequest", [&](QDialog& d) {
            d.show();
            [&] {
                QVERIFY(fx.t.log().contains("RADIOLOGY..spMRI_SearchRequest '1','MI','O`BRIEN'"));
                QCOMPARE(d.findChild<QTableWidget*>("grdTable")->rowCount(), 1); // the server reads ` as '
            }();
            d.findChild<QPushButton*>("cmdSelect")->click();
            return d.result();
        });
        findRequest(f, "o'brien");
        VERIFY_PROMPTS(prompts);
        QCOMPARE(text(f, "txtTransNo"), QStringLiteral("26000011"));
    }

    void enlargedView() {
        EntryFixture fx;
        frmEntry f;
        f.show();
        ScriptedPrompts prompts;
        prompts.expect(Ui::Message{"Unable to proceed, No patient selected",
                                   "ERROR",
                                   Ui::Icon::Information,
                                   Ui::Buttons::Ok,
                                   {}},
                       Ui::Answer::Ok);
        QTest::keyClick(control(f, "txtSname"), Qt::Key_F11);
        VERIFY_PROMPTS(prompts);
        QVERIFY(!f.isEnlarged());
        findRequest(f, "26000011");
        QTest::keyClick(control(f, "txtInterpret"), Qt::Key_F11);
        QVERIFY(f.isEnlarged());
        QVERIFY(!control(f, "txtHospNo")->isVisible());
        QCOMPARE(control<QLabel>(f, "lblPatientName")->text(), QStringLiteral("O'BRIEN, PATRICK JAMES"));
        QTest::keyClick(control(f, "txtInterpret"), Qt::Key_F11);
        QVERIFY(!f.isEnlarged());
        QVERIFY(control(f, "txtHospNo")->isVisible());
        QVERIFY(control<QLabel>(f, "lblPatientName")->text().isEmpty());
    }

    void closingAsksWhileAPatientIsShown() {
        EntryFixture fx;
        frmEntry f;
        f.show();
        findRequest(f, "26000011");
        ScriptedPrompts prompts;
        prompts.expect(Ui::appTitle(), "Abandon current entry?", Ui::Answer::No);
        prompts.expect(Ui::appTitle(), "Abandon current entry?", Ui::Answer::Yes);
        QTest::keyClick(control(f, "txtInterpret"), Qt::Key_Escape);
        QVERIFY(f.isVisible());
        QTest::mouseClick(control(f, "cmdCancel"), Qt::LeftButton);
        QVERIFY(!f.isVisible());
        VERIFY_PROMPTS(prompts);

        frmEntry empty;
        empty.show();
        QTest::keyClick(control(empty, "txtSname"), Qt::Key_Escape); // no question
        QVERIFY(!empty.isVisible());
    }

    void pickers() {
        EntryFixture fx;
        frmEntry f;
        findRequest(f, "26000010");
        ScriptedPrompts prompts;
        prompts.expect(Ui::Message{"Please enter the name of the Doctor.",
                                   "Outside Doctor",
                                   Ui::Icon::Information,
                                   Ui::Buttons::Ok,
                                   {}},
                       Ui::Answer::Ok);
        auto* code = control<QLineEdit>(f, "txtRadioID");
        code->setText("0000");
        QTest::keyClick(code, Qt::Key_Return);
        VERIFY_PROMPTS(prompts);
        QVERIFY(fx.codes.calls.isEmpty()); // an outside doctor is never searched

        fx.codes.picks = {DoctorRecord{"2003", "VILLANUEVA", "CARMEN", "ROSARIO"},
                          DoctorRecord{"1002", "MENDOZA", "ELENA", "TORRES"}};
        code->setText("2003");
        QTest::keyClick(code, Qt::Key_F1);
        QTest::keyClick(control(f, "txtDoctor"), Qt::Key_F1);
        QCOMPARE(fx.codes.calls, (QList<QPair<QString, int>>{{"2003", 1}, {"", 1}}));
        QCOMPARE(text(f, "txtRadio"), QStringLiteral("CARMEN ROSARIO VILLANUEVA"));
        QCOMPARE(text(f, "txtDoctorID"), QStringLiteral("1002"));
        QCOMPARE(text(f, "txtDoctor"), QStringLiteral("ELENA MENDOZA"));
        QTest::keyClick(control(f, "txtDoctor"), Qt::Key_Delete);
        QCOMPARE(text(f, "txtDoctor"), QString());
        QCOMPARE(text(f, "txtDoctorID"), QStringLiteral("1002"));
    }

    void codedInterpretationIsAppended() {
        EntryFixture fx;
        fx.radiology.pickedTemplate = InterpretationRecord{
            "MI0001", "NORMAL MRI BRAIN", "NR", QString("No mass.") + QChar(236) + "\nIMPRESSION: Normal."};
        frmEntry f;
        findRequest(f, "26000010");
        QTest::keyClick(control(f, "txtInterpret"), Qt::Key_F8);
        QCOMPARE(fx.radiology.calls, QStringList{"SearchListing(,201) XR/MI"});
        QCOMPARE(text(f, "txtInterpret"),
                 QStringLiteral("MRI CERVICAL SPINE PLAINNo mass.IMPRESSION: Normal."));
    }

    void viewPreviousResult() {
        EntryFixture fx;
        fx.t.run(
            "INSERT INTO RADIOLOGY..tbRadioFileNum (RevenueID, FileNum, HospNum, ControlNum, CreatedDate) "
            "VALUES ('MI', 'M26-00051', '000112', '0000000004', '2026-01-05 08:00:00')");
        frmEntry f;
        ScriptedPrompts prompts;
        prompts.expectModal("frmPrevious", [](QDialog& d) {
            auto& previous = static_cast<frmPrevious&>(d);
            [&] {
                QCOMPARE(previous.strHospNum, QStringLiteral("000112"));
                QCOMPARE(previous.strFileNo, QStringLiteral("M26-00051"));
            }();
            return int(QDialog::Rejected);
        });
        QTest::keyClick(control(f, "txtSname"), Qt::Key_F7); // nothing loaded: disabled
        findRequest(f, "26000010");
        QTest::keyClick(control(f, "txtInterpret"), Qt::Key_F7);
        VERIFY_PROMPTS(prompts);
    }

    void helpKey() {
        EntryFixture fx;
        frmEntry f;
        ScriptedPrompts prompts;
        prompts.expectModal("frmHelp", [](QDialog& d) {
            [&] { QCOMPARE(d.findChild<QTabWidget*>()->currentIndex(), 1); }();
            return int(QDialog::Rejected);
        });
        QTest::keyClick(control(f, "txtSname"), Qt::Key_F1);
        VERIFY_PROMPTS(prompts);
    }
};

QTEST_MAIN(TestResultEntry)
#include "tst_resultentry.moc"
