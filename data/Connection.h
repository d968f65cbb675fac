#pragma once

#include "data/ResultSet.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace tavrix {

class ConnectionBackend;

// The one connection to the hospital's server that every screen borrows.
// Statements go as text; every result set comes back fully read.
class Connection {
public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    void open(std::unique_ptr<ConnectionBackend> backend);
    void close();
    bool isOpen() const { return backend_ != nullptr; }

    // Runs one statement; a command may return a result set too.
    ResultSet execute(const QString& statement);
    qint64 rowsAffected() const { return rowsAffected_; }

    void setCommandTimeout(int seconds);
    int commandTimeout() const { return timeoutSeconds_; }

    void beginTransaction();
    void commitTransaction();
    void rollbackTransaction();
    bool inTransaction() const;

    QString serverName() const;
    QString databaseName() const;

    // Every statement sent while the log is on, in order: tests read it.
    void setLogging(bool on) { logging_ = on; }
    const QStringList& statementLog() const { return log_; }
    void clearLog() { log_.clear(); }

private:
    ConnectionBackend& backend() const;

    std::unique_ptr<ConnectionBackend> backend_;
    qint64 rowsAffected_ = 0;
    int timeoutSeconds_ = 120;
    bool logging_ = false;
    QStringList log_;
};

} // namespace tavrix
