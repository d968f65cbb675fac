#include "components/frmLookup.h"

#include "data/Connection.h"
#include "data/DbError.h"
#include "data/SqlText.h"
#include "data/ValueText.h"
#include "ui/TitleBand.h"
#include "ui/Twips.h"
#include "ui/UpperCaseValidator.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tavrix {

namespace {

QString cellText(const ResultSet& rows, int row, const LookupColumn& column) {
    const QVariant v = rows.value(row, column.field);
    switch (column.kind) {
    case LookupColumn::Kind::Amount:
        return v.isNull() ? QString() : ValueText::amount(ValueText::number(v));
    case LookupColumn::Kind::Date:
        return ValueText::usDate(ValueText::dateTime(v));
    case LookupColumn::Kind::Number:
    case LookupColumn::Kind::Text:
        break;
    }
    return ValueText::text(v);
}

bool rightAligned(const LookupColumn& column) {
    return column.kind == LookupColumn::Kind::Amount || column.kind == LookupColumn::Kind::Number;
}

} // namespace

frmLookup::frmLookup(Connection& connection, LookupList list, QWidget* parent)
    : Ui::Screen(parent), connection_(connection), list_(std::move(list)) {
    setObjectName(list_.objectName);
    setWindowTitle(list_.title);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);

    Ui::TitleBand* band = makeTitleBand(list_.title);
    auto* bandLayout = new QHBoxLayout(band);
    bandLayout->setContentsMargins(6, 0, 10, 0);
    bandLayout->addStretch();
    auto* lblHospital = new QLabel(list_.hospital, band);
    lblHospital->setObjectName(QStringLiteral("lblHospital"));
    lblHospital->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont hf = lblHospital->font();
    hf.setBold(true);
    lblHospital->setFont(hf);
    bandLayout->addWidget(lblHospital);
    root->addWidget(band);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(10, 8, 10, 10);
    body->setSpacing(6);
    root->addLayout(body);

    if (!list_.subtitle.isEmpty()) {
        auto* lblSubtitle = new QLabel(list_.subtitle, this);
        lblSubtitle->setObjectName(QStringLiteral("lblSubtitle"));
        QFont sf = lblSubtitle->font();
        sf.setBold(true);
        lblSubtitle->setFont(sf);
        body->addWidget(lblSubtitle);
    }

    auto* searchRow = new QHBoxLayout;
    auto* lblSearch = new QLabel(QStringLiteral("&Search:"), this);
    txtSearch_ = new QLineEdit(this);
    txtSearch_->setObjectName(QStringLiteral("txtSearch"));
    txtSearch_->setClearButtonEnabled(true);
    Ui::UpperCaseValidator::install(txtSearch_);
    lblSearch->setBuddy(txtSearch_);
    searchRow->addWidget(lblSearch);
    searchRow->addWidget(txtSearch_, 1);
    body->addLayout(searchRow);

    auto* lblHint = new QLabel(list_.hint, this);
    lblHint->setObjectName(QStringLiteral("lblHint"));
    lblHint->setWordWrap(true);
    QFont hintFont = lblHint->font();
    hintFont.setItalic(true);
    lblHint->setFont(hintFont);
    body->addWidget(lblHint);

    grdList_ = new QTableWidget(0, static_cast<int>(list_.columns.size()), this);
    grdList_->setObjectName(QStringLiteral("grdList"));
    grdList_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdList_->setSelectionMode(QAbstractItemView::SingleSelection);
    grdList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdList_->setTabKeyNavigation(false);
    grdList_->setAlternatingRowColors(true);
    grdList_->setWordWrap(false);
    grdList_->verticalHeader()->hide();
    grdList_->verticalHeader()->setDefaultSectionSize(grdList_->fontMetrics().height() + 6);
    grdList_->horizontalHeader()->setHighlightSections(false);
    grdList_->horizontalHeader()->setStretchLastSection(true);
    int width = 0;
    for (int c = 0; c < list_.columns.size(); ++c) {
        const LookupColumn& col = list_.columns[c];
        auto* head = new QTableWidgetItem(col.heading);
        head->setTextAlignment(rightAligned(col) ? Qt::AlignRight | Qt::AlignVCenter
                                                 : Qt::AlignLeft | Qt::AlignVCenter);
        grdList_->setHorizontalHeaderItem(c, head);
        grdList_->setColumnWidth(c, Ui::twips(col.widthTwips));
        width += Ui::twips(col.widthTwips);
    }
    body->addWidget(grdList_, 1);

    lblCount_ = new QLabel(this);
    lblCount_->setObjectName(QStringLiteral("lblCount"));
    body->addWidget(lblCount_);

    if (!list_.previewField.isEmpty()) {
        txtPreview_ = new QPlainTextEdit(this);
        txtPreview_->setObjectName(QStringLiteral("txtPreview"));
        txtPreview_->setReadOnly(true);
        txtPreview_->setFocusPolicy(Qt::NoFocus);
        txtPreview_->setMinimumHeight(130);
        txtPreview_->setMaximumHeight(170);
        body->addWidget(txtPreview_);
    }

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    cmdSelect_ = new QPushButton(QStringLiteral("&Select"), this);
    cmdSelect_->setObjectName(QStringLiteral("cmdSelect"));
    cmdCancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));
    // Enter is handled by the search box and the list themselves, never by a default button.
    for (QPushButton* b : {cmdSelect_, cmdCancel_}) {
        b->setAutoDefault(false);
        b->setDefault(false);
        b->setMinimumWidth(90);
        buttons->addWidget(b);
    }
    body->addLayout(buttons);

    connect(txtSearch_, &QLineEdit::textEdited, this, &frmLookup::search);
    connect(cmdSelect_, &QPushButton::clicked, this, &frmLookup::pick);
    connect(cmdCancel_, &QPushButton::clicked, this, &frmLookup::reject);
    connect(grdList_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        grdList_->setCurrentCell(row, 0);
        pick();
    });
    connect(grdList_, &QTableWidget::currentCellChanged, this, [this] { showPreview(); });
    txtSearch_->installEventFilter(this);
    grdList_->installEventFilter(this);

    resize(qBound(520, width + 44, 1180), list_.previewField.isEmpty() ? 470 : 600);
    txtSearch_->setFocus();
}

void frmLookup::setSeed(const QString& text, const ResultSet& rows) {
    txtSearch_->setText(text);
    rows_ = rows;
    showRows(text.trimmed());
}

void frmLookup::setVisible(bool visible) {
    Ui::Screen::setVisible(visible);
    // Showing a dialog selects all of its first box; the seed is to be typed on, not over.
    if (visible) {
        txtSearch_->deselect();
        txtSearch_->end(false);
    }
}

int frmLookup::currentRow() const {
    const int r = grdList_->currentRow();
    return r >= 0 && r < rows_.rowCount() ? r : -1;
}

void frmLookup::search(const QString& text) {
    const QString filter = text.trimmed();
    try {
        rows_ = connection_.execute(list_.statement(filter));
    } catch (const DbError& e) {
        rows_ = ResultSet();
        grdList_->setRowCount(0);
        lblCount_->setText(QStringLiteral("The list cannot be read: %1").arg(e.message()));
        return;
    }
    showRows(filter);
}

void frmLookup::showRows(const QString& filter) {
    grdList_->setUpdatesEnabled(false);
    grdList_->clearContents();
    grdList_->setRowCount(rows_.rowCount());
    const bool alerts = !list_.alertField.isEmpty() && rows_.hasColumn(list_.alertField);
    for (int r = 0; r < rows_.rowCount(); ++r) {
        const bool alert = alerts && !rows_.text(r, list_.alertField).trimmed().isEmpty();
        for (int c = 0; c < list_.columns.size(); ++c) {
            const LookupColumn& col = list_.columns[c];
            const QString text = rows_.hasColumn(col.field) ? cellText(rows_, r, col) : QString();
            auto* item = new QTableWidgetItem(text);
            item->setToolTip(text);
            if (rightAligned(col))
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (alert)
                item->setForeground(QColor(160, 0, 0));
            grdList_->setItem(r, c, item);
        }
    }
    grdList_->setUpdatesEnabled(true);
    if (rows_.rowCount() > 0)
        grdList_->setCurrentCell(0, 0);
    showPreview();

    const int n = rows_.rowCount();
    cmdSelect_->setEnabled(n > 0);
    if (n == 0)
        lblCount_->setText(list_.nothingFoundText(filter));
    else if (n >= LookupRowLimit)
        lblCount_->setText(QStringLiteral("The first %1 %2 are shown: type more to narrow the list.")
                               .arg(n)
                               .arg(list_.nouns));
    else
        lblCount_->setText(QStringLiteral("%1 %2").arg(n).arg(n == 1 ? list_.noun : list_.nouns));
}

void frmLookup::showPreview() {
    if (!txtPreview_)
        return;
    const int r = currentRow();
    txtPreview_->setPlainText(r < 0 ? QString() : SqlText::fromBackquotes(rows_.text(r, list_.previewField)));
}

void frmLookup::pick() {
    const int r = currentRow();
    if (r < 0) {
        QApplication::beep();
        return;
    }
    picked_ = r;
    accept();
}

bool frmLookup::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return Ui::Screen::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        pick();
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        if (watched == txtSearch_) {
            QKeyEvent copy(QEvent::KeyPress, key->key(), key->modifiers());
            QApplication::sendEvent(grdList_, &copy);
            return true;
        }
        break;
    default:
        // Typing while the list has the focus goes on in the search box.
        if (watched == grdList_ && !key->text().isEmpty() && key->text().at(0).isPrint()) {
            txtSearch_->setFocus();
            QApplication::sendEvent(txtSearch_, key);
            return true;
        }
        break;
    }
    return Ui::Screen::eventFilter(watched, event);
}

} // namespace tavrix
