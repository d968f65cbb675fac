#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace tavrix {

// Test seam for printing without a dialog. While an instance lives, every
// direct print (Reports::PrintReportDirect, ReportDocument::printDirect) is
// written to a PDF file instead of going to the default printer, and recorded
// with the text of its pages:
//
//   DirectPrintCapture capture;              // files in a temporary folder
//   screen.cmdDirectPrintVerify->click();
//   QCOMPARE(capture.prints().size(), 1);
//   QVERIFY(capture.prints()[0].pageTexts[0].contains("26000001"));
//
// Instances nest; the newest one receives the prints.
class DirectPrintCapture {
public:
    struct Print {
        QString templatePath;
        QString title;
        QString pdfPath;
        QStringList pageTexts;
    };

    // PDFs go to the folder given, else to a temporary folder removed with the instance.
    explicit DirectPrintCapture(const QString& directory = {});
    ~DirectPrintCapture();
    DirectPrintCapture(const DirectPrintCapture&) = delete;
    DirectPrintCapture& operator=(const DirectPrintCapture&) = delete;

    const QList<Print>& prints() const { return prints_; }

    // The capture in force, or nullptr when prints go to the printer.
    static DirectPrintCapture* active();
    QString nextPdfPath() const;
    void record(Print print) { prints_ << std::move(print); }

private:
    QTemporaryDir temporary_;
    QString directory_;
    QList<Print> prints_;
    DirectPrintCapture* previous_;
};

} // namespace tavrix
