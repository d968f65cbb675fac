#pragma once

#include "data/ResultSet.h"

#include <QString>

namespace tavrix {

// What a server must do for the workstation: run statement text and hand back
// fully read result sets. The embedded server is one; a SQL Server connection
// would be another, passing the same text through unchanged.
class ConnectionBackend {
public:
    virtual ~ConnectionBackend() = default;
    virtual ResultSet execute(const QString& statement, qint64& rowsAffected) = 0;
    virtual void begin() = 0;
    virtual void commit() = 0;
    virtual void rollback() = 0;
    virtual bool inTransaction() const = 0;
    virtual void setCommandTimeout(int seconds) = 0;
    virtual QString serverName() const = 0;   // what the log-in dialog shows
    virtual QString databaseName() const = 0;
};

} // namespace tavrix
