// Tavrix MRI: the main window's load step is the start-up.

#include "app/MainScreensFactory.h"
#include "app/frmMain.h"
#include "components/ComponentSet.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavrix MRI"));
    QApplication::setOrganizationName(QStringLiteral("Tavrix"));
    QApplication::setApplicationVersion(QStringLiteral(TAVRIX_VERSION));

    tavrix::ComponentSet set = tavrix::createComponents();
    tavrix::StartUpComponents components;
    components.radiologySearch = std::move(set.radiologySearch);
    components.suppliesList = std::move(set.suppliesList);
    components.drugInfo = std::move(set.drugInfo);
    components.icdSearch = std::move(set.icdSearch);
    components.currentUser = std::move(set.currentUser);
    auto codeSearch = std::make_shared<std::unique_ptr<tavrix::CodeSearch>>(std::move(set.codeSearch));
    components.makeCodeSearch = [codeSearch] { return std::move(*codeSearch); };

    tavrix::frmMain window(std::move(components));
    window.setScreens(tavrix::mainScreens(&window));
    if (!window.load())
        return 0;
    window.showMaximized();
    return app.exec();
}
