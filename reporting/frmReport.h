#pragma once

#include <QDialog>

#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTimer;

namespace tavrix {

class ReportDocument;
class ReportPageView;

// The preview window. The caller hands it a document, sets the viewer
// options, renders and shows it, modal through Ui::runModal or modeless:
//
//   frmReport preview;                          // "Report Window" until captioned
//   preview.setWindowTitle("MRI RESULT");
//   preview.setReportSource(doc);
//   preview.setViewerOption(frmReport::PageList, false);
//   if (preview.viewReport()) Ui::runModal(preview);
//
//   auto* w = new frmReport;  ...  if (w->viewReport()) w->showModeless(); else delete w;
//
// It opens maximised; the page fills the window's width at every resize (the
// zoom can change that); first, previous, next and last page, zoom, print
// with the print dialog, and saving as PDF. It keeps its document until it
// closes. The four on/off viewer options (see docs/reports.md):
//   1 PageList        the list of pages at the left (on until turned off)
//   2 PrintFocus      Print has the focus: Enter prints at once (slips and results)
//   3 FindText        a box to find a text in the pages (long lists)
//   4 CloseAfterPrint the window closes once the report went to the printer
class frmReport : public QDialog {
    Q_OBJECT
public:
    enum ViewerOption { PageList = 1, PrintFocus = 2, FindText = 3, CloseAfterPrint = 4 };

    explicit frmReport(QWidget* parent = nullptr);
    ~frmReport() override;

    void setReportSource(std::shared_ptr<ReportDocument> document);
    std::shared_ptr<ReportDocument> reportSource() const { return document_; }
    void setViewerOption(ViewerOption option, bool on);
    bool viewerOption(ViewerOption option) const;

    // Runs the data sets and lays out the first page; the rest is paged while
    // the window is open. A failure is reported to the user; false then.
    bool viewReport();
    // Shows the window without waiting; it deletes itself when closed.
    void showModeless();

    int currentPage() const; // from 0
    int pageCount() const;   // pages known so far
    void showPage(int page);
    void printReport();                 // with the print dialog
    void exportPdf();                   // asks where to save
    bool findText(const QString& text); // goes to the next page holding the text
    ReportPageView* view() const { return view_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void layoutMore();
    void finishLayout();
    void updatePageControls();
    void applyOptions();
    void zoomChanged();

    std::shared_ptr<ReportDocument> document_;
    bool options_[5] = {false, true, false, false, false};
    ReportPageView* view_;
    QListWidget* lstPages_;
    QPushButton *btnFirst_, *btnPrevious_, *btnNext_, *btnLast_, *btnPrint_, *btnExport_, *btnClose_,
        *btnFind_;
    QLabel* lblPage_;
    QComboBox* cboZoom_;
    QLineEdit* txtFind_;
    QTimer* layoutTimer_;
    int listed_ = 0;
    bool complete_ = false;
};

} // namespace tavrix
