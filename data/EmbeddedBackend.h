#pragma once

#include "data/ConnectionBackend.h"

#include <memory>

namespace tavrix::server {
class Database;
}

namespace tavrix {

// The embedded hospital server in this process, on one database file.
class EmbeddedBackend : public ConnectionBackend {
public:
    enum class Create { No, Empty, Demo };
    EmbeddedBackend(const QString& path, Create create); // throws DbError when it cannot open
    ~EmbeddedBackend() override;

    ResultSet execute(const QString& statement, qint64& rowsAffected) override;
    void begin() override;
    void commit() override;
    void rollback() override;
    bool inTransaction() const override;
    void setCommandTimeout(int seconds) override;
    QString serverName() const override;
    QString databaseName() const override { return path_; }

private:
    std::unique_ptr<server::Database> db_;
    QString path_;
};

} // namespace tavrix
