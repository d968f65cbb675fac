// The catalogue look-ups of the charge grids (revenue codes with their list
// window, the exam loader) and the server procedures that in-patient charging
// posts through.

#include "charging/clsLoadExam.h"
#include "charging/clsRadioRevenueCode.h"
#include "charging/frmSearch.h"
#include "data/DbError.h"
#include "data/SessionContext.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TestSession.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

using namespace tavrix;
using namespace tavrix::test;

namespace {

const QString kTitle = QStringLiteral("Tavrix MRI");

QString exact(const QString& c) {
    return "radiology..spRadio_SearchRevenueCodes 'MI','1','" + c + "'";
}
QString count(const QString& c) {
    return "radiology..spRadio_SearchRevenueCodes 'MI','2','" + c + "'";
}
QString list(const QString& c) {
    return "radiology..spRadio_SearchRevenueCodes 'MI','0','" + c + "'";
}

// The list window as the user sees it: shown, so its opening steps have run.
struct SearchWindow {
    explicit SearchWindow(QDialog& d) : d(d) { d.show(); }
    QLineEdit* box() const { return d.findChild<QLineEdit*>("txtSearch"); }
    QTableWidget* rows() const { return d.findChild<QTableWidget*>("grdList"); }
    QPushButton* select() const { return d.findChild<QPushButton*>("cmdSelect"); }
    QString total() const { return d.findChild<QLabel*>("lblTotal")->text(); }
    QDialog& d;
};

} // namespace

class TestChargeLookup : public QObject {
    Q_OBJECT

private slots:
    void revenueCode_data() {
        QTest::addColumn<QString>("criteria");
        QTest::addColumn<QString>("pick"); // the code chosen in the list; "-" cancels; "" no list expected
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("revenueId");
        QTest::addColumn<QString>("location");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("statements");
        QTest::newRow("one code: no list") << "MD"
                                           << "" << true << "MD"
                                           << ""
                                           << "" << QStringList{exact("MD")};
        QTest::newRow("its name") << "MRI Medicine"
                                  << "" << true << "MZ"
                                  << "MRIPHA"
                                  << "" << QStringList{exact("MRI Medicine")};
        QTest::newRow("several: chosen from the list")
            << "MRI"
            << "MS" << true << "MS"
            << "MRISUP"
            << "" << QStringList{exact("MRI"), count("MRI"), list("MRI"), exact("MS")};
        QTest::newRow("list cancelled") << "M"
                                        << "-" << false << "MI"
                                        << ""
                                        << "" << QStringList{exact("M"), count("M"), list("M")};
        QTest::newRow("nothing like it") << "XR"
                                         << "" << false << "MI"
                                         << ""
                                         << "Item does not exists." << QStringList{exact("XR"), count("XR")};
        QTest::newRow("a quote stays in the value")
            << "M'"
            << "" << false << "MI"
            << ""
            << "Item does not exists." << QStringList{exact("M''"), count("M''")};
    }
    void revenueCode() {
        QFETCH(QString, criteria);
        QFETCH(QString, pick);
        QFETCH(bool, found);
        QFETCH(QString, revenueId);
        QFETCH(QString, location);
        QFETCH(QString, message);
        QFETCH(QStringList, statements);
        TestSession t(TestSession::Data::Demo);
        ScriptedPrompts prompts;
        auto& code = clsRadioRevenueCode::instance();
        QVERIFY(code.Validate("MI")); // a failed look-up keeps what the last one found
        t.clearLog();
        if (!pick.isEmpty())
            prompts.expectModal("frmSearch", [pick](QDialog& d) {
                SearchWindow w(d);
                if (pick == "-") {
                    QTest::keyClick(&d, Qt::Key_Escape);
                    return d.result();
                }
                const auto found = w.rows()->findItems(pick, Qt::MatchExactly);
                w.rows()->setCurrentItem(found.first());
                QTest::mouseClick(w.select(), Qt::LeftButton);
                return d.result();
            });
        if (!message.isEmpty())
            prompts.expect({message, kTitle, Ui::Icon::Warning, Ui::Buttons::Ok, {}}, Ui::Answer::Ok);
        QCOMPARE(code.Validate(criteria), found);
        VERIFY_PROMPTS(prompts);
        QCOMPARE(t.log(), statements);
        QCOMPARE(code.RevenueID, revenueId);
        QCOMPARE(code.LocationID, location);
        if (revenueId == "MZ")
            QCOMPARE(code.InventoryCode, QStringLiteral("PHA"));
    }

    // The list follows the typing: each typed character re-runs the statement with the whole box text.
    void searchWindowFollowsTyping() {
        TestSession t(TestSession::Data::Demo);
        SessionContext::instance().HospitalCompany = "ST. ANSELM MEDICAL CENTER";
        frmSearch search;
        search.SearchCaption = "Revenue Codes";
        search.Criteria = "M";
        search.Query = "radiology..spRadio_SearchRevenueCodes 'MI','0','##'";
        SearchWindow w(search);
        QCOMPARE(search.windowTitle(), QStringLiteral("Revenue Codes"));
        QCOMPARE(search.findChild<QLabel*>("lblHospital")->text(),
                 QStringLiteral("ST. ANSELM MEDICAL CENTER"));
        QCOMPARE(w.total(), QStringLiteral("4"));
        QCOMPARE(w.rows()->horizontalHeaderItem(0)->text(), QStringLiteral("Description"));
        QCOMPARE(
            w.box()->text(),
            QStringLiteral("READERS FEE")); // the current row's display text, in capitals as typed text is
        t.clearLog();
        w.box()->clear();
        QTest::keyClicks(w.box(), "rx");
        QCOMPARE(t.log(), (QStringList{list("R"), list("RX")}));
        QCOMPARE(w.total(), QStringLiteral("0"));
        QVERIFY(!w.select()->isEnabled());
        QTest::keyClick(w.box(), Qt::Key_Return); // nothing to take
        QVERIFY(search.isVisible());
        w.box()->selectAll();
        QTest::keyClicks(w.box(), "sup");
        QCOMPARE(w.total(), QStringLiteral("1"));
        QDir().mkpath(TAVRIX_SHOTS_DIR);
        search.grab().save(QStringLiteral(TAVRIX_SHOTS_DIR "/revenue-codes.png"));
        QTest::keyClick(w.box(), Qt::Key_Down);
        QTest::keyClick(w.rows(), Qt::Key_Return);
        QVERIFY(search.Valid);
        QCOMPARE(search.ResultCode, QStringLiteral("MS"));
    }

    void examLoader() {
        TestSession t(TestSession::Data::Demo);
        clsLoadExam loader;
        loader.LoadExam("MRI001");
        QVERIFY(loader.Found());
        QCOMPARE(loader.Exam(), QStringLiteral("MRI BRAIN PLAIN"));
        QCOMPARE(loader.RateA(), 8500.0);
        QCOMPARE(loader.Status(), QStringLiteral("A"));
        loader.LoadExam("NOPE");
        QVERIFY(!loader.Found());
        QCOMPARE(loader.ExamID(), QStringLiteral("MRI001")); // the known exam stays
        QCOMPARE(loader.RateA(), 8500.0);
        QCOMPARE(loader.Classification(), QString());
        QCOMPARE(t.log().last(), QStringLiteral("RADIOLOGY..spMRI_LoadExamEntry 'NOPE'"));
    }

    void fixedRate_data() {
        QTest::addColumn<QString>("flag"); // the catalogue's Fixrate; "-" no such item
        QTest::addColumn<bool>("fixed");
        QTest::newRow("Y") << "Y" << true;
        QTest::newRow("N: price may be typed") << "N" << false;
        QTest::newRow("lower-case n") << "n" << true;
        QTest::newRow("empty") << "" << true;
        QTest::newRow("not in the catalogue") << "-" << true;
    }
    void fixedRate() {
        QFETCH(QString, flag);
        QFETCH(bool, fixed);
        TestSession t;
        if (flag != "-")
            t.run(
                "INSERT INTO BUILD_FILE..tbCoOtherRevenue (OtherRevenueID, RevenueID, OtherRevenue, Fixrate) "
                "VALUES ('MRI900', 'MI', 'TEST EXAM', '" +
                flag + "')");
        QCOMPARE(clsLoadExam().ISExamFixRate("MI", "MRI900"), fixed);
        QCOMPARE(t.log().last(),
                 QStringLiteral("select isnull(Fixrate,'') [FixRate] from Build_File..tbcootherrevenue where "
                                "OtherRevenueID = 'MRI900'"));
    }

    // Every posting procedure refuses what it cannot record, and then leaves nothing behind.
    void postingProcedureRefusals_data() {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QString>("reason");
        QTest::newRow("exam, unknown admission") << "RADIOLOGY..spMRI_SaveInCharge '999999','MRI001','MRI "
                                                    "BRAIN PLAIN','1','8500.00','000101','1001','101',"
                                                    "'E0101','C5S','','','','','','','', ''"
                                                 << "Admission 999999 is not on file.";
        QTest::newRow("exam not in the catalogue") << "RADIOLOGY..spMRI_SaveInCharge '260101','XR001','CHEST "
                                                      "PA','1','450.00','000101','1001','101','E0101',"
                                                      "'C5S','','','','','','','', ''"
                                                   << "Exam XR001 is not in the MRI catalogue.";
        QTest::newRow("fee, unknown reader")
            << "RADIOLOGY..spMRI_DoctorCharge 'I','C5S','260101','7777','1.00','E0101'"
            << "Doctor 7777 is not on file.";
        QTest::newRow("fee, unknown registration")
            << "RADIOLOGY..spMRI_DoctorCharge 'O','C5S','OPD999','2001','1.00','E0101'"
            << "Out-patient registration OPD999 is not on file.";
        QTest::newRow("stock item of another location")
            << "RADIOLOGY..spRadio_SaveRequestOnly "
               "'MI','000101','260101','20003','1001','1','180.00','101','C5S','MS',"
               "'E0101'"
            << "Item 20003 is not stocked for department MS.";
    }
    void postingProcedureRefusals() {
        QFETCH(QString, statement);
        QFETCH(QString, reason);
        TestSession t(TestSession::Data::Demo);
        const QString counter =
            t.scalar("SELECT Value FROM RADIOLOGY..tbRadioCounter WHERE Name = 'MRIRequest'");
        try {
            t.db().execute(statement);
            QFAIL("no error");
        } catch (const DbError& e) {
            QCOMPARE(e.message(), reason);
        }
        QCOMPARE(t.scalar("SELECT count(*) FROM RADIOLOGY..tbMRIRequest WHERE RefNum = 'C5S'"),
                 QStringLiteral("0"));
        QCOMPARE(t.scalar("SELECT count(*) FROM BILLING..tbPatientCharges WHERE RefNum = 'C5S'"),
                 QStringLiteral("0"));
        QCOMPARE(t.scalar("SELECT Value FROM RADIOLOGY..tbRadioCounter WHERE Name = 'MRIRequest'"), counter);
    }

    // Each line takes the next request number; an out-patient's reader's fee goes to the registration.
    void postingProcedures() {
        TestSession t(TestSession::Data::Demo);
        QCOMPARE(
            t.db()
                .execute(
                    "RADIOLOGY..spMRI_SaveInCharge '260101','MRI002','MRI BRAIN WITH CONTRAST','','12500.00',"
                    "'000101','1001','101','E0101','C5S','','','','','','','', ''")
                .first()
                .text("RequestNum"),
            QStringLiteral("26000101"));
        QCOMPARE(t.db()
                     .execute("RADIOLOGY..spMRI_DoctorCharge 'O','C5S','OPD260201','2002','2000.00','E0101'")
                     .first()
                     .text("RequestNum"),
                 QStringLiteral("26000102"));
        QCOMPARE(
            t.scalar("SELECT group_concat(RequestNum || ':' || PatientType || ':' || HospNum || ':' || "
                     "RoomID || ':' "
                     "|| Quantity || ':' || Status, ' ') FROM RADIOLOGY..tbMRIRequest WHERE RefNum = 'C5S'"),
            QStringLiteral("26000101:I:000101:101:1.0:W 26000102:O:000121:OPD:1.0:X"));
        QCOMPARE(t.scalar("SELECT group_concat(PatientType || ':' || IDNum || ':' || RevenueID || ':' || "
                          "ifnull(DoctorID, "
                          "'-') || ':' || Amount, ' ') FROM BILLING..tbPatientCharges WHERE RefNum = 'C5S'"),
                 QStringLiteral("I:260101:MI:-:12500.0 O:OPD260201:MD:2002:2000.0"));
        // Charged without a ward's request: nothing to serve.
        t.db().execute("RADIOLOGY..spMRI_InNurseUpdate '000101','260101','MRI002','MI'");
        QCOMPARE(t.scalar("SELECT count(*) FROM RADIOLOGY..tbNurseRequest WHERE Status = 'P'"),
                 QStringLiteral("3"));
        QCOMPARE(t.scalar("SELECT ifnull(NurseRequestID, '-') FROM RADIOLOGY..tbMRIRequest WHERE RequestNum "
                          "= '26000101'"),
                 QStringLiteral("-"));
    }

    void wardRequestsOfAnAdmission() {
        TestSession t(TestSession::Data::Demo);
        const ResultSet rs = t.db().execute("RADIOLOGY..spMRI_NurseRequestByIdNum '260108'");
        QCOMPARE(rs.rowCount(), 1);
        QCOMPARE(rs.columnNames().mid(0, 6),
                 (QStringList{"Department", "Code", "Exam", "Amount", "Quantity", "Reference"}));
        QCOMPARE(rs.text(0, "Code"), QStringLiteral("MRI013"));
        QCOMPARE(rs.text(0, "Reference"), QStringLiteral("WR-2601-0044"));
        QVERIFY(t.db().execute("RADIOLOGY..spMRI_NurseRequestByIdNum '260104'").isEmpty()); // served already
    }
};

QTEST_MAIN(TestChargeLookup)
#include "tst_chargelookup.moc"
