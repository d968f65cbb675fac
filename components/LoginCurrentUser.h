#pragma once

#include "data/components/CurrentUser.h"

namespace tavrix {

// The user-session component whose ShowMain shows the log-in dialog (frmLogin)
// on the database last used (the demo hospital in the user's data folder at
// first). Cancelling leaves Connected false and no connection open.
// PasswordDeptCode plays no part in the log-in.
class LoginCurrentUser : public CurrentUser {
public:
    void ShowMain() override;
};

} // namespace tavrix
