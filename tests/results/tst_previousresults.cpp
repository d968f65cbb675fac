// The patient look-up and the previous results screen: departments, the
// former system's results and the empty cases.

#include "results/clsPatientInfo.h"
#include "results/frmPrevious.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TestSession.h"
#include "ui/Prompts.h"

#include <QFrame>
#include <QLocale>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QtTest>

using namespace tavrix;
using namespace tavrix::test;

class TestPreviousResults : public QObject {
    Q_OBJECT

private slots:
    void patientInfo() {
        TestSession t(TestSession::Data::Demo);
        clsPatientInfo p;
        QVERIFY(p.Search("000111"));
        QCOMPARE(p.LastName, QStringLiteral("O'BRIEN"));
        QCOMPARE(p.CivilStatus, QStringLiteral("2"));
        QCOMPARE(p.Sex, QStringLiteral("M"));
        QCOMPARE(p.BirthDate, QLocale::system().toString(QDate(1978, 10, 10), QLocale::ShortFormat));
        QCOMPARE(p.Town, QStringLiteral("OTON"));
        QVERIFY(!p.Search("999999")); // not found: the outputs stay
        QCOMPARE(p.HospNum, QStringLiteral("000111"));
    }

    void listsAndViewsAResult() {
        TestSession t(TestSession::Data::Demo);
        ScriptedPrompts prompts;
        frmPrevious f;
        f.strHospNum = "000103";
        f.strFileNo = "M25-00871";
        f.show();
        QCOMPARE(t.log().value(0), QStringLiteral("Radiology..spRadio_ListPreviousResults 'MI','000103'"));
        auto* list = f.findChild<QTableWidget*>("grdList");
        QCOMPARE(list->rowCount(), 2);
        QCOMPARE(list->item(0, 18)->text(), QStringLiteral("26000006")); // the result's key
        f.viewResult();
        QCOMPARE(t.log().last(),
                 QStringLiteral("Radiology..spRadio_ListPreviousResults 'MI','000103', '','26000006'"));
        QVERIFY(f.findChild<QTextEdit*>("txtInterpretation")
                    ->toPlainText()
                    .contains("L5 nerve root compression"));
        QCOMPARE(f.findChild<QTabWidget*>("tabPrevious")->currentIndex(), 1);
        f.chooseDepartment(frmPrevious::All);
        QCOMPARE(t.log().last(), QStringLiteral("Radiology..spRadio_ListPreviousResults '','000103'"));
        VERIFY_PROMPTS(prompts);
    }

    void nothingFound_data() {
        QTest::addColumn<QString>("hospNum");
        QTest::addColumn<int>("department");
        QTest::newRow("no earlier results") << "000112" << int(frmPrevious::Mri);
        QTest::newRow("another department") << "000103" << int(frmPrevious::CtScan);
        QTest::newRow("no former results") << "000103" << int(frmPrevious::DosData);
    }
    void nothingFound() {
        QFETCH(QString, hospNum);
        QFETCH(int, department);
        TestSession t(TestSession::Data::Demo);
        t.run("UPDATE RADIOLOGY..tbDOSInterpretation SET FileNum = 'M00-00001'");
        ScriptedPrompts prompts;
        if (hospNum == "000112")
            prompts.expect(Ui::appTitle(), "No data found!"); // on opening
        prompts.expect(Ui::appTitle(), "No data found!");
        frmPrevious f;
        f.strHospNum = hospNum;
        f.strFileNo = "M25-00871";
        f.show();
        f.chooseDepartment(frmPrevious::Department(department));
        VERIFY_PROMPTS(prompts);
        QVERIFY(!f.findChild<QTabWidget*>("tabPrevious")->isTabEnabled(1));
        QVERIFY(!f.findChild<QFrame*>("fraList")->isEnabled());
        if (hospNum == "000103") { // a department with results enables the list again
            f.chooseDepartment(frmPrevious::Mri);
            QVERIFY(f.findChild<QFrame*>("fraList")->isEnabled());
            QVERIFY(f.findChild<QTabWidget*>("tabPrevious")->isTabEnabled(1));
        }
    }
};

QTEST_MAIN(TestPreviousResults)
#include "tst_previousresults.moc"
