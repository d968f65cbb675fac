#pragma once

#include "ui/Screen.h"

#include <array>

class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;
class QTableWidget;
class QTabWidget;
class QTextEdit;

namespace tavrix {

class ResultEditor;
class ResultSet;

// "Previous Result": the patient's earlier examinations with their results, by
// department, and the results kept from the hospital's former system. The
// caller sets strHospNum and strFileNo before showing it.
class frmPrevious : public Ui::Screen {
    Q_OBJECT
public:
    enum Department { DosData, XRay, Mri, Ultrasound, CtScan, All, Mammo, DepartmentCount };

    explicit frmPrevious(QWidget* parent = nullptr);

    QString strHospNum;
    QString strFileNo;

    const QString& departmentCode() const { return department_; }
    void chooseDepartment(Department department);
    void viewResult(); // the current row's result

protected:
    void showEvent(QShowEvent* e) override;

private:
    void load();
    void showList();
    void showFormerSystem();
    void showReader(int row, QLabel* label);
    void bindRows(QTableWidget* grid, const ResultSet& rows);
    void setListFrame(bool enabled);
    void noData(QTableWidget* grid);
    QString cell(int row, int column) const;

    std::array<QRadioButton*, DepartmentCount> optDepartment_{};
    QTabWidget* tabPrevious_;
    QFrame* fraList_;
    QTableWidget* grdList_;
    QTableWidget* grdDOS_;
    QLabel* lblReader_;
    QLabel* lblResultReader_;
    ResultEditor* txtInterpretation_;
    QTextEdit* rtfRemarks_;
    QPushButton* cmdSelect_;
    QPushButton* cmdClose_;
    QString department_;
    bool loaded_ = false;
    bool showingList_ = false;
};

} // namespace tavrix
