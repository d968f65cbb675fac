#include "components/LoginCurrentUser.h"

#include "components/frmLogin.h"
#include "ui/Prompts.h"
#include "ui/Settings.h"

#include <QWidget>

namespace tavrix {

void LoginCurrentUser::ShowMain() {
    frmLogin dialog(*this, qobject_cast<QWidget*>(hwndParentForm));
    dialog.setDatabasePath(Ui::Settings().lastDatabase());
    Ui::runModal(dialog);
    if (!connected_)
        connection_.close();
}

} // namespace tavrix
