#include "data/Connection.h"

#include "data/ConnectionBackend.h"
#include "data/DbError.h"

namespace tavrix {

Connection::Connection() = default;
Connection::~Connection() = default;

void Connection::open(std::unique_ptr<ConnectionBackend> backend) {
    backend_ = std::move(backend);
    backend_->setCommandTimeout(timeoutSeconds_);
}

void Connection::close() { backend_.reset(); }

ConnectionBackend& Connection::backend() const {
    if (!backend_)
        throw DbError(3704, QStringLiteral("Operation is not allowed when the connection is closed."));
    return *backend_;
}

ResultSet Connection::execute(const QString& statement) {
    if (logging_)
        log_ << statement;
    rowsAffected_ = 0;
    return backend().execute(statement, rowsAffected_);
}

void Connection::setCommandTimeout(int seconds) {
    timeoutSeconds_ = seconds;
    if (backend_)
        backend_->setCommandTimeout(seconds);
}

void Connection::beginTransaction() { backend().begin(); }
void Connection::commitTransaction() { backend().commit(); }
void Connection::rollbackTransaction() {
    if (backend_)
        backend_->rollback();
}
bool Connection::inTransaction() const { return backend_ && backend_->inTransaction(); }
QString Connection::serverName() const { return backend_ ? backend_->serverName() : QString(); }
QString Connection::databaseName() const { return backend_ ? backend_->databaseName() : QString(); }

} // namespace tavrix
