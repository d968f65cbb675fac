#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace tavrix {

// The general list window: shows the rows of a search statement, follows the
// typing in its search box, and returns the code of the chosen row (the
// second column of the statement's result; the first is the display text).
class frmSearch : public QDialog {
    Q_OBJECT
public:
    explicit frmSearch(QWidget* parent = nullptr);

    QString SearchCaption;
    QString Query;    // holds "##" where the search text goes
    QString Criteria; // the search text

    bool Valid = false;
    QString ResultCode;

    // The opening steps; showing the window runs them once.
    void load();
    void runSearch();

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void accept() override;
    void reject() override;
    int firstVisibleRow() const;

    QLabel* lblHospital_;
    QLabel* lblTitle_;
    QLabel* lblCaption_;
    QLineEdit* txtSearch_;
    QTableWidget* grdList_;
    QLabel* lblTotal_;
    QPushButton* cmdSelect_;
    QPushButton* cmdCancel_;
    bool typed_ = false;
    bool loaded_ = false;
};

} // namespace tavrix
