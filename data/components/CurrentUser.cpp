#include "data/components/CurrentUser.h"

#include "data/DbError.h"
#include "data/EmbeddedBackend.h"
#include "data/Encryption.h"
#include "data/SqlText.h"

namespace tavrix {

CurrentUser::LogInResult CurrentUser::logIn(const QString& databasePath, const QString& userId,
                                            const QString& password, bool createDemoIfMissing, QString* error) {
    connected_ = false;
    try {
        if (!connection_.isOpen() || connection_.databaseName() != databasePath)
            connection_.open(std::make_unique<EmbeddedBackend>(
                databasePath, createDemoIfMissing ? EmbeddedBackend::Create::Demo : EmbeddedBackend::Create::No));
    } catch (const DbError& e) {
        if (error)
            *error = e.message();
        return LogInResult::CannotOpenDatabase;
    }
    const QString scrambled =
        Encryption::ScramblePassword(QStringLiteral("E"), QLatin1String(Encryption::PasswordKey), password.trimmed());
    const ResultSet rs = connection_.execute(
        SqlText::build(u"PASSWORD..spPass_CheckLogin '{}','{}'", {userId.trimmed(), scrambled}));
    if (rs.isEmpty())
        return LogInResult::WrongUserOrPassword;
    const ResultRow row = rs.first();
    employeecode_ = row.text("EmployeeID");
    initial_ = row.text("Initial");
    employeeName_ = row.text("EmployeeName");
    station_ = row.text("Station");
    userId_ = userId.trimmed().toUpper();
    serverName_ = connection_.serverName();
    serverPassword_.clear();
    connected_ = true;
    return LogInResult::Accepted;
}

} // namespace tavrix
