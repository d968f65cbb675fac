#pragma once

#include "ui/Screen.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace tavrix {

class ResultSet;

// "Search Requests": lists requests by surname or slip number and lets the
// user pick one. The caller sets FormTitle, Criteria and Query (a statement
// with "@A" for the search type and "@B" for the search text) before showing
// it, and reads Valid and ResultCode (the picked row's request key) after.
class frmSearchRequest : public Ui::Screen {
    Q_OBJECT
public:
    explicit frmSearchRequest(QWidget* parent = nullptr);

    QString FormTitle;
    QString Criteria;
    QString Query;
    bool Valid = false;
    QString ResultCode;

    // True when the criteria reads as a slip number: longer than three
    // characters and numeric from the third character to the one before the last.
    static bool looksLikeSlipNumber(const QString& criteria);

    void search();

protected:
    void showEvent(QShowEvent* e) override;
    void activated(bool first) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void load();
    void fillGrid(const ResultSet& rows);
    void applyGridLayout();
    void pick();
    void closeWithoutPick();

    QComboBox* cmbSearch_;
    QLineEdit* txtSearch_;
    QPushButton* cmdSearch_;
    QTableWidget* grdTable_;
    QPushButton* cmdSelect_;
    QPushButton* cmdClose_;
    bool loaded_ = false;
};

} // namespace tavrix
