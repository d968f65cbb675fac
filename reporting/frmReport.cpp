#include "reporting/frmReport.h"

#include "reporting/ReportDocument.h"
#include "reporting/ReportError.h"
#include "reporting/ReportPageView.h"
#include "reporting/Reports.h"
#include "ui/BusyCursor.h"
#include "ui/Prompts.h"

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace tavrix {

namespace {

QPushButton* button(QWidget* parent, const char* name, const QString& text,
                    QStyle::StandardPixmap icon = {}) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    if (icon)
        b->setIcon(parent->style()->standardIcon(icon));
    b->setAutoDefault(false);
    return b;
}

} // namespace

frmReport::frmReport(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmReport"));
    setWindowTitle(QStringLiteral("Report Window"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);
    resize(1000, 760);
    setWindowState(Qt::WindowMaximized);

    btnFirst_ = button(this, "btnFirst", tr("First"), QStyle::SP_MediaSkipBackward);
    btnPrevious_ = button(this, "btnPrevious", tr("Previous"), QStyle::SP_MediaSeekBackward);
    lblPage_ = new QLabel(this);
    lblPage_->setObjectName(QStringLiteral("lblPage"));
    lblPage_->setMinimumWidth(110);
    lblPage_->setAlignment(Qt::AlignCenter);
    btnNext_ = button(this, "btnNext", tr("Next"), QStyle::SP_MediaSeekForward);
    btnLast_ = button(this, "btnLast", tr("Last"), QStyle::SP_MediaSkipForward);
    cboZoom_ = new QComboBox(this);
    cboZoom_->setObjectName(QStringLiteral("cboZoom"));
    cboZoom_->addItem(tr("Page width"), -1);
    cboZoom_->addItem(tr("Whole page"), 0);
    for (int p : {50, 75, 100, 125, 150, 200})
        cboZoom_->addItem(QStringLiteral("%1%").arg(p), p);
    txtFind_ = new QLineEdit(this);
    txtFind_->setObjectName(QStringLiteral("txtFind"));
    txtFind_->setPlaceholderText(tr("Find text"));
    txtFind_->setClearButtonEnabled(true);
    txtFind_->setMaximumWidth(220);
    btnFind_ = button(this, "btnFind", tr("&Find"));
    btnPrint_ = button(this, "btnPrint", tr("&Print..."));
    btnExport_ = button(this, "btnExport", tr("Save as P&DF..."), QStyle::SP_DialogSaveButton);
    btnClose_ = button(this, "btnClose", tr("&Close"), QStyle::SP_DialogCloseButton);

    auto* bar = new QHBoxLayout;
    bar->setSpacing(4);
    for (QWidget* w :
         std::initializer_list<QWidget*>{btnFirst_, btnPrevious_, lblPage_, btnNext_, btnLast_, cboZoom_})
        bar->addWidget(w);
    bar->addSpacing(16);
    bar->addWidget(txtFind_);
    bar->addWidget(btnFind_);
    bar->addStretch(1);
    bar->addWidget(btnPrint_);
    bar->addWidget(btnExport_);
    bar->addWidget(btnClose_);

    lstPages_ = new QListWidget(this);
    lstPages_->setObjectName(QStringLiteral("lstPages"));
    lstPages_->setFixedWidth(96);
    view_ = new ReportPageView(this);
    auto* pages = new QHBoxLayout;
    pages->setSpacing(0);
    pages->addWidget(lstPages_);
    pages->addWidget(view_, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(bar);
    layout->addLayout(pages, 1);

    layoutTimer_ = new QTimer(this);
    layoutTimer_->setInterval(0);
    connect(layoutTimer_, &QTimer::timeout, this, &frmReport::layoutMore);
    connect(btnFirst_, &QPushButton::clicked, this, [this] { showPage(0); });
    connect(btnPrevious_, &QPushButton::clicked, this, [this] { showPage(currentPage() - 1); });
    connect(btnNext_, &QPushButton::clicked, this, [this] { showPage(currentPage() + 1); });
    connect(btnLast_, &QPushButton::clicked, this, [this] {
        finishLayout();
        showPage(pageCount() - 1);
    });
    connect(cboZoom_, &QComboBox::currentIndexChanged, this, &frmReport::zoomChanged);
    connect(view_, &ReportPageView::zoomStepped, this, [this](int delta) {
        cboZoom_->setCurrentIndex(std::clamp(cboZoom_->currentIndex() + delta, 2, cboZoom_->count() - 1));
    });
    connect(view_, &ReportPageView::pageChanged, this, &frmReport::updatePageControls);
    connect(lstPages_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            showPage(row);
    });
    connect(btnFind_, &QPushButton::clicked, this, [this] { findText(txtFind_->text()); });
    connect(txtFind_, &QLineEdit::returnPressed, this, [this] { findText(txtFind_->text()); });
    connect(btnPrint_, &QPushButton::clicked, this, &frmReport::printReport);
    connect(btnExport_, &QPushButton::clicked, this, &frmReport::exportPdf);
    connect(btnClose_, &QPushButton::clicked, this, &QDialog::reject);
    applyOptions();
    updatePageControls();
}

frmReport::~frmReport() = default;

void frmReport::setReportSource(std::shared_ptr<ReportDocument> document) {
    layoutTimer_->stop();
    document_ = std::move(document);
    view_->setDocument(document_);
    lstPages_->clear();
    listed_ = 0;
    complete_ = false;
    updatePageControls();
}

void frmReport::setViewerOption(ViewerOption option, bool on) {
    options_[option] = on;
    applyOptions();
}

bool frmReport::viewerOption(ViewerOption option) const {
    return options_[option];
}

void frmReport::applyOptions() {
    lstPages_->setVisible(options_[PageList]);
    txtFind_->setVisible(options_[FindText]);
    btnFind_->setVisible(options_[FindText]);
    if (options_[PrintFocus]) {
        btnPrint_->setDefault(true);
        btnPrint_->setFocus();
        setFocusProxy(btnPrint_);
    } else {
        btnPrint_->setDefault(false);
        setFocusProxy(view_);
    }
}

bool frmReport::viewReport() {
    if (!document_ || !document_->isOpen()) {
        Ui::message(tr("There is no report to show."), Ui::appTitle(), Ui::Icon::Critical);
        return false;
    }
    try {
        Ui::BusyCursor busy;
        if (!document_->isPrepared())
            document_->prepare();
        // The first page at once; the others while the window is open.
        while (document_->pagesReady() < 1 && !document_->layoutStep()) {
        }
    } catch (const ReportError& e) {
        Reports::showError(e);
        return false;
    }
    complete_ = document_->isLaidOut();
    view_->setDocument(document_);
    updatePageControls();
    if (!complete_)
        layoutTimer_->start();
    return true;
}

void frmReport::showModeless() {
    setAttribute(Qt::WA_DeleteOnClose);
    show();
}

void frmReport::layoutMore() {
    if (!document_ || !document_->isPrepared()) {
        layoutTimer_->stop();
        return;
    }
    QElapsedTimer slice;
    slice.start();
    try {
        while (slice.elapsed() < 30 && !document_->layoutStep()) {
        }
    } catch (const ReportError& e) {
        layoutTimer_->stop();
        Reports::showError(e);
        return;
    }
    if (document_->isLaidOut()) {
        layoutTimer_->stop();
        complete_ = true;
        view_->refresh(); // the footers now know the page count
    }
    updatePageControls();
}

void frmReport::finishLayout() {
    if (!document_ || !document_->isPrepared() || complete_)
        return;
    Ui::BusyCursor busy;
    while (!document_->isLaidOut())
        layoutMore();
}

int frmReport::currentPage() const {
    return view_->page();
}

int frmReport::pageCount() const {
    return document_ && document_->isPrepared() ? document_->pagesReady() : 0;
}

void frmReport::showPage(int page) {
    if (!document_ || !document_->isPrepared())
        return;
    if (page >= document_->pagesReady() && !complete_)
        finishLayout();
    view_->setPage(std::clamp(page, 0, std::max(0, pageCount() - 1)));
    updatePageControls();
}

void frmReport::updatePageControls() {
    if (!complete_ && document_ && document_->isLaidOut()) {
        // Laid out to the end, here or by a caller that asked for the page count.
        complete_ = true;
        layoutTimer_->stop();
        view_->refresh();
    }
    const int count = pageCount();
    const int page = currentPage();
    if (count == 0)
        lblPage_->clear();
    else
        lblPage_->setText(complete_ ? tr("Page %1 of %2").arg(page + 1).arg(count)
                                    : tr("Page %1 of %2+").arg(page + 1).arg(count));
    btnFirst_->setEnabled(page > 0);
    btnPrevious_->setEnabled(page > 0);
    btnNext_->setEnabled(page + 1 < count || (!complete_ && count > 0));
    btnLast_->setEnabled(page + 1 < count || (!complete_ && count > 0));
    btnPrint_->setEnabled(count > 0);
    btnExport_->setEnabled(count > 0);
    const QSignalBlocker block(lstPages_);
    for (; listed_ < count; ++listed_)
        lstPages_->addItem(tr("Page %1").arg(listed_ + 1));
    if (page < lstPages_->count())
        lstPages_->setCurrentRow(page);
}

void frmReport::zoomChanged() {
    const int value = cboZoom_->currentData().toInt();
    if (value < 0)
        view_->setZoom(ReportPageView::Zoom::PageWidth);
    else if (value == 0)
        view_->setZoom(ReportPageView::Zoom::WholePage);
    else
        view_->setZoom(ReportPageView::Zoom::Percent, value);
}

void frmReport::printReport() {
    if (!document_ || !document_->isPrepared())
        return;
    finishLayout();
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(windowTitle());
    printer.setPageLayout(document_->pageLayout());
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(tr("Print %1").arg(windowTitle()));
    dialog.setMinMax(1, pageCount());
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    if (Ui::runModal(dialog) != QDialog::Accepted)
        return;
    bool printed = false;
    try {
        Ui::BusyCursor busy;
        printed = document_->print(printer);
    } catch (const ReportError& e) {
        Reports::showError(e);
        return;
    }
    if (!printed) {
        Ui::message(
            tr("The report could not be sent to the printer %1. Nothing was printed; you can try again or "
               "save the report as a PDF file.")
                .arg(printer.printerName()),
            Ui::appTitle(), Ui::Icon::Warning);
        return;
    }
    if (options_[CloseAfterPrint])
        accept();
}

void frmReport::exportPdf() {
    if (!document_ || !document_->isPrepared())
        return;
    QString name = document_->title().isEmpty() ? windowTitle() : document_->title();
    name.replace(QRegularExpression(QStringLiteral(R"([\\/:*?"<>|]+)")), QStringLiteral(" "));
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QFileDialog dialog(this, tr("Save the report as PDF"), folder, tr("PDF files (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.selectFile(name.simplified() + QStringLiteral(".pdf"));
    if (Ui::runModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().constFirst();
    try {
        Ui::BusyCursor busy;
        finishLayout();
        document_->exportPdf(path);
    } catch (const ReportError& e) {
        Reports::showError(e);
    }
}

bool frmReport::findText(const QString& text) {
    if (!document_ || !document_->isPrepared() || text.trimmed().isEmpty())
        return false;
    finishLayout();
    const int count = pageCount();
    for (int step = 1; step <= count; ++step) {
        const int page = (currentPage() + step) % count;
        if (document_->pageText(page).contains(text.trimmed(), Qt::CaseInsensitive)) {
            showPage(page);
            return true;
        }
    }
    Ui::message(tr("\"%1\" is not in this report.").arg(text.trimmed()), Ui::appTitle(),
                Ui::Icon::Information);
    return false;
}

void frmReport::keyPressEvent(QKeyEvent* event) {
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    switch (event->key()) {
    case Qt::Key_PageDown:
        showPage(currentPage() + 1);
        return;
    case Qt::Key_PageUp:
        showPage(currentPage() - 1);
        return;
    case Qt::Key_Home:
        if (ctrl) {
            showPage(0);
            return;
        }
        break;
    case Qt::Key_End:
        if (ctrl) {
            finishLayout();
            showPage(pageCount() - 1);
            return;
        }
        break;
    case Qt::Key_P:
        if (ctrl) {
            printReport();
            return;
        }
        break;
    case Qt::Key_F:
        if (ctrl && options_[FindText]) {
            txtFind_->setFocus();
            txtFind_->selectAll();
            return;
        }
        break;
    default:
        break;
    }
    QDialog::keyPressEvent(event);
}

} // namespace tavrix
