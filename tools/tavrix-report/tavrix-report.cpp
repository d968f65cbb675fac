// tavrix-report: renders a report template with the given parameter values
// from an embedded hospital database to a PDF file, for template authors and
// tests. Runs without a display.

#include "data/DbError.h"
#include "data/EmbeddedBackend.h"
#include "data/SessionContext.h"
#include "data/SqlText.h"
#include "data/components/CurrentUser.h"
#include "reporting/ReportDocument.h"
#include "reporting/ReportError.h"
#include "reporting/Reports.h"

#include <QApplication>
#include <QFileInfo>
#include <QStringList>

#include <cstdio>

using namespace tavrix;

namespace {

// The user the tool works as: named on the command line, no log-in dialog.
class ToolUser : public CurrentUser {
public:
    void ShowMain() override {}
    void open(const QString& database, const QString& code) {
        connection_.open(std::make_unique<EmbeddedBackend>(database, EmbeddedBackend::Create::No));
        employeecode_ = code;
        const ResultSet rs = connection_.execute(SqlText::build(
            u"SELECT LastName, FirstName FROM PASSWORD..tbPasswordMain WHERE EmployeeID = '{}'", {code}));
        if (!rs.isEmpty())
            employeeName_ = rs.text(0, "FirstName") + u' ' + rs.text(0, "LastName");
        connected_ = true;
    }
};

int usage() {
    std::fputs(
        "usage: tavrix-report DATABASE TEMPLATE --user CODE [--param NAME=VALUE]... [--value VALUE]...\n"
        "                     [--logon DATABASE] --pdf OUT.pdf\n"
        "Renders TEMPLATE (a .rpt file) from the embedded hospital DATABASE to a PDF file.\n"
        "  --user CODE        the employee the report is printed for ({$user} in statements)\n"
        "  --param NAME=VALUE sets a parameter field by its name\n"
        "  --value VALUE      sets the next parameter field by position, in order\n"
        "  --logon DATABASE   the database the template's tables are logged on to (RADIOLOGY)\n"
        "  --pdf OUT.pdf      where the PDF goes\n",
        stderr);
    return 2;
}

void fail(const QString& text) {
    std::fprintf(stderr, "tavrix-report: %s\n", qPrintable(text));
}

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QString database, templatePath, user, pdf, logon = QStringLiteral("RADIOLOGY");
    QList<QPair<QString, QString>> named;
    QStringList positional;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        auto next = [&](QString& into) {
            if (i + 1 >= args.size())
                return false;
            into = args[++i];
            return true;
        };
        QString v;
        if (a == u"--user") {
            if (!next(user))
                return usage();
        } else if (a == u"--pdf") {
            if (!next(pdf))
                return usage();
        } else if (a == u"--logon") {
            if (!next(logon))
                return usage();
        } else if (a == u"--value") {
            if (!next(v))
                return usage();
            positional << v;
        } else if (a == u"--param") {
            if (!next(v) || !v.contains(u'='))
                return usage();
            named.append({v.section(u'=', 0, 0), v.section(u'=', 1)});
        } else if (a.startsWith(QLatin1String("--"))) {
            return usage();
        } else if (database.isEmpty()) {
            database = a;
        } else if (templatePath.isEmpty()) {
            templatePath = a;
        } else {
            return usage();
        }
    }
    if (database.isEmpty() || templatePath.isEmpty() || user.isEmpty() || pdf.isEmpty())
        return usage();
    if (!QFileInfo(database).isFile()) {
        fail(QStringLiteral("the database %1 does not exist (tavrix-sql --create-demo makes one).")
                 .arg(database));
        return 1;
    }

    ToolUser currentUser;
    auto& session = SessionContext::instance();
    try {
        currentUser.open(database, user);
        session.currentUser = &currentUser;
        session.RevenueID = QStringLiteral("MI");
        session.EmployeeName = currentUser.EmployeeName();
        const ResultSet info =
            currentUser.sqlconnection().execute(u"select * from PATIENT_DATA..tbHospitalInfo"_qs);
        if (!info.isEmpty()) {
            session.HospitalCompany = info.text(0, "Company");
            session.HospitalAddress = info.text(0, "Address1");
            session.HospitalTitle = info.text(0, "Title");
        }
    } catch (const DbError& e) {
        fail(QStringLiteral("cannot open %1: %2").arg(database, e.message()));
        return 1;
    }

    try {
        auto doc = Reports::OpenCurrentReport(templatePath);
        Reports::SetTableLogOn(*doc, logon);
        for (qsizetype i = 0; i < positional.size(); ++i)
            doc->setParameter(static_cast<int>(i), positional[i]);
        for (const auto& [name, value] : named)
            if (!doc->setParameter(name, value)) {
                fail(QStringLiteral("the template has no parameter field \"%1\".").arg(name));
                return 1;
            }
        doc->exportPdf(pdf);
        std::printf("%d page(s) written to %s\n", doc->pageCount(), qPrintable(pdf));
        Reports::ReleaseCurrentReport();
    } catch (const ReportError& e) {
        fail(e.message());
        return 1;
    } catch (const DbError& e) {
        fail(e.message());
        return 1;
    }
    session.reset();
    return 0;
}
