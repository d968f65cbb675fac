#pragma once

#include "data/Connection.h"
#include "data/components/CurrentUser.h"

#include <QString>
#include <QTemporaryDir>

#include <memory>

namespace tavrix::test {

// A user already logged in, without a dialog.
class TestCurrentUser : public CurrentUser {
public:
    void ShowMain() override {}
    void setEmployee(const QString& code, const QString& name) {
        employeecode_ = code;
        employeeName_ = name;
        connected_ = true;
    }
};

// A fresh embedded database for one test: the schema (and the demo hospital
// when asked), a logged-in user E0101 and the session pointing at it, with the
// statement log on.
class TestSession {
public:
    enum class Data { SchemaOnly, Demo };
    explicit TestSession(Data data = Data::SchemaOnly);
    ~TestSession();

    Connection& db() { return user_->sqlconnection(); }
    TestCurrentUser& user() { return *user_; }
    QString path() const { return path_; }

    // Runs fixture statements one by one (each one statement, ';'-separated).
    void run(const QString& statements);
    // The first column of the first row as text ("" when there is no row).
    QString scalar(const QString& statement);
    QStringList log() const { return user_->sqlconnection().statementLog(); }
    // Another user on the same database (a second connection, as a second workstation would have).
    std::unique_ptr<TestCurrentUser> newUser(const QString& code = QStringLiteral("E0101"),
                                             const QString& name = QStringLiteral("ANA M. SANTIAGO")) const;
    void clearLog() { user_->sqlconnection().clearLog(); }

private:
    QTemporaryDir dir_;
    QString path_;
    std::unique_ptr<TestCurrentUser> user_;
};

} // namespace tavrix::test
