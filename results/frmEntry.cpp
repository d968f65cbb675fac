#include "results/frmEntry.h"

#include "data/Connection.h"
#include "data/DbError.h"
#include "data/ModFunc.h"
#include "data/ResultSet.h"
#include "data/SessionContext.h"
#include "data/SqlText.h"
#include "data/TransactionScope.h"
#include "data/ValueText.h"
#include "data/components/RadiologySearch.h"
#include "results/ResultEditor.h"
#include "results/ResultStatements.h"
#include "results/clsRequestSearch.h"
#include "ui/BusyCursor.h"
#include "ui/Prompts.h"

#include <QDateEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTextEdit>

#include <optional>

namespace tavrix {

namespace {

QString nextControlNumber(const QString& last) {
    return QStringLiteral("%1").arg(static_cast<qlonglong>(ValueText::leadingNumber(last)) + 1, 10, 10,
                                    QLatin1Char('0'));
}

bool isEnter(const QKeyEvent* e) {
    return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
}

} // namespace

frmEntry::frmEntry(QWidget* parent) : ResultScreen(QStringLiteral("Result Entry"), Options{}, parent) {
    setObjectName(QStringLiteral("frmEntry"));
    const auto& session = SessionContext::instance();

    // Nothing can be saved, verified or printed before a request is loaded.
    setRequestCommands(false);
    for (QWidget* w : {static_cast<QWidget*>(txtInterpret), static_cast<QWidget*>(rtfRemarks),
                       static_cast<QWidget*>(rtfDiagnosis)})
        w->setEnabled(false);
    dtpResultDate->setDate(QDate::currentDate());
    txtSname->setPlaceholderText(QStringLiteral("surname, request, slip or file no., then Enter"));
    txtRadioID->setText(session.DefaultRadiologistCode);
    txtRadio->setText(session.DefaultRadiologistName);

    connect(cmdFileNum, &QPushButton::clicked, this, &frmEntry::listPatientFiles);
    connect(cmdDoctor, &QPushButton::clicked, this, &frmEntry::pickPhysician);
    connect(cmdRadio, &QPushButton::clicked, this, &frmEntry::pickRadiologist);
    connect(cmdRadio2, &QPushButton::clicked, this, &frmEntry::pickCoRadiologist);
    connect(cmdSave, &QPushButton::clicked, this, [this] { run(Command::Save); });
    connect(cmdPrint, &QPushButton::clicked, this, [this] { run(Command::SavePrint); });
    connect(cmdSaveVerify, &QPushButton::clicked, this, [this] { run(Command::SaveVerify); });
    connect(cmdPrintVerify, &QPushButton::clicked, this, [this] { run(Command::PrintVerify); });
    connect(cmdDirectPrintVerify, &QPushButton::clicked, this, [this] { run(Command::DirectPrintVerify); });
}

void frmEntry::activated(bool first) {
    if (first)
        focusIfVisible(txtSname);
}

void frmEntry::setRequestCommands(bool enabled) {
    for (QPushButton* b :
         {cmdSave, cmdPrint, cmdSaveVerify, cmdPrintVerify, cmdDirectPrintVerify, cmdPreviousresult})
        b->setEnabled(enabled);
}

// ---- keys -----------------------------------------------------------------

bool frmEntry::controlTakesF1(QWidget* control) const {
    return control == txtRadioID || control == txtRadio || control == txtRadioID2 || control == txtRadio2 ||
           control == txtDoctorID || control == txtDoctor;
}

bool frmEntry::controlKey(QWidget* control, QKeyEvent* event) {
    const int key = event->key();
    const bool enter = isEnter(event);
    if (control == txtSname) {
        // The surname box searches only while no request is loaded.
        if (txtSname->isReadOnly() || !(enter || key == Qt::Key_F12))
            return false;
        findRequest(enter);
        return true;
    }
    if (control == txtXrayNo && enter) {
        fileNumberEntered();
        return true;
    }
    if (control == txtRadioID && (enter || key == Qt::Key_F1)) {
        pickRadiologist();
        return true;
    }
    if (control == txtRadio || control == txtRadio2 || control == txtDoctor) {
        if (key == Qt::Key_Delete) {
            static_cast<QLineEdit*>(control)->clear();
            return true;
        }
    }
    if (key == Qt::Key_F1) {
        if (control == txtRadio)
            pickRadiologist();
        else if (control == txtRadioID2 || control == txtRadio2)
            pickCoRadiologist();
        else if (control == txtDoctorID || control == txtDoctor)
            pickPhysician();
        return controlTakesF1(control);
    }
    if (enter) {
        QWidget* next = nullptr;
        if (control == txtDoctorID)
            next = txtRadioID;
        else if (control == txtDoctor)
            next = txtRadio;
        else if (control == txtRadio || control == txtRadioID2 || control == dtpResultDate)
            next = txtInterpret;
        if (next) {
            if (next == txtInterpret)
                tabResult->setCurrentIndex(InterpretationTab);
            focusIfVisible(next);
            return true;
        }
    }
    return ResultScreen::controlKey(control, event);
}

// ---- finding and loading a request ----------------------------------------

bool frmEntry::isFileNumber(const QString& text) {
    const auto& session = SessionContext::instance();
    return !session.connection()
                .execute(
                    SqlText::build(u"RADIOLOGY..spRadio_CheckIfFileNum '{}','{}'", {text, session.RevenueID}))
                .isEmpty();
}

void frmEntry::findRequest(bool enterKey) {
    const QString typed = txtSname->text();
    clsRequestSearch search;
    search.RevenueID = SessionContext::instance().RevenueID;
    search.CancelMode = false;
    try {
        const bool found = enterKey && isFileNumber(typed.trimmed()) ? search.ValidateFileNum(typed, this)
                                                                     : search.Validate(typed, this);
        if (!found)
            return;
        if (!loadRequest(search.RequestNum)) {
            Ui::message(
                QStringLiteral("Request %1 could not be loaded. Please search again.").arg(search.RequestNum),
                Ui::appTitle(), Ui::Icon::Information);
            return;
        }
        for (QWidget* w : {static_cast<QWidget*>(txtInterpret), static_cast<QWidget*>(rtfRemarks),
                           static_cast<QWidget*>(rtfDiagnosis)})
            w->setEnabled(true);
        setRequestCommands(true);
        if (enterKey)
            txtXrayNo->setText(ModFunc::FindFileNumber(txtHospNo->text().trimmed()));
    } catch (const DbError& e) {
        reportError(QStringLiteral("The request could not be found or loaded."), e);
        return;
    }
    focusIfVisible(txtXrayNo);
}

bool frmEntry::loadRequest(const QString& requestNum) {
    const ResultSet rows = SessionContext::instance().connection().execute(
        SqlText::build(u"RADIOLOGY..spMRI_LoadRequest '{}'", {requestNum}));
    if (rows.isEmpty())
        return false;
    const ResultRow row = rows.first();
    auto text = [&](const char* column) { return row.text(QLatin1String(column)); };
    auto date = [&](const char* column) { return ValueText::usDate(row.dateTime(QLatin1String(column))); };

    examCode_ = text("Code");
    txtSname->setText(text("LastName"));
    txtFname->setText(text("FirstName"));
    txtMname->setText(text("MiddleName"));
    txtHospNo->setText(text("HospNum"));
    txtAdmNo->setText(text("IDNum"));
    txtAdmDate->setText(date("AdmDate"));
    txtRoomNo->setText(text("RoomID"));
    txtTransNo->setText(text("RequestNum"));
    txtTransDate->setText(date("TransDate"));
    const QDateTime transDate = row.dateTime(QStringLiteral("TransDate"));
    dtpResultDate->setDate(transDate.isValid() ? transDate.date() : QDate::currentDate());
    txtXrayNo->setText(text("FileNum"));
    setCivilStatus(row.isNull(QStringLiteral("CivilStatus")) ? QStringLiteral("1") : text("CivilStatus"));
    setSex(text("Sex"));
    txtBirth->setText(date("BirthDate"));
    txtAge->setText(text("Age"));
    txtTest->setText(text("Description"));
    txtDoctorID->setText(text("DoctorID"));
    txtDoctor->setText(text("DoctorID").trimmed().isEmpty()
                           ? QString()
                           : text("DrFirstName") + u' ' + text("DrMiddleName") + u' ' + text("DrLastName"));
    txtControlNum->setText(nextControlNumber(text("ControlNum")));
    txtInterpret->setText(text("Description"));

    loadAdmissionNotes();
    // Diagnoses are kept per admission: show the ones already stored so that
    // saving this result keeps them.
    clearIcdRows();
    loadStoredDiagnoses(txtAdmNo->text(), IcdRows);
    setLocked(txtSname, true);
    loaded_ = true;
    return true;
}

void frmEntry::loadAdmissionNotes() {
    const bool admitted = ValueText::isNumeric(txtAdmNo->text());
    tabResult->setTabEnabled(DiagnosisTab, admitted);
    if (!admitted)
        return;
    const ResultSet notes = SessionContext::instance().connection().execute(SqlText::build(
        u"select * from PATIENT_DATA..tbPatientHistory where IDNum = '{}'", {txtAdmNo->text()}));
    if (notes.isEmpty())
        return;
    rtfDiagnosis->setPlainText(notes.first().text(QStringLiteral("AdmDiagnosis")));
    rtfRemarks->setPlainText(notes.first().text(QStringLiteral("ChiefComplaint")));
}

// ---- film file number -------------------------------------------------------

void frmEntry::listPatientFiles() {
    RadiologySearch* search = SessionContext::instance().radiologySearch;
    if (!search)
        return;
    try {
        search->RevenueID = QStringLiteral("XR");
        search->SectionID = QStringLiteral("MI");
        if (!search->PatientListing(txtSname->text(), RadiologySearch::PatientFiles, true))
            return;
    } catch (const DbError& e) {
        if (e.number() != DbError::NoCurrentRow)
            reportError(QStringLiteral("The patients' film files could not be listed."), e);
        return;
    }
    txtXrayNo->setText(search->FileNum.FileNum);
    focusIfVisible(txtXrayNo);
}

void frmEntry::fileNumberEntered() {
    const QString fileNum = txtXrayNo->text().trimmed();
    if (fileNum.isEmpty()) {
        listPatientFiles();
        return;
    }
    RadiologySearch* search = SessionContext::instance().radiologySearch;
    if (!search)
        return;
    bool found = false;
    try {
        found = search->FileNumFound(fileNum);
    } catch (const DbError& e) {
        if (e.number() != DbError::NoCurrentRow) {
            reportError(QStringLiteral("The film file number could not be checked."), e);
            return;
        }
    }
    if (found) {
        const FileNumRecord folder = search->FileNum;
        if (txtHospNo->text().trimmed() != folder.HospNum) {
            const QString question =
                QStringLiteral("The File Num. ") + folder.FileNum + QStringLiteral(" is assigned to ") +
                folder.LastName + QStringLiteral(", ") + folder.FirstName + u' ' + folder.MiddleName +
                QStringLiteral(". ") + QStringLiteral("Do you want to continue to use this number?");
            if (!Ui::ask(question, Ui::appTitle())) {
                focusIfVisible(txtXrayNo);
                return;
            }
            txtControlNum->setText(nextControlNumber(folder.ControlNum));
        }
    } else {
        txtControlNum->setText(QStringLiteral("0000000001"));
    }
    focusIfVisible(txtDoctorID);
}

// ---- pickers ----------------------------------------------------------------

void frmEntry::pickRadiologist() {
    if (txtRadioID->text() == QLatin1String("0000")) {
        Ui::message(QStringLiteral("Please enter the name of the Doctor."), QStringLiteral("Outside Doctor"),
                    Ui::Icon::Information);
        focusIfVisible(txtRadio);
        return;
    }
    DoctorRecord doctor;
    if (!pickDoctor(txtRadioID->text(), doctor))
        return;
    txtRadioID->setText(doctor.ResultCode);
    txtRadio->setText(fullName(doctor));
    tabResult->setCurrentIndex(InterpretationTab);
    focusIfVisible(dtpResultDate);
}

void frmEntry::pickCoRadiologist() {
    DoctorRecord doctor;
    if (!pickDoctor(QString(), doctor))
        return;
    txtRadioID2->setText(doctor.ResultCode);
    txtRadio2->setText(fullName(doctor));
    tabResult->setCurrentIndex(InterpretationTab);
    focusIfVisible(dtpResultDate);
}

void frmEntry::pickPhysician() {
    DoctorRecord doctor;
    if (!pickDoctor(QString(), doctor))
        return;
    txtDoctorID->setText(doctor.ResultCode);
    txtDoctor->setText(doctor.FirstName + u' ' + doctor.LastName);
    focusIfVisible(txtRadioID);
}

// ---- the five commands --------------------------------------------------------

bool frmEntry::radiologistQuestion() {
    if (!txtRadioID->text().trimmed().isEmpty())
        return true;
    return Ui::ask(QStringLiteral("Please fill up the entry for the RADIOLOGIST. ") +
                       QStringLiteral("Do you want to save the entry without a Radiologist?"),
                   Ui::appTitle());
}

ResultValues frmEntry::values() const {
    ResultValues v;
    v.hospNum = txtHospNo->text();
    v.idNum = txtAdmNo->text();
    v.requestNum = txtTransNo->text();
    v.examCode = examCode_;
    v.transDate = txtTransDate->text();
    v.resultDate = dtpResultDate->date().toString(QStringLiteral("MM/dd/yyyy"));
    v.doctorId = txtDoctorID->text();
    v.radiologistId = txtRadioID->text();
    v.interpretation = txtInterpret->text();
    v.room = txtRoomNo->text();
    v.transcriber = SessionContext::instance().employeeCode();
    v.fileNum = txtXrayNo->text();
    v.controlNum = txtControlNum->text();
    v.testTaken = txtTest->text();
    v.coRadiologistId = txtRadioID2->text();
    v.remarks = rtfRemarks->toPlainText();
    return v;
}

void frmEntry::save(QString& step) {
    const auto& session = SessionContext::instance();
    Connection& db = session.connection();
    TransactionScope transaction(db);
    step = QStringLiteral("storing the result");
    db.execute(ResultStatements::saveResult(values()));
    step = QStringLiteral("storing the ICD-10 diagnoses");
    db.execute(ResultStatements::saveDiagnoses(txtAdmNo->text(), session.RevenueID, icdCodes()));
    step = QStringLiteral("recording the reading");
    db.execute(ResultStatements::saveReading(txtTransNo->text(), txtAdmNo->text(), txtHospNo->text(),
                                             txtRoomNo->text(), examCode_, session.RevenueID,
                                             session.employeeCode()));
    step = QStringLiteral("completing the save");
    transaction.commit();
}

void frmEntry::run(Command command) {
    // No result is ever stored under empty keys.
    if (!loaded_ || txtTransNo->text().trimmed().isEmpty())
        return;
    if (!radiologistQuestion())
        return;
    const auto& session = SessionContext::instance();
    const QString requestNum = txtTransNo->text();
    const bool verify = command == Command::SaveVerify || command == Command::PrintVerify ||
                        command == Command::DirectPrintVerify;

    std::optional<Ui::BusyCursor> busy(std::in_place);
    QString step;
    try {
        save(step);
    } catch (const DbError& e) {
        busy.reset();
        reportError(QStringLiteral("The result of request %1 was not saved: %2 failed. Nothing was stored; "
                                   "everything is still on the screen.")
                        .arg(requestNum, step),
                    e);
        return;
    }
    if (verify) {
        try {
            session.connection().execute(
                ResultStatements::verify(requestNum, session.employeeCode(), QDate::currentDate()));
        } catch (const DbError& e) {
            busy.reset();
            reportError(
                QStringLiteral("The result of request %1 was saved but could not be verified. It is still "
                               "on the screen; verify it again.")
                    .arg(requestNum),
                e);
            return;
        }
    }
    if (command != Command::Save)
        cmdCoded->setEnabled(false);
    clearScreen();
    // The pointer is normal again while the report window is open.
    busy.reset();
    switch (command) {
    case Command::SavePrint:
        ResultStatements::previewResult(requestNum, QStringLiteral("CHARGESLIP"));
        break;
    case Command::PrintVerify:
        ResultStatements::previewResult(requestNum, QStringLiteral("MRI RESULT"));
        break;
    case Command::DirectPrintVerify:
        ResultStatements::printResult(requestNum);
        closeScreen();
        break;
    case Command::Save:
    case Command::SaveVerify:
        break;
    }
}

void frmEntry::clearScreen() {
    for (QLineEdit* box :
         {txtHospNo, txtAdmNo,     txtAdmDate, txtAge,    txtBirth,    txtControlNum, txtDoctorID,
          txtDoctor, txtFname,     txtMname,   txtSname,  txtRadioID,  txtRadio,      txtRoomNo,
          txtTest,   txtTransDate, txtTransNo, txtXrayNo, txtRadioID2, txtRadio2})
        box->clear();
    txtInterpret->clear();
    // Nothing of this patient may reach the next one's result.
    rtfRemarks->clear();
    rtfDiagnosis->clear();
    clearIcdRows();
    resetPatientButtons();
    dtpResultDate->setDate(QDate::currentDate());
    tabResult->setTabEnabled(DiagnosisTab, true);
    restoreNormalView();
    examCode_.clear();
    loaded_ = false;
    setRequestCommands(false);
    for (QWidget* w : {static_cast<QWidget*>(txtInterpret), static_cast<QWidget*>(rtfRemarks),
                       static_cast<QWidget*>(rtfDiagnosis)})
        w->setEnabled(false);
    setLocked(txtSname, false);
    focusIfVisible(txtSname);
}

} // namespace tavrix
