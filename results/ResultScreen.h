#pragma once

#include "data/components/Records.h"
#include "ui/Screen.h"

#include <QSet>

#include <array>

class QDateEdit;
class QFrame;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTextEdit;

namespace tavrix {

class DbError;
class ResultEditor;

// What the result entry and retrieval screens share: the patient, hospital and
// exam areas, the four result tabs with the twenty ICD-10 rows and the floating
// ICD panel, the command row, the screen keys (F1 to F11 and Esc, seen before
// the controls), the apostrophe-to-backquote rule, the enlarged view, coded
// interpretations, the doctor pickers' search and the closing question.
class ResultScreen : public Ui::Screen {
    Q_OBJECT
public:
    static constexpr int IcdRows = 20;
    enum Tab { InterpretationTab = 0, RemarksTab = 1, DiagnosisTab = 2, IcdTab = 3 };

    bool isEnlarged() const { return enlarged_; }
    // Shown but not editable (grey), or editable (white).
    static void setLocked(QLineEdit* box, bool locked);

protected:
    struct Options {
        bool upperCaseIcdCodes = true;
        bool hideIcdPanelWhenCodeLeft = true;
    };
    ResultScreen(const QString& title, Options options, QWidget* parent);

    // A key on one of the screen's named controls, after the screen keys had
    // their turn; true when the control used it.
    virtual bool controlKey(QWidget* control, QKeyEvent* event);
    // F1 on these controls opens their picker instead of the shortcut help.
    virtual bool controlTakesF1(QWidget* control) const;

    // Shared steps.
    void showHelp();
    void toggleEnlarged();
    void restoreNormalView();
    void codedInterpretation();
    void validateIcdRow(int row);
    void showIcdPanel(int row);
    void hideIcdPanel();
    void clearIcdRows();
    void setIcdRow(int row, const QString& code, const QString& description);
    void loadStoredDiagnoses(const QString& idNum, int maxRows); // DbError passes to the caller
    QStringList icdCodes() const;
    // The doctor list seeded with the code (empty: the whole list); fills the record on a pick.
    bool pickDoctor(const QString& seed, DoctorRecord& picked);
    static QString fullName(const DoctorRecord& doctor); // first, middle and last name
    bool patientIsMale() const;
    void setSex(const QString& code);         // "M" or "F"; anything else leaves the buttons
    void setCivilStatus(const QString& code); // "0" to "5"; anything else leaves the buttons
    void resetPatientButtons();               // Male, Single
    void showPreviousResults();
    void reportError(const QString& what, const DbError& error);
    void focusIfVisible(QWidget* widget);
    void closeScreen(); // closes without the closing question

    // Closing asks "Abandon current entry?" while a patient is on the screen.
    void reject() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    // The controls, by their documented names.
    QLineEdit *txtSname, *txtFname, *txtMname;
    std::array<QRadioButton*, 2> optSex;
    std::array<QRadioButton*, 6> optCivil;
    QLineEdit *txtBirth, *txtAge;
    QLineEdit *txtHospNo, *txtAdmNo, *txtAdmDate, *txtRoomNo, *txtTransNo, *txtTransDate, *txtXrayNo,
        *txtControlNum;
    QPushButton* cmdFileNum;
    QLineEdit *txtTest, *txtDoctorID, *txtDoctor, *txtRadioID, *txtRadio;
    QPushButton *cmdDoctor, *cmdRadio;
    QTabWidget* tabResult;
    QDateEdit* dtpResultDate;
    QLineEdit *txtRadioID2, *txtRadio2;
    QPushButton* cmdRadio2;
    ResultEditor* txtInterpret;
    QPushButton* cmdPreviousresult;
    QTextEdit *rtfRemarks, *rtfDiagnosis;
    std::array<QLineEdit*, IcdRows> txtICDCode;
    std::array<QPushButton*, IcdRows> cmdSearch;
    std::array<QPlainTextEdit*, IcdRows> txtICDDescription;
    QFrame* frmICD;
    QLabel* lblICD;
    QLabel* lblRemarks; // under the tabs; hidden unless a screen uses it
    QPushButton *cmdCoded, *cmdDirectPrintVerify, *cmdSaveVerify, *cmdPrintVerify, *cmdSave, *cmdPrint,
        *cmdCancel;

    // Labels and frames a screen may re-caption.
    QGroupBox *fraHospital, *fraExam;
    QLabel *lblTransDate, *lblControlNum;

private:
    template <class W> W* named(W* widget, const QString& name);
    QWidget* controlOf(QWidget* widget) const;
    bool handleKey(QWidget* control, QKeyEvent* event);
    bool screenKey(int key);
    void clickIfEnabled(QPushButton* button);
    int icdRowOf(QWidget* widget, bool description) const;
    void focusChanged(QWidget* control, bool in);
    QWidget* buildTopArea();
    QWidget* buildTabs();
    QLayout* buildCommandRow();

    Options options_;
    QSet<QWidget*> controls_;
    QWidget* topArea_ = nullptr;
    QLabel* lblPatientName_ = nullptr;
    bool enlarged_ = false;
    int normalEditorHeight_ = 0;
};

} // namespace tavrix
