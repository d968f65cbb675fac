// tavrix-screens: renders the program's screens with the demo hospital to PNG
// files, so that we look at them as a clerk would.
//   tavrix-screens DATABASE OUTDIR

#include "app/MainScreensFactory.h"
#include "app/PendingBanner.h"
#include "app/frmMain.h"
#include "components/ComponentSet.h"
#include "ui/Prompts.h"
#include "ui/frmHelp.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFrame>
#include <QLineEdit>
#include <QSettings>
#include <QTimer>

#include <iostream>

using namespace tavrix;

namespace {

QString g_out;

void save(QWidget* w, const QString& name) {
    QApplication::processEvents();
    const QString file = QDir(g_out).filePath(name + QStringLiteral(".png"));
    w->grab().save(file);
    std::cout << file.toStdString() << "\n";
}

// Looks at each modal screen, then acts as the clerk where it must to go on.
class Shooter : public Ui::PromptResponder {
public:
    Ui::Answer answer(const Ui::Message& m) override {
        std::cout << "message: " << m.text.toStdString() << "\n";
        return m.buttons == Ui::Buttons::YesNo ? Ui::Answer::Yes : Ui::Answer::Ok;
    }
    int runModal(QDialog& d) override {
        d.show();
        d.activateWindow();
        QApplication::processEvents();
        const QString name = d.objectName().isEmpty() ? QString::fromLatin1(d.metaObject()->className()) : d.objectName();
        if (name == QLatin1String("frmLogin")) {
            d.findChild<QLineEdit*>("txtUserID")->setText("DEMO");
            d.findChild<QLineEdit*>("txtPassword")->setText("demo");
            save(&d, "login");
            d.findChild<QAbstractButton*>("cmdOK")->click();
            return d.result();
        }
        save(&d, name);
        return QDialog::Rejected;
    }
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavrix MRI"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    if (argc != 3) {
        std::cerr << "usage: tavrix-screens DATABASE OUTDIR\n";
        return 2;
    }
    g_out = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(g_out);
    Shooter shooter;
    Ui::setResponder(&shooter);

    // The log-in offers the last database used: point it at ours.
    {
        QSettings s(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Tavrix"), QStringLiteral("TavrixMRI"));
        s.setValue(QStringLiteral("Login/Database"), QString::fromLocal8Bit(argv[1]));
    }
    frmMain window(createComponents());
    window.setScreens(mainScreens(&window));
    if (!window.load()) {
        std::cerr << "log-in failed\n";
        return 1;
    }
    window.resize(1280, 860);
    window.show();
    for (int i = 0; i < 40; ++i)
        window.bannerTick();
    window.announce();
    for (int g = 1; g <= 5; ++g) {
        window.chooseGroup(g);
        save(&window, QStringLiteral("main-group%1").arg(g));
    }
    window.chooseGroup(1);
    window.showOutPatientOptions();
    save(&window, "main-outpatient-options");
    window.showDailyCensusOptions();
    save(&window, "main-daily-census");
    window.showOtherOptions();
    save(&window, "main-other-options");
    window.backToMenu();
    frmHelp help(frmHelp::MainWindowPage);
    help.show();
    save(&help, "help-main");
    help.tabs()->setCurrentIndex(1);
    save(&help, "help-results");
    return 0;
}
