#pragma once

#include "components/LookupList.h"
#include "data/ResultSet.h"
#include "ui/Screen.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace tavrix {

class Connection;

// The list dialog of every search component: a search box seeded with the
// typed text that narrows the list as the clerk types (one query per change),
// Up and Down to move, Enter or a double-click to pick, Esc to cancel.
class frmLookup : public Ui::Screen {
    Q_OBJECT
public:
    frmLookup(Connection& connection, LookupList list, QWidget* parent = nullptr);

    // Shows the rows already read for the seed, with the seed in the search box.
    void setSeed(const QString& text, const ResultSet& rows);

    const ResultSet& rows() const { return rows_; }
    int pickedRow() const { return picked_; } // -1 until a row is picked
    int currentRow() const;

    QLineEdit* searchBox() const { return txtSearch_; }
    QTableWidget* grid() const { return grdList_; }
    QLabel* countLabel() const { return lblCount_; }

    void setVisible(bool visible) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void search(const QString& text);
    void showRows(const QString& filter);
    void showPreview();
    void pick();

    Connection& connection_;
    LookupList list_;
    ResultSet rows_;
    int picked_ = -1;

    QLineEdit* txtSearch_ = nullptr;
    QTableWidget* grdList_ = nullptr;
    QLabel* lblCount_ = nullptr;
    QPlainTextEdit* txtPreview_ = nullptr;
    QPushButton* cmdSelect_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
};

} // namespace tavrix
