#include "app/MainScreensFactory.h"

#include "charging/frmInPatient.h"
#include "results/frmEntry.h"
#include "ui/Prompts.h"

namespace tavrix {

namespace {

// Each screen is made afresh for every opening and lives only while it is up.
template <typename Screen> std::function<void()> modal(QWidget* parent) {
    return [parent] {
        Screen screen(parent);
        Ui::runModal(screen);
    };
}

} // namespace

MainScreens mainScreens(QWidget* mainWindow) {
    MainScreens screens;
    screens.inPatient = modal<frmInPatient>(mainWindow);
    screens.resultEntry = modal<frmEntry>(mainWindow);
    return screens;
}

} // namespace tavrix
