#pragma once

#include "results/ResultScreen.h"

namespace tavrix {

struct ResultValues;

// "Result Entry": find a request waiting for its result, type the report with
// its doctors, film file number and ICD-10 diagnoses, and save, verify and
// print it with the five commands. The main window opens it modally.
class frmEntry : public ResultScreen {
    Q_OBJECT
public:
    explicit frmEntry(QWidget* parent = nullptr);

    // The exam code of the loaded request ("" when none is loaded).
    const QString& examCode() const { return examCode_; }
    bool requestLoaded() const { return loaded_; }

protected:
    void activated(bool first) override;
    bool controlKey(QWidget* control, QKeyEvent* event) override;
    bool controlTakesF1(QWidget* control) const override;

private:
    enum class Command { Save, SavePrint, SaveVerify, PrintVerify, DirectPrintVerify };

    void findRequest(bool enterKey);
    bool isFileNumber(const QString& text);
    bool loadRequest(const QString& requestNum);
    void loadAdmissionNotes();
    void setRequestCommands(bool enabled);
    void fileNumberEntered();
    void listPatientFiles();
    void pickRadiologist();
    void pickCoRadiologist();
    void pickPhysician();

    void run(Command command);
    bool radiologistQuestion();
    ResultValues values() const;
    // The three statements, all or nothing. On a failure the DbError passes on
    // and step names the statement that failed.
    void save(QString& step);
    void clearScreen();

    QString examCode_;
    bool loaded_ = false;
};

} // namespace tavrix
