#include "data/SessionContext.h"

#include "data/DbError.h"
#include "data/components/CurrentUser.h"

namespace tavrix {

SessionContext& SessionContext::instance() {
    static SessionContext session;
    return session;
}

Connection& SessionContext::connection() const {
    if (!currentUser)
        throw DbError(3704, QStringLiteral("Nobody is logged in: there is no connection to the server."));
    return currentUser->sqlconnection();
}

QString SessionContext::employeeCode() const { return currentUser ? currentUser->employeecode() : QString(); }

void SessionContext::reset() { *this = SessionContext(); }

} // namespace tavrix
