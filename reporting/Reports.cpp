#include "reporting/Reports.h"

#include "data/DbError.h"
#include "data/SessionContext.h"
#include "reporting/ReportDocument.h"
#include "reporting/ReportError.h"
#include "reporting/frmReport.h"
#include "ui/Prompts.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace tavrix::Reports {

namespace {

std::shared_ptr<ReportDocument> g_current;

// The path with each part matched without regard to letter case when the
// exact one is not there: screens write "\report\..." and "\Report\..." alike,
// and this system's file names are case-sensitive.
QString resolveCase(const QString& path) {
    if (QFileInfo::exists(path))
        return path;
    const QStringList parts = QDir::fromNativeSeparators(path).split(u'/');
    QString at = parts.value(0).isEmpty() ? QStringLiteral("/") : parts.value(0);
    for (qsizetype i = 1; i < parts.size(); ++i) {
        if (parts[i].isEmpty())
            continue;
        const QDir dir(at);
        QString next = dir.filePath(parts[i]);
        if (!QFileInfo::exists(next)) {
            const QStringList entries = dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
            for (const QString& e : entries)
                if (e.compare(parts[i], Qt::CaseInsensitive) == 0) {
                    next = dir.filePath(e);
                    break;
                }
        }
        at = next;
    }
    return QFileInfo::exists(at) ? at : path;
}

std::shared_ptr<ReportDocument> openFilled(const QString& templatePath, const QString& database,
                                           const QVariantList& values) {
    auto doc = OpenCurrentReport(templatePath);
    SetTableLogOn(*doc, database);
    doc->setParameterValues(values);
    doc->prepare();
    return doc;
}

} // namespace

QString programPath(const QString& relative) {
    QString rel = relative;
    rel.replace(u'\\', u'/');
    while (rel.startsWith(u'/'))
        rel.remove(0, 1);
    return QDir::toNativeSeparators(resolveCase(QDir(QCoreApplication::applicationDirPath()).filePath(rel)));
}

std::shared_ptr<ReportDocument> CurrentReport() {
    return g_current;
}

std::shared_ptr<ReportDocument> OpenCurrentReport(const QString& templatePath) {
    ReleaseCurrentReport();
    auto doc = std::make_shared<ReportDocument>();
    doc->open(templatePath);
    const auto& session = SessionContext::instance();
    doc->setText(ReportDocument::hospitalCompanyText(), session.HospitalCompany);
    doc->setText(ReportDocument::hospitalAddressText(), session.HospitalAddress);
    g_current = doc;
    return doc;
}

void ReleaseCurrentReport() {
    // A preview still showing the document keeps its own hold on it.
    if (g_current && g_current.use_count() == 1)
        g_current->release();
    g_current.reset();
}

void SetTableLogOn(ReportDocument& document, const QString& database) {
    for (const QString& table : document.tables())
        document.SetTableLogOn(table, database);
}

void showError(const ReportError& error) {
    Ui::message(error.message(), Ui::appTitle(), Ui::Icon::Critical);
}

bool PreviewReport(const QString& database, const QString& templatePath, const QString& caption,
                   bool viewerFlag, const QVariantList& values) {
    std::shared_ptr<ReportDocument> doc;
    try {
        doc = openFilled(templatePath, database, values);
    } catch (const ReportError& e) {
        ReleaseCurrentReport();
        showError(e);
        return false;
    } catch (const DbError& e) {
        ReleaseCurrentReport();
        showError(ReportError(templatePath, e.message()));
        return false;
    }
    frmReport preview(QApplication::activeWindow());
    if (!caption.isEmpty())
        preview.setWindowTitle(caption);
    preview.setReportSource(doc);
    preview.setViewerOption(frmReport::CloseAfterPrint, viewerFlag);
    const bool shown = preview.viewReport();
    ReleaseCurrentReport();
    if (!shown)
        return false;
    Ui::runModal(preview);
    return true;
}

bool PrintReportDirect(const QString& templatePath, const QString& database, const QVariantList& values) {
    ReleaseCurrentReport();
    try {
        auto doc = openFilled(templatePath, database, values);
        doc->render();
        const bool printed = doc->printDirect();
        ReleaseCurrentReport();
        return printed;
    } catch (const ReportError& e) {
        ReleaseCurrentReport();
        showError(e);
    } catch (const DbError& e) {
        ReleaseCurrentReport();
        showError(ReportError(templatePath, e.message()));
    }
    return false;
}

} // namespace tavrix::Reports
