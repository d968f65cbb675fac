#include "charging/frmSearch.h"

#include "data/Connection.h"
#include "data/DbError.h"
#include "data/SessionContext.h"
#include "data/SqlText.h"
#include "data/ValueText.h"
#include "ui/Prompts.h"
#include "ui/Twips.h"
#include "ui/UpperCaseValidator.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace tavrix {

frmSearch::frmSearch(QWidget* parent)
    : QDialog(parent), lblHospital_(new QLabel(this)), lblTitle_(new QLabel(this)),
      lblCaption_(new QLabel(this)), txtSearch_(new QLineEdit(this)), grdList_(new QTableWidget(this)),
      lblTotal_(new QLabel(QStringLiteral("0"), this)),
      cmdSelect_(new QPushButton(QStringLiteral("&Select"), this)),
      cmdCancel_(new QPushButton(QStringLiteral("&Cancel"), this)) {
    setObjectName(QStringLiteral("frmSearch"));
    lblHospital_->setObjectName(QStringLiteral("lblHospital"));
    lblTitle_->setObjectName(QStringLiteral("lblTitle"));
    lblCaption_->setObjectName(QStringLiteral("lblCaption"));
    txtSearch_->setObjectName(QStringLiteral("txtSearch"));
    grdList_->setObjectName(QStringLiteral("grdList"));
    lblTotal_->setObjectName(QStringLiteral("lblTotal"));
    cmdSelect_->setObjectName(QStringLiteral("cmdSelect"));
    cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));

    QFont big = lblTitle_->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.3);
    lblHospital_->setFont(big);
    lblTitle_->setFont(big);
    lblHospital_->setAlignment(Qt::AlignCenter);
    lblTitle_->setAlignment(Qt::AlignCenter);

    Ui::UpperCaseValidator::install(txtSearch_);
    txtSearch_->installEventFilter(this);
    grdList_->installEventFilter(this);
    grdList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdList_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdList_->setSelectionMode(QAbstractItemView::SingleSelection);
    grdList_->verticalHeader()->setFixedWidth(Ui::twips(200));
    grdList_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    QFont bold = grdList_->horizontalHeader()->font();
    bold.setBold(true);
    grdList_->horizontalHeader()->setFont(bold);
    grdList_->horizontalHeader()->setStretchLastSection(true);

    for (QPushButton* b : {cmdSelect_, cmdCancel_}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    cmdSelect_->setEnabled(false);

    auto* search = new QHBoxLayout;
    search->addWidget(lblCaption_);
    search->addWidget(txtSearch_, 1);
    auto* footer = new QHBoxLayout;
    footer->addWidget(new QLabel(QStringLiteral("Total Records :"), this));
    footer->addWidget(lblTotal_);
    footer->addStretch(1);
    footer->addWidget(cmdSelect_);
    footer->addWidget(cmdCancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblHospital_);
    layout->addWidget(lblTitle_);
    layout->addLayout(search);
    layout->addWidget(grdList_, 1);
    layout->addLayout(footer);
    resize(Ui::twips(200 + 4150 + 1500) + 60, 420);

    connect(txtSearch_, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!typed_)
            return;
        Criteria = text;
        runSearch();
        typed_ = false;
    });
    connect(grdList_, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (row >= 0 && grdList_->item(row, 0))
            txtSearch_->setText(grdList_->item(row, 0)->text());
    });
    connect(grdList_, &QTableWidget::cellDoubleClicked, this, [this] {
        if (cmdSelect_->isEnabled())
            accept();
    });
    connect(cmdSelect_, &QPushButton::clicked, this, &frmSearch::accept);
    connect(cmdCancel_, &QPushButton::clicked, this, &frmSearch::reject);
}

void frmSearch::load() {
    if (loaded_)
        return;
    loaded_ = true;
    lblHospital_->setText(SessionContext::instance().HospitalCompany);
    setWindowTitle(SearchCaption);
    lblTitle_->setText(SearchCaption);
    lblCaption_->setText(SearchCaption + QStringLiteral(" :"));
    txtSearch_->setText(Criteria);
    runSearch();
    if (grdList_->rowCount() > 0)
        grdList_->setCurrentCell(0, 0);
    grdList_->setColumnWidth(0, Ui::twips(4150));
    if (grdList_->columnCount() > 1)
        grdList_->setColumnWidth(1, Ui::twips(1500));
    layout()->activate(); // the captions just set take their room before the first paint
}

void frmSearch::showEvent(QShowEvent* e) {
    load();
    QDialog::showEvent(e);
}

void frmSearch::runSearch() {
    QString statement = Query;
    statement.replace(QStringLiteral("##"), SqlText::escaped(Criteria));
    ResultSet rs;
    try {
        rs = SessionContext::instance().connection().execute(statement);
    } catch (const DbError& e) {
        Ui::message(QStringLiteral("The list could not be read:\n") + e.message(), SearchCaption,
                    Ui::Icon::Critical);
    }
    const QSignalBlocker block(grdList_);
    grdList_->clear();
    grdList_->setColumnCount(rs.columnCount());
    grdList_->setHorizontalHeaderLabels(rs.columnNames());
    grdList_->setRowCount(rs.rowCount());
    for (int r = 0; r < rs.rowCount(); ++r)
        for (int c = 0; c < rs.columnCount(); ++c)
            grdList_->setItem(r, c, new QTableWidgetItem(ValueText::text(rs.value(r, c))));
    cmdSelect_->setEnabled(rs.rowCount() > 0);
    lblTotal_->setText(QString::number(rs.rowCount()));
}

int frmSearch::firstVisibleRow() const {
    if (grdList_->rowCount() == 0)
        return -1;
    const int row = grdList_->rowAt(0);
    return row < 0 ? 0 : row;
}

bool frmSearch::eventFilter(QObject* watched, QEvent* e) {
    if (watched == txtSearch_ && e->type() == QEvent::FocusIn) {
        QTimer::singleShot(0, txtSearch_, &QLineEdit::selectAll);
    } else if (watched == txtSearch_ && e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Down) {
            const int row = firstVisibleRow();
            if (row >= 0) {
                grdList_->setCurrentCell(row, 0);
                grdList_->setFocus();
            }
            return true;
        }
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            const int row = firstVisibleRow();
            if (row >= 0 && cmdSelect_->isEnabled()) {
                grdList_->setCurrentCell(row, 0);
                accept();
            }
            return true;
        }
        typed_ = true;
    } else if (watched == grdList_ && e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (cmdSelect_->isEnabled())
                accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, e);
}

void frmSearch::accept() {
    const int row = grdList_->currentRow();
    if (row < 0 || row >= grdList_->rowCount())
        return;
    const QTableWidgetItem* code = grdList_->item(row, grdList_->columnCount() > 1 ? 1 : 0);
    ResultCode = code ? code->text() : QString();
    Valid = true;
    QDialog::accept();
}

void frmSearch::reject() {
    Valid = false;
    QDialog::reject();
}

} // namespace tavrix
