// Renders every component dialog with the demo hospital to PNG files, so
// that one can look at them as a clerk would: render_components <folder>.

#include "components/DialogCodeSearch.h"
#include "components/DialogIcdSearch.h"
#include "components/DialogRadiologySearch.h"
#include "components/DialogSuppliesList.h"
#include "components/LoginCurrentUser.h"
#include "components/frmLogin.h"
#include "components/frmLookup.h"
#include "data/SessionContext.h"
#include "tests/support/TestSession.h"
#include "ui/Settings.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTest>

using namespace tavrix;

namespace {

void save(QWidget& w, const QString& folder, const QString& name) {
    w.show();
    w.activateWindow();
    QTest::qWait(50);
    const QString file = QDir(folder).filePath(name + QStringLiteral(".png"));
    w.grab().save(file);
    w.hide();
    qInfo("%s", qPrintable(file));
}

void render(Connection& db, const LookupList& list, const QString& seed, const QString& typed,
            const QString& folder, const QString& name) {
    frmLookup dialog(db, list);
    dialog.setSeed(seed, db.execute(list.statement(seed)));
    if (!typed.isEmpty())
        QTest::keyClicks(dialog.searchBox(), typed);
    save(dialog, folder, name);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);
    test::TestSession session(test::TestSession::Data::Demo);
    Connection& db = session.db();
    const QString hospital =
        db.execute(QStringLiteral("select * from PATIENT_DATA..tbHospitalInfo")).first().text("Company");
    SessionContext::instance().HospitalCompany = hospital;

    {
        LoginCurrentUser user;
        frmLogin login(user);
        login.setDatabasePath(session.path());
        QTest::keyClicks(login.findChild<QLineEdit*>("txtUserID"), "DEMO");
        save(login, folder, "login");
        login.setDatabasePath(Ui::Settings::defaultDatabase());
        save(login, folder, "login-demo");
    }

    DialogCodeSearch code;
    code.CompanyName = hospital;
    code.setConnection(&db);
    render(db, code.doctorList(), "", "", folder, "doctor-search");
    render(db, code.doctorList(), "R", "", folder, "doctor-search-r");
    code.OtherSectionID = "MI";
    render(db, code.revenueItemList(), "", "", folder, "revenue-items");
    render(db, code.addressList(), "", "", folder, "addresses");

    DialogIcdSearch icd;
    icd.ActiveConnection = &db;
    render(db, icd.list(), "M5", "", folder, "icd");

    DialogRadiologySearch radio;
    radio.InitConnection(&db);
    radio.Hospital = hospital;
    radio.RevenueID = "MI";
    render(db, radio.listFor(RadiologySearch::InPatients), "", "", folder, "inpatients-205");
    render(db, radio.listFor(RadiologySearch::OutPatients), "", "", folder, "outpatients-204");
    radio.RevenueID = "XR";
    radio.SectionID = "MI";
    render(db, radio.listFor(RadiologySearch::PatientFiles), "", "", folder, "filenums-206");
    render(db, radio.listFor(RadiologySearch::Interpretations), "", "", folder, "interpretations-201");
    render(db, radio.listFor(RadiologySearch::Sections), "", "", folder, "sections-202");
    render(db, radio.listFor(RadiologySearch::Employees), "", "", folder, "employees-203");
    render(db, radio.listFor(RadiologySearch::InPatients), "", "ZZ", folder, "inpatients-nothing");

    DialogSuppliesList supplies;
    supplies.InitConnection(&db);
    supplies.ListTitle = "Mri Supply";
    render(db, supplies.list("MRISUP"), "", "", folder, "supplies");
    supplies.ListTitle = "Mri Medicine";
    render(db, supplies.list("MRIPHA"), "", "", folder, "medicines");
    return 0;
}
