#include "tests/support/TestSession.h"

#include "data/EmbeddedBackend.h"
#include "data/SessionContext.h"

namespace tavrix::test {

TestSession::TestSession(Data data) : path_(dir_.filePath(QStringLiteral("hospital.db"))) {
    user_ = std::make_unique<TestCurrentUser>();
    user_->sqlconnection().open(std::make_unique<EmbeddedBackend>(
        path_, data == Data::Demo ? EmbeddedBackend::Create::Demo : EmbeddedBackend::Create::Empty));
    user_->setEmployee(QStringLiteral("E0101"), QStringLiteral("ANA M. SANTIAGO"));
    user_->sqlconnection().setLogging(true);
    auto& session = SessionContext::instance();
    session.reset();
    session.currentUser = user_.get();
    session.RevenueID = QStringLiteral("MI");
    session.EmployeeName = user_->EmployeeName();
}

TestSession::~TestSession() {
    auto& session = SessionContext::instance();
    if (session.currentUser == user_.get())
        session.reset();
}

std::unique_ptr<TestCurrentUser> TestSession::newUser(const QString& code, const QString& name) const {
    auto user = std::make_unique<TestCurrentUser>();
    user->sqlconnection().open(std::make_unique<EmbeddedBackend>(path_, EmbeddedBackend::Create::No));
    user->sqlconnection().setLogging(true);
    user->setEmployee(code, name);
    return user;
}

void TestSession::run(const QString& statements) {
    for (const QString& s : statements.split(u';', Qt::SkipEmptyParts))
        if (!s.trimmed().isEmpty())
            db().execute(s.trimmed());
    db().clearLog();
}

QString TestSession::scalar(const QString& statement) {
    const ResultSet rs = db().execute(statement);
    return rs.isEmpty() ? QString() : rs.text(0, 0);
}

} // namespace tavrix::test
