#pragma once

#include "ui/ChargeGridSettings.h"

#include <QSet>
#include <QTableWidget>

#include <functional>

namespace tavrix {
class ResultSet;
}

namespace tavrix::Ui {

class ChargeCellEditor;

// The charge grid of the request and assessment entry screens: one row per
// item, typed through one edit box laid over the current cell, with the
// moving-on rule, per-column key filters, look-up columns and the total.
// The per-screen differences come from ChargeGridSettings.
//
// Rows are addressed as the screens count them: data rows from 1 to
// rowCount(). Columns as in the settings: 0 is the row selector.
class ChargeGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit ChargeGrid(const ChargeGridSettings& settings, QWidget* parent = nullptr);

    const ChargeGridSettings& settings() const { return settings_; }
    ChargeCellEditor* editor() const { return editor_; }

    // Enter in a look-up column calls this with the row, the column and the
    // typed text; the look-up moves on itself when it succeeds.
    using Lookup = std::function<void(int row, int column, const QString& typed)>;
    void setLookup(Lookup lookup) { lookup_ = std::move(lookup); }
    // Whether the row's item has a fixed price; asked each time a price cell is
    // entered when the settings let the price be typed for other items.
    using RateFixedCheck = std::function<bool(int row)>;
    void setRateFixedCheck(RateFixedCheck check) { rateFixed_ = std::move(check); }

    int lastColumn() const { return columnCount() - 1; }
    QString text(int row, int column) const;
    void setText(int row, int column, const QString& text);
    void addRow();                                          // an empty row at the end
    void clearRows();                                       // one empty row, as on opening
    void keepRows(int count);                               // drops the rows after the first count
    int findCode(const QString& code, int exceptRow) const; // the first other row holding the code, or 0

    // The rows and columns of a result set, headed with its column names, in
    // place of the grid's own (a ward's request).
    void showResult(const ResultSet& result);
    // A locked column never opens the edit box.
    void setColumnLocked(int column, bool locked);

    int currentDataRow() const { return currentRow() + 1; }

    // Entering a cell: when the column is open for the row, the edit box is
    // laid over it with the cell's text and the column's arrival rules apply.
    // force opens it whatever the column's rules say (a reader's fee line
    // landing in its amount cell).
    void enterCell(int row, int column, bool force = false);
    // Moves on from the current cell by the moving-on rule.
    void moveOn();
    void hideEditor();
    bool isEditable(int row, int column) const;
    bool editorVisible() const;

    // Sum of the amount column over all rows; shown "0.00" by the screen.
    QString recomputeTotal();
    QString totalText() const { return total_; }

signals:
    void totalChanged(const QString& total);

protected:
    void focusInEvent(QFocusEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void applyColumnLayout();
    void placeEditor();
    void go(int row, int column); // to a cell known to be open
    void arrive(int row, int column);
    void editorChanged(const QString& text);
    void confirm();
    void stepRow(int delta);
    QTableWidgetItem* cell(int row, int column) const;
    bool rateOpen(int row) const;

    ChargeGridSettings settings_;
    ChargeCellEditor* editor_;
    Lookup lookup_;
    RateFixedCheck rateFixed_;
    QSet<int> locked_;
    QString total_ = QStringLiteral("0.00");
    bool amountOpenForGood_ = false;          // AmountEditing::AfterOpenRateSeen
    bool moving_ = false;                     // the grid itself is changing the current cell
    int arrivedRow_ = 0, arrivedColumn_ = -1; // the cell a click has just entered
    int editRow_ = 0, editColumn_ = 0;
};

} // namespace tavrix::Ui
