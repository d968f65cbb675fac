#include "app/MainScreensFactory.h"

namespace tavrix {

MainScreens mainScreens(QWidget* mainWindow) {
    Q_UNUSED(mainWindow);
    MainScreens screens;
    return screens;
}

} // namespace tavrix
