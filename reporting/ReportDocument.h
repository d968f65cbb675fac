#pragma once

#include "reporting/ReportTemplate.h"

#include <QList>
#include <QPageLayout>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

#include <memory>

class QPainter;
class QPrinter;

namespace tavrix {

class Connection;

// One report: a template opened, its tables logged on, its parameter fields
// filled, then rendered into pages that the preview shows, a printer prints or
// a PDF file keeps. Screens usually reach it through Reports::CurrentReport.
//
//   auto doc = Reports::OpenCurrentReport(Reports::programPath("\\Report\\MRIAudit.rpt"));
//   for (const QString& t : doc->tables()) doc->SetTableLogOn(t, "RADIOLOGY");
//   for (const auto& f : doc->parameterFields())
//       if (f.name == "Title") doc->setParameter(f.name, "MRI Audit Report");
//
// Errors (a missing or broken template, a data set the server refuses, a value
// that does not fit its field) are thrown as ReportError naming the template.
class ReportDocument : public std::enable_shared_from_this<ReportDocument> {
public:
    struct ParameterField {
        QString name;
        ReportParameterType type;
        int position; // from 0, the order of the template
    };

    // The two descriptive texts every document carries ({{text.HospitalCompany}} ...).
    static QString hospitalCompanyText() { return QStringLiteral("HospitalCompany"); }
    static QString hospitalAddressText() { return QStringLiteral("HospitalAddress"); }

    ReportDocument();
    ~ReportDocument();
    ReportDocument(const ReportDocument&) = delete;
    ReportDocument& operator=(const ReportDocument&) = delete;

    // Reads the template; throws ReportError. The descriptive texts start as the session's hospital.
    void open(const QString& templatePath);
    bool isOpen() const;
    QString templatePath() const;
    QString title() const;

    // The template's tables (its data sets), and the database each is logged on to.
    QStringList tables() const;
    QString tableLocation(const QString& table) const;
    // Replaces the part of the table's location before its first "." by the
    // database; the statements, written with full names, read the same rows
    // whichever database a screen names. False for a table the template lacks.
    bool SetTableLogOn(const QString& table, const QString& database);

    QList<ParameterField> parameterFields() const;
    // By the exact name, or by position (fields past the end stay unset). A
    // date or date-time field takes the value converted to a date ("03/22/2005"
    // text too); a value that does not convert throws ReportError. False when
    // there is no such field.
    bool setParameter(const QString& name, const QVariant& value);
    bool setParameter(int position, const QVariant& value);
    void setParameterValues(const QVariantList& values);
    QVariant parameterValue(const QString& name) const; // null when never set

    void setText(const QString& name, const QString& value);
    QString text(const QString& name) const;

    // The connection the data sets run on; the session's when not given.
    void setConnection(Connection* connection);

    // Runs the data sets and fills the body (throws ReportError); pages are then
    // laid out piece by piece with layoutStep(), or all at once by render().
    void prepare();
    bool isPrepared() const;
    bool layoutStep(); // true once every page is known
    bool isLaidOut() const;
    void render(); // prepare() when needed, and every page

    int pagesReady() const; // pages whose content is final
    int pageCount();        // lays out the rest first
    QPageLayout pageLayout() const;
    QSizeF pageSize() const; // in layout units: pixels at 96 per inch
    // Paints a page in layout units from the sheet's top-left corner.
    void paintPage(QPainter& painter, int index) const;
    QString pageText(int index);
    QStringList pageTexts();

    // Writes every page to a PDF file; throws ReportError when it cannot.
    void exportPdf(const QString& path);
    // Prints the pages the printer's range asks for; false when the printer cannot be used.
    bool print(QPrinter& printer);
    // Prints at once on the default printer, without a dialog. With no printer
    // set up the user is told so and the preview opens, from which the PDF can
    // be saved; false then. Tests redirect these prints with DirectPrintCapture.
    bool printDirect();

    // Back to an empty document.
    void release();

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace tavrix
