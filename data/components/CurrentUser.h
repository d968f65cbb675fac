#pragma once

#include "data/Connection.h"

#include <QObject>
#include <QString>

namespace tavrix {

// The user-session component: the log-in, the one shared connection and who
// is working. ShowMain shows the log-in dialog (in the components library);
// logIn does the checking and can be driven without a dialog.
class CurrentUser {
public:
    enum class LogInResult { Accepted, WrongUserOrPassword, CannotOpenDatabase };

    virtual ~CurrentUser() = default;

    virtual void ShowMain() = 0;

    // Opens the database (creating the demo hospital when asked and missing)
    // and checks the user ID and password on the server.
    LogInResult logIn(const QString& databasePath, const QString& userId, const QString& password,
                      bool createDemoIfMissing, QString* error = nullptr);

    bool Connected() const { return connected_; }
    Connection& sqlconnection() { return connection_; }

    QString PasswordDeptCode;
    QObject* hwndParentForm = nullptr;

    const QString& employeecode() const { return employeecode_; }
    const QString& initial() const { return initial_; }
    const QString& EmployeeName() const { return employeeName_; }
    const QString& UserID() const { return userId_; }
    const QString& ServerName() const { return serverName_; }
    const QString& serverpassword() const { return serverPassword_; }
    const QString& station() const { return station_; }

protected:
    Connection connection_;
    bool connected_ = false;
    QString employeecode_, initial_, employeeName_, userId_, serverName_, serverPassword_, station_;
};

} // namespace tavrix
