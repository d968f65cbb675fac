// The main road's end, on the demo hospital with the real components: a
// charged request is found by the patient's surname, a result with two
// ICD-10 codes is typed, and "Print/Verif&y" verifies it and shows the
// printed result; the screen is then ready for the next request.

#include "components/ComponentSet.h"
#include "data/Connection.h"
#include "data/SessionContext.h"
#include "data/StoredProcs.h"
#include "reporting/ReportDocument.h"
#include "reporting/frmReport.h"
#include "results/frmEntry.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TestSession.h"
#include "ui/Prompts.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTextEdit>
#include <QtTest>

using namespace tavrix;
using namespace tavrix::test;

class TestResultsWalk : public QObject {
    Q_OBJECT

private slots:
    void surnameToPrintedVerifiedResult() {
        TestSession t(TestSession::Data::Demo);
        ComponentSet components = createComponents();
        auto& session = SessionContext::instance();
        components.icdSearch->ActiveConnection = &t.db();
        components.radiologySearch->InitConnection(&t.db());
        components.codeSearch->setConnection(&t.db());
        session.icdSearch = components.icdSearch.get();
        session.radiologySearch = components.radiologySearch.get();
        session.codeSearch = components.codeSearch.get();
        const ResultSet hospital = t.db().execute("SELECT * FROM PATIENT_DATA..tbHospitalInfo");
        session.HospitalCompany = hospital.first().text("Company");
        session.HospitalAddress = hospital.first().text("Address1");
        StoredProcs::LoadDefaultRadiologist();

        frmEntry f;
        f.show();
        ScriptedPrompts prompts;
        prompts.expectModal("frmSearchRequest", [&](QDialog& d) {
            d.show();
            auto* grid = d.findChild<QTableWidget*>("grdTable");
            [&] {
                QCOMPARE(grid->rowCount(), 1);
                QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("26000010"));
                QCOMPARE(grid->item(0, 4)->text(), QStringLiteral("PEÑAFLOR"));
            }();
            const QPoint cell = grid->visualRect(grid->model()->index(0, 4)).center();
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell);
            QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell);
            return d.result();
        });
        prompts.expect(Ui::appTitle(), "M50.1 - CERVICAL DISC DISORDER WITH RADICULOPATHY", Ui::Answer::Ok);
        prompts.expect(Ui::appTitle(), "M54.2 - CERVICALGIA", Ui::Answer::Ok);
        QString printed;
        prompts.expectModal("frmReport", [&](QDialog& d) {
            auto& preview = static_cast<frmReport&>(d);
            printed = preview.reportSource()->pageTexts().join(u'\n');
            if (const QString dir = qEnvironmentVariable("TAVRIX_RENDER_DIR"); !dir.isEmpty())
                preview.reportSource()->exportPdf(dir + "/MRIResult.pdf");
            [&] { QCOMPARE(d.windowTitle(), QStringLiteral("MRI RESULT")); }();
            return int(QDialog::Accepted);
        });

        auto* surname = f.findChild<QLineEdit*>("txtSname");
        QTest::keyClicks(surname, "PEÑAFLOR");
        QTest::keyClick(surname, Qt::Key_Return);
        QCOMPARE(f.findChild<QLineEdit*>("txtTransNo")->text(), QStringLiteral("26000010"));

        auto* editor = f.findChild<QTextEdit*>("txtInterpret");
        editor->moveCursor(QTextCursor::End);
        QTest::keyClick(editor, Qt::Key_Return);
        QTest::keyClicks(editor, "Disc osteophyte complex at C5-C6 indenting the thecal sac.");
        for (int row : {0, 1}) {
            auto* code = f.findChild<QLineEdit*>(QStringLiteral("txtICDCode(%1)").arg(row));
            QTest::keyClicks(code, row == 0 ? "M50.1" : "M54.2");
            QTest::keyClick(code, Qt::Key_Return);
        }
        QTest::mouseClick(f.findChild<QPushButton*>("cmdPrintVerify"), Qt::LeftButton);
        VERIFY_PROMPTS(prompts);

        for (const char* expected :
             {"PEÑAFLOR", "MRI CERVICAL SPINE PLAIN",
              "Disc osteophyte complex at C5-C6 indenting the thecal sac.", "MARIA LOURDES", "REYES", "M50.1",
              "CERVICAL DISC DISORDER WITH RADICULOPATHY", "M54.2", "CERVICALGIA"})
            QVERIFY2(printed.contains(QString::fromUtf8(expected)), expected);
        QVERIFY(StoredProcs::IsResultVerified("26000010"));
        QVERIFY(f.isVisible());
        QVERIFY(f.findChild<QLineEdit*>("txtSname")->text().isEmpty());
        QVERIFY(!f.findChild<QLineEdit*>("txtSname")->isReadOnly());
        QVERIFY(f.findChild<QLineEdit*>("txtICDCode(0)")->text().isEmpty());
        QVERIFY(!f.findChild<QPushButton*>("cmdPrintVerify")->isEnabled());
        session.icdSearch = nullptr;
        session.radiologySearch = nullptr;
        session.codeSearch = nullptr;
    }
};

QTEST_MAIN(TestResultsWalk)
#include "tst_resultswalk.moc"
