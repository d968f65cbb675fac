#include "results/frmPrevious.h"

#include "data/Connection.h"
#include "data/DbError.h"
#include "data/ResultSet.h"
#include "data/SessionContext.h"
#include "data/SqlText.h"
#include "data/ValueText.h"
#include "data/components/CodeSearch.h"
#include "results/ResultEditor.h"
#include "ui/Prompts.h"
#include "ui/TitleBand.h"
#include "ui/Twips.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedLayout>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QVBoxLayout>

namespace tavrix {

namespace {

struct DepartmentOption {
    const char* caption;
    const char* name;
    const char* code;
};
constexpr DepartmentOption kDepartments[] = {{"DOS DATA", "optDOS", "OLD"},  {"X-RAY", "optXRay", "XR"},
                                             {"MRI", "optMRI", "MI"},        {"ULTRASOUND", "optUltra", "US"},
                                             {"CT-SCAN", "optCTScan", "CT"}, {"ALL", "optAll", ""},
                                             {"MAMMO", "optMammo", "MM"}};

// List grid widths from the fixed column on; a width of 1 twip hides a column.
constexpr int kListWidths[] = {1, 1500, 1500, 1000, 4000, 1, 1, 1};
constexpr int kRadiologistColumn = 8; // shown besides the documented ones
constexpr int kRemarksColumn = 17, kKeyColumn = 18, kReaderColumn = 20;

QTableWidget* makeGrid(QWidget* parent, const QString& name) {
    auto* grid = new QTableWidget(parent);
    grid->setObjectName(name);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grid->setAlternatingRowColors(true);
    return grid;
}

} // namespace

frmPrevious::frmPrevious(QWidget* parent) : Ui::Screen(parent) {
    setObjectName(QStringLiteral("frmPrevious"));
    setWindowTitle(QStringLiteral("Previous Result"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    auto* band = makeTitleBand(QStringLiteral("Previous Exams with Results"));

    auto* departments = new QGroupBox(QStringLiteral("CHOOSE DEPARTMENT :"), this);
    auto* dl = new QVBoxLayout(departments);
    for (int i = 0; i < DepartmentCount; ++i) {
        optDepartment_[i] = new QRadioButton(QString::fromLatin1(kDepartments[i].caption), departments);
        optDepartment_[i]->setObjectName(QString::fromLatin1(kDepartments[i].name));
        dl->addWidget(optDepartment_[i]);
        connect(optDepartment_[i], &QRadioButton::clicked, this,
                [this, i] { chooseDepartment(static_cast<Department>(i)); });
    }
    optDepartment_[Mammo]->hide();
    dl->addStretch(1);

    tabPrevious_ = new QTabWidget(this);
    tabPrevious_->setObjectName(QStringLiteral("tabPrevious"));
    auto* listTab = new QWidget(tabPrevious_);
    auto* ll = new QVBoxLayout(listTab);
    fraList_ = new QFrame(listTab);
    fraList_->setObjectName(QStringLiteral("fraList"));
    auto* stack = new QStackedLayout(fraList_);
    stack->setStackingMode(QStackedLayout::StackAll);
    grdList_ = makeGrid(fraList_, QStringLiteral("grdList"));
    grdDOS_ = makeGrid(fraList_, QStringLiteral("grdDOS"));
    grdDOS_->setWordWrap(true);
    stack->addWidget(grdDOS_);
    stack->addWidget(grdList_);
    grdDOS_->hide();
    ll->addWidget(fraList_, 1);
    lblReader_ = new QLabel(QStringLiteral("Reader :"), listTab);
    lblReader_->setObjectName(QStringLiteral("lblReader"));
    ll->addWidget(lblReader_);
    tabPrevious_->addTab(listTab, QStringLiteral("List of Exams"));

    auto* resultTab = new QWidget(tabPrevious_);
    auto* rl = new QVBoxLayout(resultTab);
    lblResultReader_ = new QLabel(QStringLiteral("Reader :"), resultTab);
    lblResultReader_->setObjectName(QStringLiteral("lblResultReader"));
    rl->addWidget(lblResultReader_);
    auto* resultTabs = new QTabWidget(resultTab);
    txtInterpretation_ = new ResultEditor(resultTabs);
    txtInterpretation_->setObjectName(QStringLiteral("txtInterpretation"));
    txtInterpretation_->setReadOnly(true);
    rtfRemarks_ = new QTextEdit(resultTabs);
    rtfRemarks_->setObjectName(QStringLiteral("rtfRemarks"));
    rtfRemarks_->setReadOnly(true);
    resultTabs->addTab(txtInterpretation_, QStringLiteral("Interpretation"));
    resultTabs->addTab(rtfRemarks_, QStringLiteral("Remarks"));
    rl->addWidget(resultTabs, 1);
    tabPrevious_->addTab(resultTab, QStringLiteral("Result"));

    auto* middle = new QHBoxLayout;
    middle->addWidget(departments);
    middle->addWidget(tabPrevious_, 1);

    auto* footer = new QHBoxLayout;
    footer->addWidget(new QLabel(QStringLiteral("Double-click on the patient you want to VIEW."), this), 1);
    cmdSelect_ = new QPushButton(QStringLiteral("Select"), this);
    cmdSelect_->setObjectName(QStringLiteral("cmdSelect"));
    cmdClose_ = new QPushButton(QStringLiteral("Close"), this);
    cmdClose_->setObjectName(QStringLiteral("cmdClose"));
    for (QPushButton* b : {cmdSelect_, cmdClose_}) {
        b->setAutoDefault(false);
        footer->addWidget(b);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 8);
    layout->addWidget(band);
    auto* body = new QVBoxLayout;
    body->setContentsMargins(8, 0, 8, 0);
    body->addLayout(middle, 1);
    body->addLayout(footer);
    layout->addLayout(body, 1);
    setFixedSize(900, 520);

    connect(cmdSelect_, &QPushButton::clicked, this, &frmPrevious::viewResult);
    connect(cmdClose_, &QPushButton::clicked, this, &frmPrevious::reject);
    connect(grdList_, &QTableWidget::cellDoubleClicked, this, [this] { viewResult(); });
    connect(grdList_, &QTableWidget::currentCellChanged, this,
            [this](int row) { showReader(row, lblReader_); });
    connect(tabPrevious_, &QTabWidget::currentChanged, this, [this] {
        if (!showingList_)
            showList();
    });
}

void frmPrevious::showEvent(QShowEvent* e) {
    Ui::Screen::showEvent(e);
    if (!loaded_) {
        loaded_ = true;
        load();
    }
}

void frmPrevious::load() {
    const QString revenue = SessionContext::instance().RevenueID;
    for (int i = XRay; i <= CtScan; ++i)
        if (revenue == QLatin1String(kDepartments[i].code)) {
            optDepartment_[i]->setChecked(true);
            department_ = revenue;
        }
    showList();
}

void frmPrevious::chooseDepartment(Department department) {
    optDepartment_[department]->setChecked(true);
    department_ = QString::fromLatin1(kDepartments[department].code);
    lblReader_->setText(QStringLiteral("Reader :"));
    showingList_ = true;
    tabPrevious_->setCurrentIndex(0);
    showingList_ = false;
    grdDOS_->hide();
    if (department == DosData)
        showFormerSystem();
    else
        showList();
}

void frmPrevious::showList() {
    if (department_ == QLatin1String("OLD")) {
        showFormerSystem();
        return;
    }
    try {
        const ResultSet rows = SessionContext::instance().connection().execute(
            SqlText::build(u"Radiology..spRadio_ListPreviousResults '{}','{}'", {department_, strHospNum}));
        if (rows.isEmpty()) {
            noData(grdList_);
            return;
        }
        bindRows(grdList_, rows);
        grdList_->setCurrentCell(0, 1);
        for (int c = 0; c < grdList_->columnCount(); ++c) {
            const int width =
                c < int(std::size(kListWidths)) ? kListWidths[c] : (c == kRadiologistColumn ? 2200 : 1);
            grdList_->setColumnHidden(c, width <= 1);
            if (width > 1)
                grdList_->setColumnWidth(c, Ui::twips(width));
        }
        setListFrame(true);
    } catch (const DbError& e) {
        Ui::message(QStringLiteral("The previous results could not be listed.\n\n") + e.message(),
                    Ui::appTitle(), Ui::Icon::Critical);
    }
}

void frmPrevious::showFormerSystem() {
    try {
        const ResultSet rows = SessionContext::instance().connection().execute(
            SqlText::build(u"Radiology..sp_get_DOS_Interpretation '{}'", {strFileNo}));
        if (rows.isEmpty()) {
            noData(grdDOS_);
            return;
        }
        bindRows(grdDOS_, rows);
        grdDOS_->setColumnHidden(0, true);
        grdDOS_->setColumnWidth(1, Ui::twips(10000));
        grdDOS_->resizeRowsToContents();
        grdDOS_->show();
        grdDOS_->raise();
        setListFrame(true);
    } catch (const DbError& e) {
        Ui::message(QStringLiteral("The former system's results could not be read.\n\n") + e.message(),
                    Ui::appTitle(), Ui::Icon::Critical);
    }
}

void frmPrevious::noData(QTableWidget* grid) {
    grid->clear();
    grid->setRowCount(0);
    grid->setColumnCount(0);
    Ui::message(QStringLiteral("No data found!"), Ui::appTitle(), Ui::Icon::None, Ui::Buttons::Ok);
    tabPrevious_->setTabEnabled(1, false);
    setListFrame(false);
}

void frmPrevious::setListFrame(bool enabled) {
    fraList_->setEnabled(enabled);
    if (enabled)
        tabPrevious_->setTabEnabled(1, true);
}

void frmPrevious::bindRows(QTableWidget* grid, const ResultSet& rows) {
    grid->clear();
    grid->setColumnCount(rows.columnCount() + 1);
    grid->setRowCount(rows.rowCount());
    QStringList headers{QString()};
    headers << rows.columnNames();
    grid->setHorizontalHeaderLabels(headers);
    for (int r = 0; r < rows.rowCount(); ++r)
        for (int c = 0; c < rows.columnCount(); ++c)
            grid->setItem(r, c + 1, new QTableWidgetItem(ValueText::text(rows.value(r, c))));
}

QString frmPrevious::cell(int row, int column) const {
    const QTableWidgetItem* item = grdList_->item(row, column);
    return item ? item->text() : QString();
}

void frmPrevious::showReader(int row, QLabel* label) {
    const QString code = cell(row, kReaderColumn);
    CodeSearch* search = SessionContext::instance().codeSearch;
    if (row < 0 || code.isEmpty() || !search)
        return;
    try {
        if (!search->SearchListing(code, CodeSearch::Doctors))
            return;
    } catch (const DbError&) {
        return; // an unknown reader leaves the label as it was
    }
    const DoctorRecord& d = search->doctorRecord;
    label->setText(QStringLiteral("Reader : DR. ") + d.FirstName + u' ' + d.MiddleName + u' ' + d.LastName);
}

void frmPrevious::viewResult() {
    const int row = grdList_->currentRow();
    if (row < 0 || grdList_->isHidden() || grdDOS_->isVisible())
        return;
    const QString remarks = cell(row, kRemarksColumn);
    const QString key = cell(row, kKeyColumn);
    showReader(row, lblResultReader_);
    showingList_ = true;
    tabPrevious_->setCurrentIndex(1);
    showingList_ = false;
    rtfRemarks_->setText(remarks);
    try {
        const ResultSet rows = SessionContext::instance().connection().execute(SqlText::build(
            u"Radiology..spRadio_ListPreviousResults '{}','{}', '','{}'", {department_, strHospNum, key}));
        if (rows.isEmpty()) {
            grdList_->clear();
            grdList_->setRowCount(0);
            tabPrevious_->setTabEnabled(1, false);
            setListFrame(false);
            return;
        }
        bindRows(grdList_, rows);
        txtInterpretation_->setText(SqlText::fromBackquotes(rows.text(0, QStringLiteral("Interpretation"))));
        txtInterpretation_->useReadingFont(12);
        setListFrame(true);
    } catch (const DbError& e) {
        Ui::message(QStringLiteral("The result could not be read.\n\n") + e.message(), Ui::appTitle(),
                    Ui::Icon::Critical);
    }
}

} // namespace tavrix
