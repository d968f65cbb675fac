// Tavrix MRI: the main window's load step is the start-up.

#include "app/MainScreensFactory.h"
#include "app/frmMain.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavrix MRI"));
    QApplication::setOrganizationName(QStringLiteral("Tavrix"));
    QApplication::setApplicationVersion(QStringLiteral(TAVRIX_VERSION));

    tavrix::frmMain window(tavrix::createComponents());
    window.setScreens(tavrix::mainScreens(&window));
    if (!window.load())
        return 0;
    window.showMaximized();
    return app.exec();
}
