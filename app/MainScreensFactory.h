#pragma once

#include "app/MainScreens.h"

class QWidget;

namespace tavrix {

// The screens this build of the program provides, opened over the main window.
MainScreens mainScreens(QWidget* mainWindow);

} // namespace tavrix
