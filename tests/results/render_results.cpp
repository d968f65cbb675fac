// Renders the result screens with the demo hospital to PNG files, and the
// printed result to PDF: render_results <folder>.

#include "components/ComponentSet.h"
#include "data/Connection.h"
#include "data/SessionContext.h"
#include "data/StoredProcs.h"
#include "reporting/ReportDocument.h"
#include "reporting/Reports.h"
#include "results/frmEntry.h"
#include "results/frmPrevious.h"
#include "results/frmSearchRequest.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TestSession.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>

using namespace tavrix;

namespace {

void save(QWidget& w, const QString& path) {
    w.show();
    QApplication::processEvents();
    w.grab().save(path);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("render");
    QDir().mkpath(folder);
    test::TestSession t(test::TestSession::Data::Demo);
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
    test::ScriptedPrompts prompts; // answers OK to the ICD questions below
    for (int i = 0; i < 2; ++i)
        prompts.expect(QString(), QString(), Ui::Answer::Ok);

    frmEntry empty;
    save(empty, folder + "/frmEntry-empty.png");

    frmSearchRequest search;
    search.FormTitle = QStringLiteral("Requests for Result Entry");
    search.Criteria = QStringLiteral("P");
    search.Query = QStringLiteral("RADIOLOGY..spMRI_SearchRequest '@A','MI','@B'");
    save(search, folder + "/frmSearchRequest.png");

    frmEntry f;
    f.show();
    auto* surname = f.findChild<QLineEdit*>("txtSname");
    QTest::keyClicks(surname, "26000011");
    QTest::keyClick(surname, Qt::Key_F12);
    auto* editor = f.findChild<QTextEdit*>("txtInterpret");
    editor->moveCursor(QTextCursor::End);
    QTest::keyClick(editor, Qt::Key_Return);
    QTest::keyClick(editor, Qt::Key_Return);
    QTest::keyClicks(editor, "The anterior cruciate ligament is discontinuous with surrounding oedema. "
                             "Bone bruises of the lateral femoral condyle. Moderate joint effusion.");
    for (int row : {0, 1}) {
        auto* code = f.findChild<QLineEdit*>(QStringLiteral("txtICDCode(%1)").arg(row));
        QTest::keyClicks(code, row == 0 ? "S83.5" : "M23.2");
        QTest::keyClick(code, Qt::Key_Return);
    }
    save(f, folder + "/frmEntry-loaded.png");
    auto* tabs = f.findChild<QTabWidget*>("tabResult");
    tabs->setCurrentIndex(3);
    save(f, folder + "/frmEntry-icd.png");
    QTest::keyClick(f.findChild<QLineEdit*>("txtICDCode(0)"), Qt::Key_F11);
    save(f, folder + "/frmEntry-icd-enlarged.png");
    QTest::keyClick(f.findChild<QLineEdit*>("txtICDCode(0)"), Qt::Key_F11);
    tabs->setCurrentIndex(1);
    save(f, folder + "/frmEntry-remarks.png");

    frmPrevious previous;
    previous.strHospNum = QStringLiteral("000103");
    previous.strFileNo = QStringLiteral("M25-00871");
    save(previous, folder + "/frmPrevious-list.png");
    previous.viewResult();
    QApplication::processEvents();
    save(previous, folder + "/frmPrevious-result.png");
    previous.chooseDepartment(frmPrevious::DosData);
    save(previous, folder + "/frmPrevious-dos.png");

    for (const char* request : {"26000001", "26000012"}) {
        auto document = Reports::OpenCurrentReport(Reports::programPath("\\Report\\MRIResult.rpt"));
        document->setParameterValues({QString::fromLatin1(request)});
        document->exportPdf(folder + "/MRIResult-" + request + ".pdf");
    }
    Reports::ReleaseCurrentReport();
    session.icdSearch = nullptr;
    session.radiologySearch = nullptr;
    session.codeSearch = nullptr;
    return 0;
}
