#include "results/frmSearchRequest.h"

#include "data/Connection.h"
#include "data/DbError.h"
#include "data/SessionContext.h"
#include "data/SqlText.h"
#include "data/ValueText.h"
#include "results/SearchIcon.h"
#include "ui/BusyCursor.h"
#include "ui/Prompts.h"
#include "ui/TitleBand.h"
#include "ui/Twips.h"
#include "ui/UpperCaseValidator.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>

namespace tavrix {

namespace {

struct GridColumn {
    int twips;
    const char* header;
};
// Column 0 is the fixed column; 1 (the request key) and 7 (the exam code) are hidden.
constexpr GridColumn kColumns[] = {{200, ""},
                                   {0, ""},
                                   {1000, "Slip #"},
                                   {1000, "Adm #"},
                                   {1750, "Last Name"},
                                   {1750, "First Name"},
                                   {1750, "Middle Name"},
                                   {0, "Code"},
                                   {2000, "Description"},
                                   {1500, "Date"}};
constexpr int kColumnCount = int(std::size(kColumns));

} // namespace

frmSearchRequest::frmSearchRequest(QWidget* parent) : Ui::Screen(parent) {
    setObjectName(QStringLiteral("frmSearchRequest"));
    setWindowTitle(QStringLiteral("Search Requests"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);

    auto* band = makeTitleBand(QString(), Qt::AlignRight | Qt::AlignVCenter);
    band->setObjectName(QStringLiteral("lblCaption"));

    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(new QLabel(QStringLiteral("Search"), this));
    cmbSearch_ = new QComboBox(this);
    cmbSearch_->setObjectName(QStringLiteral("cmbSearch"));
    cmbSearch_->setMinimumWidth(Ui::twips(1500));
    searchRow->addWidget(cmbSearch_);
    txtSearch_ = new QLineEdit(this);
    txtSearch_->setObjectName(QStringLiteral("txtSearch"));
    Ui::UpperCaseValidator::install(txtSearch_);
    searchRow->addWidget(txtSearch_, 1);
    cmdSearch_ = new QPushButton(this);
    cmdSearch_->setObjectName(QStringLiteral("cmdSearch"));
    cmdSearch_->setIcon(searchIcon());
    cmdSearch_->setToolTip(QStringLiteral("Search"));
    searchRow->addWidget(cmdSearch_);

    auto* frame = new QGroupBox(QStringLiteral("Request List"), this);
    auto* frameLayout = new QVBoxLayout(frame);
    grdTable_ = new QTableWidget(0, kColumnCount, frame);
    grdTable_->setObjectName(QStringLiteral("grdTable"));
    grdTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdTable_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdTable_->setSelectionMode(QAbstractItemView::SingleSelection);
    grdTable_->verticalHeader()->hide();
    grdTable_->verticalHeader()->setDefaultSectionSize(22);
    grdTable_->horizontalHeader()->setHighlightSections(false);
    grdTable_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grdTable_->setAlternatingRowColors(true);
    frameLayout->addWidget(grdTable_);

    auto* footer = new QHBoxLayout;
    footer->addWidget(new QLabel(QStringLiteral("Double-click on the patient you want to process."), this),
                      1);
    cmdSelect_ = new QPushButton(QStringLiteral("&Select"), this);
    cmdSelect_->setObjectName(QStringLiteral("cmdSelect"));
    cmdClose_ = new QPushButton(QStringLiteral("&Close"), this);
    cmdClose_->setObjectName(QStringLiteral("cmdClose"));
    footer->addWidget(cmdSelect_);
    footer->addWidget(cmdClose_);
    for (QPushButton* b : {cmdSearch_, cmdSelect_, cmdClose_})
        b->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 8);
    layout->addWidget(band);
    auto* body = new QVBoxLayout;
    body->setContentsMargins(10, 4, 10, 0);
    body->addLayout(searchRow);
    body->addWidget(frame, 1);
    body->addLayout(footer);
    layout->addLayout(body, 1);

    applyGridLayout();
    cmdSelect_->setEnabled(false);
    int width = 0;
    for (const auto& c : kColumns)
        width += Ui::twips(c.twips);
    // The exam name takes what the fixed columns leave: a cut-off exam would mislead.
    grdTable_->horizontalHeader()->setSectionResizeMode(8, QHeaderView::Stretch);
    setFixedSize(width + 200, 430);

    connect(cmdSearch_, &QPushButton::clicked, this, &frmSearchRequest::search);
    connect(cmdSelect_, &QPushButton::clicked, this, &frmSearchRequest::pick);
    connect(cmdClose_, &QPushButton::clicked, this, &frmSearchRequest::closeWithoutPick);
    connect(grdTable_, &QTableWidget::cellDoubleClicked, this, [this] { pick(); });
    txtSearch_->installEventFilter(this);
    grdTable_->installEventFilter(this);
}

bool frmSearchRequest::looksLikeSlipNumber(const QString& criteria) {
    return criteria.size() > 3 && ValueText::isNumeric(criteria.mid(2, criteria.size() - 3));
}

void frmSearchRequest::showEvent(QShowEvent* e) {
    Ui::Screen::showEvent(e);
    if (!loaded_) {
        loaded_ = true;
        load();
    }
}

void frmSearchRequest::load() {
    cmbSearch_->clear();
    cmbSearch_->addItems({QStringLiteral("Last Name"), QStringLiteral("Slip #")});
    cmbSearch_->setCurrentIndex(0);
    titleBand()->setText(QStringLiteral("     ") + FormTitle);
    // The caller's text goes in as it is; what is typed afterwards is upper-cased.
    const QValidator* upperCase = txtSearch_->validator();
    txtSearch_->setValidator(nullptr);
    txtSearch_->setText(Criteria);
    txtSearch_->setValidator(upperCase);
    if (looksLikeSlipNumber(Criteria))
        cmbSearch_->setCurrentIndex(1);
    search();
}

void frmSearchRequest::activated(bool) {
    if (txtSearch_->isVisible())
        txtSearch_->setFocus();
}

void frmSearchRequest::search() {
    QString statement = Query;
    statement.replace(QStringLiteral("@A"), QString::number(cmbSearch_->currentIndex() + 1));
    statement.replace(QStringLiteral("@B"), SqlText::escaped(txtSearch_->text().trimmed()));
    try {
        Ui::BusyCursor busy;
        const ResultSet rows = SessionContext::instance().connection().execute(statement);
        if (!rows.isEmpty())
            fillGrid(rows);
        applyGridLayout();
        cmdSelect_->setEnabled(grdTable_->rowCount() > 0);
    } catch (const DbError& e) {
        Ui::message(QStringLiteral("The search for requests failed:\n%1").arg(e.message()), Ui::appTitle(),
                    Ui::Icon::Critical);
    }
}

void frmSearchRequest::fillGrid(const ResultSet& rows) {
    grdTable_->clearContents();
    grdTable_->setRowCount(rows.rowCount());
    const int columns = std::min(rows.columnCount(), kColumnCount - 1);
    for (int r = 0; r < rows.rowCount(); ++r)
        for (int c = 0; c < columns; ++c)
            grdTable_->setItem(r, c + 1, new QTableWidgetItem(ValueText::text(rows.value(r, c))));
    grdTable_->setCurrentCell(0, 2);
}

void frmSearchRequest::applyGridLayout() {
    QStringList headers;
    for (int c = 0; c < kColumnCount; ++c) {
        headers << QString::fromLatin1(kColumns[c].header);
        grdTable_->setColumnHidden(c, kColumns[c].twips == 0);
        if (kColumns[c].twips > 0)
            grdTable_->setColumnWidth(c, Ui::twips(kColumns[c].twips));
    }
    grdTable_->setHorizontalHeaderLabels(headers);
}

void frmSearchRequest::pick() {
    const int row = grdTable_->currentRow();
    if (row < 0 || !cmdSelect_->isEnabled())
        return;
    const QTableWidgetItem* key = grdTable_->item(row, 1);
    Valid = true;
    ResultCode = key ? key->text() : QString();
    accept();
}

void frmSearchRequest::closeWithoutPick() {
    Valid = false;
    reject();
}

bool frmSearchRequest::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtSearch_ && event->type() == QEvent::FocusIn) {
        QTimer::singleShot(0, txtSearch_, &QLineEdit::selectAll);
    } else if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        if (watched == txtSearch_ && enter) {
            search();
            return true;
        }
        if (watched == txtSearch_ && key == Qt::Key_Down) {
            grdTable_->setFocus();
            return true;
        }
        if (watched == grdTable_ && enter) {
            pick();
            return true;
        }
    }
    return Ui::Screen::eventFilter(watched, event);
}

} // namespace tavrix
