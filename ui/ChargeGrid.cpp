#include "ui/ChargeGrid.h"

#include "data/ResultSet.h"
#include "data/ValueText.h"
#include "ui/ChargeCellEditor.h"
#include "ui/Twips.h"

#include <QFocusEvent>
#include <QHeaderView>
#include <QScrollBar>

namespace tavrix::Ui {

ChargeGrid::ChargeGrid(const ChargeGridSettings& settings, QWidget* parent)
    : QTableWidget(parent), settings_(settings), editor_(new ChargeCellEditor(viewport())) {
    setObjectName(settings_.objectName);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(false);
    verticalHeader()->hide();
    horizontalHeader()->setHighlightSections(false);
    QFont bold = horizontalHeader()->font();
    bold.setBold(true);
    horizontalHeader()->setFont(bold);

    setColumnCount(static_cast<int>(settings_.columns.size()));
    QStringList headings;
    for (const auto& c : settings_.columns)
        headings << c.heading;
    setHorizontalHeaderLabels(headings);
    applyColumnLayout();
    clearRows();

    connect(editor_, &ChargeCellEditor::textChanged, this, &ChargeGrid::editorChanged);
    connect(editor_, &ChargeCellEditor::enterPressed, this, &ChargeGrid::confirm);
    connect(editor_, &ChargeCellEditor::escapePressed, this, &ChargeGrid::hideEditor);
    connect(editor_, &ChargeCellEditor::upPressed, this, [this] { stepRow(-1); });
    connect(editor_, &ChargeCellEditor::downPressed, this, [this] { stepRow(1); });

    // Arrival by the keyboard or a click; a click on the cell already current enters it again.
    connect(this, &QTableWidget::currentCellChanged, this, [this](int row, int column) {
        if (moving_ || row < 0 || column < 0)
            return;
        arrivedRow_ = row + 1;
        arrivedColumn_ = column;
        enterCell(row + 1, column);
    });
    connect(this, &QTableWidget::cellClicked, this, [this](int row, int column) {
        const bool justArrived = arrivedRow_ == row + 1 && arrivedColumn_ == column;
        arrivedRow_ = 0;
        arrivedColumn_ = -1;
        if (!justArrived && !(editorVisible() && editRow_ == row + 1 && editColumn_ == column))
            enterCell(row + 1, column);
    });
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, &ChargeGrid::placeEditor);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &ChargeGrid::placeEditor);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, &ChargeGrid::placeEditor);
}

void ChargeGrid::applyColumnLayout() {
    QHeaderView* header = horizontalHeader();
    const QFontMetrics fm(header->font());
    for (int c = 0; c < columnCount(); ++c) {
        const int twipsWidth = c < settings_.columns.size() ? settings_.columns[c].widthTwips : -1;
        if (twipsWidth == 0) {
            setColumnHidden(c, true);
            continue;
        }
        setColumnHidden(c, false);
        header->setSectionResizeMode(c, QHeaderView::Interactive);
        int px = twipsWidth < 0 ? header->defaultSectionSize() : twips(twipsWidth);
        // Every shown heading stays readable, whatever the nominal width.
        const QTableWidgetItem* h = horizontalHeaderItem(c);
        if (c > 0 && h)
            px = std::max(px, fm.horizontalAdvance(h->text()) + 18);
        setColumnWidth(c, px);
    }
    if (settings_.stretchColumn > 0 && settings_.stretchColumn < columnCount() &&
        !isColumnHidden(settings_.stretchColumn))
        header->setSectionResizeMode(settings_.stretchColumn, QHeaderView::Stretch);
}

QTableWidgetItem* ChargeGrid::cell(int row, int column) const {
    if (row < 1 || row > rowCount() || column < 0 || column >= columnCount())
        return nullptr;
    return item(row - 1, column);
}

QString ChargeGrid::text(int row, int column) const {
    const QTableWidgetItem* i = cell(row, column);
    return i ? i->text() : QString();
}

void ChargeGrid::setText(int row, int column, const QString& text) {
    QTableWidgetItem* i = cell(row, column);
    if (!i)
        return;
    i->setText(text);
    if (editorVisible() && row == editRow_ && column == editColumn_ && editor_->text() != text)
        editor_->setText(text);
}

void ChargeGrid::addRow() {
    const int r = QTableWidget::rowCount();
    insertRow(r);
    for (int c = 0; c < columnCount(); ++c) {
        auto* i = new QTableWidgetItem;
        i->setFlags(c == 0 ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        if (c == 0)
            i->setBackground(palette().button());
        if (settings_.rightAlignedColumns.contains(c))
            i->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        setItem(r, c, i);
    }
}

void ChargeGrid::clearRows() {
    hideEditor();
    setRowCount(0);
    addRow();
}

void ChargeGrid::keepRows(int count) {
    if (count < rowCount()) {
        if (editRow_ > count)
            hideEditor();
        setRowCount(count);
    }
}

int ChargeGrid::findCode(const QString& code, int exceptRow) const {
    const QString wanted = code.trimmed();
    if (wanted.isEmpty())
        return 0;
    for (int r = 1; r <= rowCount(); ++r)
        if (r != exceptRow &&
            text(r, settings_.codeColumn).trimmed().compare(wanted, Qt::CaseInsensitive) == 0)
            return r;
    return 0;
}

void ChargeGrid::showResult(const ResultSet& result) {
    hideEditor();
    setRowCount(0);
    setColumnCount(result.columnCount() + 1);
    QStringList headings{QString()};
    headings << result.columnNames();
    setHorizontalHeaderLabels(headings);
    for (int r = 0; r < result.rowCount(); ++r) {
        addRow();
        for (int c = 0; c < result.columnCount(); ++c)
            item(r, c + 1)->setText(ValueText::text(result.value(r, c)));
    }
    if (rowCount() == 0)
        addRow();
    applyColumnLayout();
}

void ChargeGrid::setColumnLocked(int column, bool locked) {
    if (locked)
        locked_.insert(column);
    else
        locked_.remove(column);
    if (locked && editorVisible() && editColumn_ == column)
        hideEditor();
}

bool ChargeGrid::rateOpen(int row) const {
    return settings_.rateFlagColumn > 0 && text(row, settings_.rateFlagColumn) == settings_.rateFlagOpen;
}

bool ChargeGrid::isEditable(int row, int column) const {
    if (column <= 0 || locked_.contains(column))
        return false;
    const auto& s = settings_;
    // The department always takes the cursor: its arrival rule passes it on when it may not be changed.
    if (column == s.departmentColumn || column == s.codeColumn || column == s.quantityColumn)
        return true;
    if (column == s.priceColumn)
        return s.priceEditing == PriceEditing::WhenRateNotFixed && rateFixed_ && !rateFixed_(row);
    if (column == s.amountColumn) {
        switch (s.amountEditing) {
        case AmountEditing::WhenRateOpen:
            return rateOpen(row);
        case AmountEditing::UnlessRateFixed:
            return s.rateFlagColumn <= 0 || text(row, s.rateFlagColumn) != s.rateFlagFixed;
        case AmountEditing::AfterOpenRateSeen:
            return amountOpenForGood_;
        }
    }
    return false;
}

bool ChargeGrid::editorVisible() const {
    return editor_->isVisibleTo(this);
}

void ChargeGrid::enterCell(int row, int column, bool force) {
    if (row < 1 || row > rowCount() || column < 0 || column > lastColumn())
        return;
    if (!(force && column > 0) && !isEditable(row, column)) {
        moving_ = true;
        setCurrentCell(row - 1, column);
        moving_ = false;
        hideEditor();
        return;
    }
    go(row, column);
}

void ChargeGrid::go(int row, int column) {
    moving_ = true;
    setCurrentCell(row - 1, column);
    moving_ = false;
    arrive(row, column);
}

void ChargeGrid::arrive(int row, int column) {
    const auto& s = settings_;
    if (s.departmentColumn > 0 && text(row, s.departmentColumn).trimmed().isEmpty())
        setText(row, s.departmentColumn, s.defaultDepartment);

    editRow_ = row;
    editColumn_ = column;
    editor_->setFilter(s.upperCaseColumns.contains(column), s.allowedCharacters.value(column));
    editor_->setAlignment(s.rightAlignedColumns.contains(column) ? Qt::AlignRight | Qt::AlignVCenter
                                                                 : Qt::AlignLeft | Qt::AlignVCenter);
    editor_->setText(text(row, column));
    placeEditor();
    editor_->show();
    editor_->setFocus(Qt::OtherFocusReason);

    // What the box does as it takes the focus.
    if (column == s.departmentColumn) {
        // A row already holding an item keeps its department; a new row starts as the department's own.
        if (text(row, s.codeColumn).trimmed().isEmpty())
            editor_->setText(s.defaultDepartment);
        if (!s.departmentEditable) {
            moveOn();
            return;
        }
    } else if (column == s.quantityColumn) {
        if (s.quantityArrival == QuantityArrival::AlwaysOne || editor_->text().isEmpty())
            editor_->setText(QStringLiteral("1"));
        if (s.classificationColumn > 0 && text(row, s.classificationColumn) == QLatin1String("A")) {
            confirm();
            return;
        }
    }
    editor_->selectAll();
}

void ChargeGrid::editorChanged(const QString& text) {
    if (QTableWidgetItem* i = cell(editRow_, editColumn_); i && editor_->isVisibleTo(this))
        i->setText(text);
}

void ChargeGrid::placeEditor() {
    if (editRow_ < 1 || editRow_ > rowCount() || editColumn_ < 0 || editColumn_ >= columnCount())
        return;
    editor_->setGeometry(visualRect(model()->index(editRow_ - 1, editColumn_)));
}

void ChargeGrid::confirm() {
    const auto& s = settings_;
    const int row = editRow_;
    const int column = editColumn_;
    if (column == s.quantityColumn) {
        QString quantity = editor_->text();
        if (s.zeroQuantityBecomesOne &&
            (!ValueText::isNumeric(quantity) || ValueText::leadingNumber(quantity) == 0)) {
            quantity = QStringLiteral("1");
            editor_->setText(quantity);
        }
        // A line without a unit price (a reader's fee) keeps the amount it was given.
        if (s.priceColumn > 0 && s.amountColumn > 0 && !text(row, s.priceColumn).trimmed().isEmpty())
            setText(row, s.amountColumn,
                    ValueText::amount(ValueText::leadingNumber(text(row, s.priceColumn)) *
                                      ValueText::leadingNumber(quantity)));
        recomputeTotal();
    } else if (column == s.amountColumn) {
        editor_->setText(ValueText::amount(ValueText::leadingNumber(editor_->text())));
        if (s.amountEnterRecomputesTotal)
            recomputeTotal();
    }
    if (s.lookupColumns.contains(column)) {
        if (lookup_)
            lookup_(row, column, editor_->text());
    } else {
        moveOn();
    }
}

void ChargeGrid::moveOn() {
    const int row = currentDataRow();
    const int column = currentColumn();
    if (row < 1)
        return;
    if (settings_.amountEditing == AmountEditing::AfterOpenRateSeen && rateOpen(row))
        amountOpenForGood_ = true;
    for (int c = column + 1; c <= lastColumn(); ++c)
        if (isEditable(row, c)) {
            go(row, c);
            return;
        }
    for (int c = 1; c <= lastColumn(); ++c)
        if (isEditable(row + 1, c)) {
            if (row == rowCount())
                addRow();
            go(row + 1, c);
            return;
        }
    hideEditor();
}

void ChargeGrid::stepRow(int delta) {
    if (!settings_.arrowKeysMoveRows)
        return;
    const int target = editRow_ + delta;
    if (target < 1 || target > rowCount())
        return;
    const int column = editColumn_;
    hideEditor();
    enterCell(target, column);
}

void ChargeGrid::hideEditor() {
    if (!editor_->isVisibleTo(this))
        return;
    const bool hadFocus = editor_->hasFocus();
    editor_->hide();
    if (hadFocus) {
        moving_ = true;
        setFocus(Qt::OtherFocusReason);
        moving_ = false;
    }
}

QString ChargeGrid::recomputeTotal() {
    double sum = 0;
    if (settings_.amountColumn > 0)
        for (int r = 1; r <= rowCount(); ++r)
            sum += ValueText::leadingNumber(text(r, settings_.amountColumn));
    total_ = ValueText::amount(sum);
    emit totalChanged(total_);
    return total_;
}

void ChargeGrid::focusInEvent(QFocusEvent* e) {
    QTableWidget::focusInEvent(e);
    if (moving_ || editorVisible())
        return;
    // A click enters the clicked cell itself; coming back from a dialog changes nothing.
    switch (e->reason()) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
    case Qt::OtherFocusReason:
        enterCell(std::max(currentDataRow(), 1), std::max(currentColumn(), 1));
        break;
    default:
        break;
    }
}

void ChargeGrid::resizeEvent(QResizeEvent* e) {
    QTableWidget::resizeEvent(e);
    placeEditor();
}

} // namespace tavrix::Ui
