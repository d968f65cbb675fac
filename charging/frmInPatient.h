#pragma once

#include "charging/InChargePosting.h"
#include "data/components/Records.h"
#include "ui/Screen.h"

#include <QString>

#include <memory>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tavrix::Ui {
class ChargeGrid;
}

namespace tavrix {

class ChargeLookup;

// "In-Patient Request Entry": charges MRI exams, readers' fees, supplies and
// medicines to an admitted patient and posts them under one new charge slip.
// The clerk finds the patient by last name; patients whose bill is closed or
// who are on cash basis are refused.
class frmInPatient : public Ui::Screen {
    Q_OBJECT
public:
    explicit frmInPatient(QWidget* parent = nullptr);
    ~frmInPatient() override;

    // Set by the opener before the screen is shown.
    bool NursingRequest = false; // request-from-ward mode; cleared when the screen closes
    QString NursingRemarks;
    QString IDNum;       // the admission whose ward request is loaded
    QString RoomClassID; // selects the exam rate; also set by the patient look-up
    QString RequestingNurse;

    // After a successful save: the charge slip number the lines were posted under.
    QString SlipNumber;

    // The opening steps, run once when the screen is first shown. In
    // request-from-ward mode they load the admission's pending ward requests
    // into the grid and make it read-only; the pending-request screen calls
    // open() itself, then writes the chosen request into row 1 (keeping only
    // that row), fills the patient with fillPatient() and locks the fields.
    void open();
    // Fills the patient fields from an admitted patient's record, as the look-up does.
    void fillPatient(const PatientRecord& patient);
    // Disables the patient fields a ward's request filled.
    void lockPatientFields();
    Ui::ChargeGrid* grid() const { return grid_; }

protected:
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

public slots:
    void done(int result) override;

private:
    void buildLayout();
    void lookUpPatient();
    void refuse(const QString& text);
    void chooseDoctor();
    void checkDoctorId();
    double examRate(const OtherRevenueRecord& item, const CTExamRecord& ct) const;
    bool isPellicoPatient(const QString& idNum) const;
    QList<InChargePosting::Line> chargeLines() const;
    bool save();
    void saveOnly();
    void saveAndPrint();

    Ui::ChargeGrid* grid_ = nullptr;
    std::unique_ptr<ChargeLookup> lookup_;
    bool opened_ = false;

    QLineEdit* txtSname_ = nullptr;
    QLineEdit* txtFname_ = nullptr;
    QLineEdit* txtMname_ = nullptr;
    QLineEdit* txtHospNo_ = nullptr;
    QLineEdit* txtAdmNo_ = nullptr;
    QLineEdit* txtRoomNo_ = nullptr;
    QLineEdit* txtAdmDate_ = nullptr;
    QLineEdit* txtDoctorID_ = nullptr;
    QPushButton* cmdDoctor_ = nullptr;
    QLineEdit* txtDoctor_ = nullptr;
    QRadioButton* optCivil_[6] = {};
    QRadioButton* optSex_[2] = {};
    QLineEdit* txtBirthDate_ = nullptr;
    QLineEdit* txtAge_ = nullptr;
    QLineEdit* txtStreet_ = nullptr;
    QLineEdit* txtBarangay_ = nullptr;
    QLineEdit* txtTown_ = nullptr;
    QGroupBox* fraExam_ = nullptr;
    QLineEdit* txtTotal_ = nullptr;
    QPushButton* cmdSave_ = nullptr;
    QPushButton* cmdPrint_ = nullptr;
    QPushButton* cmdClose_ = nullptr;
};

} // namespace tavrix
