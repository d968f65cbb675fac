#pragma once

#include "ui/Screen.h"

#include <QTimer>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tavrix {

class CurrentUser;

// The log-in dialog: the database, the user ID and the password. Enter in the
// user ID moves to the password; Enter in the password logs in. A refused
// log-in says so and stays open; from the third refusal on, each further
// attempt waits longer (2, 4, 8 ... up to 30 seconds) with OK disabled.
class frmLogin : public Ui::Screen {
    Q_OBJECT
public:
    explicit frmLogin(CurrentUser& user, QWidget* parent = nullptr);

    void setDatabasePath(const QString& path);
    QString databasePath() const { return path_; }

    // Length of one waiting step in milliseconds (a second; tests shorten it).
    void setWaitUnit(int milliseconds) { waitUnitMs_ = milliseconds; }
    bool waiting() const { return waitLeft_ > 0; }
    int failures() const { return failures_; }

    // The refusal message and its title.
    static QString refusedText();
    static QString title();

public slots:
    void logIn();

private:
    void chooseDatabase();
    void startWaiting();
    void tick();
    void showWaiting();

    CurrentUser& user_;
    QString path_;
    int failures_ = 0;
    int waitLeft_ = 0; // steps still to wait before OK is enabled again
    int waitUnitMs_ = 1000;
    QTimer tmrWait_;

    QLineEdit* txtDatabase_ = nullptr;
    QPushButton* cmdBrowse_ = nullptr;
    QLineEdit* txtUserID_ = nullptr;
    QLineEdit* txtPassword_ = nullptr;
    QLabel* lblDemo_ = nullptr;
    QLabel* lblStatus_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
};

} // namespace tavrix
