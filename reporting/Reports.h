#pragma once

#include <QString>
#include <QVariantList>

#include <memory>

namespace tavrix {
class ReportDocument;
class ReportError;
} // namespace tavrix

namespace tavrix::Reports {

// A template path as the screens write it ("\Report\ChargeSlip.rpt"), under
// the program's folder, with the separators of this system.
QString programPath(const QString& relative);

// Opens the template, logs its tables on to the database, sets the hospital's
// name and address, fills the parameter fields by position (a date field takes
// the value as a date; fields past the list stay unset) and shows the document
// in the preview window, modal, with the caption. viewerFlag is the preview's
// fourth option. A template that is missing or does not parse, or a data set
// that fails, is reported to the user naming the template; the result is then false.
bool PreviewReport(const QString& database, const QString& templatePath, const QString& caption,
                   bool viewerFlag, const QVariantList& values);

// The same document printed at once on the default printer, without a dialog.
bool PrintReportDirect(const QString& templatePath, const QString& database, const QVariantList& values);

// The one document in use by the printing screen of the moment. A preview
// keeps its own hold on the document it shows, so releasing here never takes a
// document away from an open preview.
std::shared_ptr<ReportDocument> CurrentReport(); // nullptr when none is held
// Opens a template into a fresh CurrentReport (releasing the one held) and
// sets its descriptive texts to the hospital's name and address; throws ReportError.
std::shared_ptr<ReportDocument> OpenCurrentReport(const QString& templatePath);
void ReleaseCurrentReport();

// Logs every table of the document on to the database.
void SetTableLogOn(ReportDocument& document, const QString& database);

// Tells the user what failed, naming the template (a message box with the error icon).
void showError(const ReportError& error);

} // namespace tavrix::Reports
