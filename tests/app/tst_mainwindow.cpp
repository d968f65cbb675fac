// The main window: start-up, command groups, option panels, the out-patient
// checks, the background notices and the colour scheme.

#include "app/DischargeNotifier.h"
#include "app/GroupBar.h"
#include "app/MainScreensFactory.h"
#include "app/PendingBanner.h"
#include "app/frmMain.h"
#include "data/SessionContext.h"
#include "tests/support/Fakes.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TestSession.h"
#include "ui/Screen.h"
#include "ui/TitleBand.h"
#include "ui/frmHelp.h"

#include <QAction>
#include <QFrame>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

using namespace tavrix;
using namespace tavrix::test;

namespace {

struct Started {
    std::unique_ptr<frmMain> window;
    FakeRadiologySearch* radiology;
    FakeSuppliesList* supplies;
    FakeDrugInfo* drugs;
};

// A main window over the session's database, with fake look-up components.
Started makeWindow(TestSession& t, bool loggedIn = true, bool suppliesOk = true, bool drugsOk = true) {
    ComponentSet c;
    auto radiology = std::make_unique<FakeRadiologySearch>();
    auto supplies = std::make_unique<FakeSuppliesList>();
    auto drugs = std::make_unique<FakeDrugInfo>();
    supplies->usable = suppliesOk;
    drugs->usable = drugsOk;
    Started s{nullptr, radiology.get(), supplies.get(), drugs.get()};
    c.radiologySearch = std::move(radiology);
    c.suppliesList = std::move(supplies);
    c.drugInfo = std::move(drugs);
    c.icdSearch = std::make_unique<FakeIcdSearch>();
    if (loggedIn) {
        c.currentUser = t.newUser();
    } else {
        c.currentUser = std::make_unique<TestCurrentUser>(); // ShowMain gives up
    }
    c.codeSearch = std::make_unique<FakeCodeSearch>();
    s.window = std::make_unique<frmMain>(std::move(c));
    return s;
}

void clearColours() {
    QSettings s(QSettings::IniFormat, QSettings::UserScope, "TavRixColor", "TavRixColor");
    s.clear();
}

class ProbeScreen : public Ui::Screen {
public:
    ProbeScreen() { makeTitleBand("Probe"); }
};

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void init() { clearColours(); }

    void startUp_data() {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<bool>("doctorFee");
        QTest::addColumn<QString>("radiologist");
        QTest::newRow("demo hospital") << "" << true << "MARIA LOURDES SANTOS REYES";
        QTest::newRow("no options row, no default radiologist")
            << "DELETE RADIOLOGY..tbRadioOptions WHERE RevenueID = 'MI';DELETE RADIOLOGY..tbMRIDefaultRadiologist WHERE 1 = 1"
            << false << "";
    }
    void startUp() {
        QFETCH(QString, fixture);
        QFETCH(bool, doctorFee);
        QFETCH(QString, radiologist);
        TestSession t(TestSession::Data::Demo);
        t.run(fixture);
        Started s = makeWindow(t);
        QVERIFY(s.window->load());
        const auto& session = SessionContext::instance();
        QCOMPARE(s.window->windowTitle(), QStringLiteral("Tavrix - MAGNETIC RESONANCE IMAGING: ST. ANSELM MEDICAL CENTER"));
        QCOMPARE(session.RevenueID, QStringLiteral("MI"));
        QCOMPARE(session.HospitalAddress, QStringLiteral("1200 Mabini Street, Jaro, Iloilo City"));
        QCOMPARE(session.HospitalTitle, QStringLiteral("DEPARTMENT OF RADIOLOGY"));
        QCOMPARE(session.IncludeDoctorFee, doctorFee);
        QCOMPARE(session.DefaultRadiologistName, radiologist);
        QCOMPARE(session.EmployeeName, QStringLiteral("ANA M. SANTIAGO"));
        QCOMPARE(s.radiology->Hospital, QStringLiteral("ST. ANSELM MEDICAL CENTER"));
        QCOMPARE(s.radiology->RevenueID, QStringLiteral("MI"));
        QCOMPARE(session.codeSearch->CompanyName, QStringLiteral("ST. ANSELM MEDICAL CENTER"));
        QCOMPARE(session.currentUser->sqlconnection().commandTimeout(), 120);
        QVERIFY(s.window->statusUser().startsWith(" User : "));
        // The workstation's date, not the server's.
        QCOMPARE(s.window->statusDate(),
                 " Today is " + QLocale(QLocale::English).toString(QDate::currentDate(), "dddd, dd MMMM yyyy"));
        QVERIFY(s.window->pendingTimer()->isActive());
        QCOMPARE(s.window->pendingTimer()->interval(), 10000);
        QVERIFY(s.window->noticeTimer()->isActive());
    }

    void startUpEnds_data() {
        QTest::addColumn<bool>("loggedIn");
        QTest::addColumn<bool>("suppliesOk");
        QTest::addColumn<bool>("drugsOk");
        QTest::addColumn<QString>("message");
        QTest::newRow("log-in given up") << false << true << true << "";
        QTest::newRow("supplies list unusable") << true << false << true << "Cannot load supplies list.";
        QTest::newRow("drug information unusable") << true << true << false << "Cannot load supplies information.";
    }
    void startUpEnds() {
        QFETCH(bool, loggedIn);
        QFETCH(bool, suppliesOk);
        QFETCH(bool, drugsOk);
        QFETCH(QString, message);
        TestSession t(TestSession::Data::Demo);
        ScriptedPrompts prompts;
        if (!message.isEmpty())
            prompts.expect({message, "Tavrix MRI", Ui::Icon::Critical, Ui::Buttons::Ok, {}}, Ui::Answer::Ok);
        Started s = makeWindow(t, loggedIn, suppliesOk, drugsOk);
        QVERIFY(!s.window->load());
        QVERIFY(!s.window->isVisible());
        QVERIFY(!s.window->pendingTimer()->isActive());
        VERIFY_PROMPTS(prompts);
    }

    void groupBarStacking_data() {
        QTest::addColumn<QList<int>>("choices");
        QTest::addColumn<QList<int>>("tops"); // groups 1 to 5, twips
        QTest::newRow("start-up") << QList<int>{} << QList<int>{0, 6300, 6600, 6900, 7200};
        QTest::newRow("reports then results") << QList<int>{3, 2} << QList<int>{0, 300, 6600, 6900, 7200};
        QTest::newRow("maintenance") << QList<int>{5} << QList<int>{0, 300, 600, 900, 1200};
        QTest::newRow("back to request") << QList<int>{5, 1} << QList<int>{0, 6300, 6600, 6900, 7200};
        QTest::newRow("build file") << QList<int>{4} << QList<int>{0, 300, 600, 900, 7200};
    }
    void groupBarStacking() {
        QFETCH(QList<int>, choices);
        QFETCH(QList<int>, tops);
        TestSession t(TestSession::Data::Demo);
        Started s = makeWindow(t);
        for (int c : choices)
            s.window->chooseGroup(c);
        for (int g = 1; g <= 5; ++g)
            QCOMPARE(s.window->groupBar()->buttonTop(g), tops[g - 1]);
        const int current = choices.isEmpty() ? 1 : choices.last();
        for (int g = 1; g <= 5; ++g)
            QCOMPARE(s.window->groupBar()->panel(g)->isVisibleTo(s.window->groupBar()), g == current);
    }

    void optionPanelsDisableTheBar() {
        TestSession t(TestSession::Data::Demo);
        Started s = makeWindow(t);
        s.window->show();
        s.window->showOtherOptions();
        QVERIFY(s.window->otherOptionsPanel()->isVisible());
        QVERIFY(!s.window->groupBar()->isEnabled());
        QCOMPARE(s.window->otherOptionsPanel()->pos(), QPoint(0, 156)); // 2340 twips from the top
        s.window->showOutPatientOptions(); // at most one panel at a time
        QVERIFY(!s.window->otherOptionsPanel()->isVisible());
        s.window->backToMenu();
        QVERIFY(!s.window->outPatientPanel()->isVisible());
        QVERIFY(s.window->groupBar()->isEnabled());
        QVERIFY(s.window->action("mnuShortcutKeys")->isEnabled()); // the menu stays usable
    }

    void commandsFollowTheirScreens() {
        TestSession t(TestSession::Data::Demo);
        Started s = makeWindow(t);
        QVERIFY(!s.window->action("mnuInPatient")->isEnabled());
        QCOMPARE(s.window->action("mnuInPatient")->shortcut(), QKeySequence(Qt::Key_F4));
        int opened = 0;
        MainScreens screens;
        screens.inPatient = [&] { ++opened; };
        s.window->setScreens(screens);
        QVERIFY(s.window->action("mnuInPatient")->isEnabled());
        QVERIFY(!s.window->action("mnuResultEntry")->isEnabled());
        s.window->action("mnuInPatient")->trigger();
        s.window->findChild<QAbstractButton*>("cmdInPatient")->click();
        QCOMPARE(opened, 2);
    }

    // The screens this build provides open from their commands and keys.
    void providedScreensOpen_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("screen");
        QTest::newRow("in-patient request, F4") << "mnuInPatient" << "cmdInPatient" << "frmInPatient";
        QTest::newRow("result entry, F11") << "mnuResultEntry" << "cmdResultEntry" << "frmEntry";
    }
    void providedScreensOpen() {
        QFETCH(QString, action);
        QFETCH(QString, button);
        QFETCH(QString, screen);
        TestSession t(TestSession::Data::Demo);
        Started s = makeWindow(t);
        QVERIFY(s.window->load());
        s.window->setScreens(mainScreens(s.window.get()));
        ScriptedPrompts prompts;
        auto close = [](QDialog&) { return int(QDialog::Rejected); };
        prompts.expectModal(screen, close).expectModal(screen, close);
        QVERIFY(s.window->action(action)->isEnabled());
        s.window->action(action)->trigger();
        s.window->findChild<QAbstractButton*>(button)->click();
        VERIFY_PROMPTS(prompts);
        QVERIFY(!s.window->action("mnuAssessment")->isEnabled()); // not in this build yet
    }

    void outPatientChecks_data() {
        QTest::addColumn<QString>("idNum");
        QTest::addColumn<QString>("hospNum");
        QTest::addColumn<QString>("account");
        QTest::addColumn<bool>("billedToday");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("message");
        const QString closed = "Cannot post charges because the patient's account has already been closed. \n"
                               "Please contact BILLING DEPARTMENT for further instructions.";
        const QString personal = "Patient`s with Personal Account is Not Allowed.\n"
                                 "Please Use Cash Assessment Entry Option for this Patient.";
        const QString revoked = "Registration for the selected patient is revoked.";
        QTest::newRow("closed bill") << "OPD260205" << "000125" << "C003" << true << "Closed Bill" << closed;
        QTest::newRow("personal account") << "OPD260203" << "000123" << "000123" << false << "Message" << personal;
        QTest::newRow("revoked registration") << "OPD260204" << "000124" << "C002" << false << "Message" << revoked;
        QTest::newRow("no registration row") << "OPD999999" << "000121" << "C001" << false << "Message" << revoked;
        QTest::newRow("accepted, blanks around the number") << " OPD260201 " << "000121" << "C001" << false << "" << "";
    }
    void outPatientChecks() {
        QFETCH(QString, idNum);
        QFETCH(QString, hospNum);
        QFETCH(QString, account);
        QFETCH(bool, billedToday);
        QFETCH(QString, title);
        QFETCH(QString, message);
        TestSession t(TestSession::Data::Demo);
        Started s = makeWindow(t);
        QVERIFY(s.window->load());
        s.radiology->pick = true;
        s.radiology->patient.IdNumber = idNum;
        s.radiology->patient.HospitalNumber = hospNum;
        s.radiology->patient.AccountNum = account;
        s.radiology->patient.BillingDate = billedToday ? QDate::currentDate().toString("MM/dd/yyyy") : QString();
        QString opened;
        MainScreens screens;
        screens.outPatient = [&](const PatientRecord& p) { opened = p.IdNumber; };
        s.window->setScreens(screens);
        ScriptedPrompts prompts;
        if (!message.isEmpty())
            prompts.expect({message, title, title == "Closed Bill" ? Ui::Icon::Warning : Ui::Icon::Information,
                            Ui::Buttons::Ok, {}},
                           Ui::Answer::Ok);
        s.window->action("mnuOutPatient")->trigger(); // F5 runs the checks without the panel
        VERIFY_PROMPTS(prompts);
        QCOMPARE(opened, message.isEmpty() ? idNum : QString());
        QCOMPARE(s.radiology->calls, QStringList{"PatientListing 204 ''"});
        QVERIFY(s.window->groupBar()->isEnabled());
    }

    void nothingPickedOpensNothing() {
        TestSession t(TestSession::Data::Demo);
        Started s = makeWindow(t);
        QVERIFY(s.window->load());
        bool opened = false;
        MainScreens screens;
        screens.outPatient = [&](const PatientRecord&) { opened = true; };
        s.window->setScreens(screens);
        ScriptedPrompts prompts;
        s.window->showOutPatientOptions();
        s.window->findChild<QPushButton*>("cmdChargePatient")->click();
        VERIFY_PROMPTS(prompts);
        QVERIFY(!opened);
        QVERIFY(!s.window->outPatientPanel()->isVisible());
        QVERIFY(s.window->groupBar()->isEnabled());
    }

    void bannerTypesItself() {
        PendingBanner banner;
        const QString text = "There are pending requests issued.";
        QCOMPARE(text.size(), 34);
        QStringList shown;
        for (int i = 0; i < 38; ++i) {
            banner.tick();
            shown << banner.shownText();
        }
        QCOMPARE(shown[0], QString());
        QCOMPARE(shown[1], QString("T"));
        QCOMPARE(shown[34], text);
        QCOMPARE(shown[35], text); // complete for two ticks
        QCOMPARE(shown[36], QString("T"));
        QCOMPARE(shown[37], QString("Th"));
    }

    void pendingCheckShowsAndHidesTheBanner() {
        TestSession t(TestSession::Data::Demo);
        Started s = makeWindow(t);
        QVERIFY(s.window->load());
        QVERIFY(!s.window->banner()->isHidden());
        QVERIFY(s.window->bannerTimer()->isActive());
        QCOMPARE(s.window->bannerTimer()->interval(), 50);
        t.run("UPDATE RADIOLOGY..tbNurseRequest SET Status = 'S' WHERE Status = 'P'");
        s.window->checkPending();
        QVERIFY(s.window->banner()->isHidden());
        QVERIFY(!s.window->bannerTimer()->isActive());
    }

    void dischargeNotices() {
        TestSession t(TestSession::Data::Demo);
        Started s = makeWindow(t);
        QVERIFY(s.window->load());
        QVERIFY(!s.window->notifier()->isHidden());
        QCOMPARE(s.window->notifier()->sentences(), QStringLiteral("You have a discharge notice! Double Click on the wizard."));
        QVERIFY(s.window->announceTimer()->isActive());
        QCOMPARE(s.window->announceTimer()->interval(), 20000);

        // A notice the clerk abandons opens no clearance; the check runs again at once.
        int lists = 0, clearances = 0;
        MainScreens screens;
        screens.dischargeNotice = [&](QString*) { ++lists; return false; };
        screens.clearPatient = [&](const QString&) { ++clearances; };
        s.window->setScreens(screens);
        s.window->processNotice();
        QCOMPARE(lists, 1);
        QCOMPARE(clearances, 0);
        QVERIFY(s.window->noticeTimer()->isActive());

        // Cleared elsewhere: the next check hides it, mid-cycle or not.
        t.run("INSERT INTO RADIOLOGY..tbDischargeClearance (IDNum, RevenueID, ClearDate) VALUES ('260114', 'MI', getdate())");
        screens.dischargeNotice = [&](QString* id) { *id = "260114"; return true; };
        s.window->setScreens(screens);
        s.window->processNotice();
        QCOMPARE(clearances, 1);
        QVERIFY(s.window->notifier()->isHidden());
        QVERIFY(!s.window->announceTimer()->isActive());
    }

    void exitAsks_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closes");
        QTest::newRow("yes") << int(Ui::Answer::Yes) << true;
        QTest::newRow("no") << int(Ui::Answer::No) << false;
    }
    void exitAsks() {
        QFETCH(int, answer);
        QFETCH(bool, closes);
        TestSession t(TestSession::Data::Demo);
        Started s = makeWindow(t);
        QVERIFY(s.window->load());
        s.window->show();
        ScriptedPrompts prompts;
        prompts.expect({"Want to Exit Program ?", "Message", Ui::Icon::Question, Ui::Buttons::YesNo, Ui::Answer::Yes},
                       Ui::Answer(answer));
        s.window->findChild<QPushButton*>("cmdExit")->click();
        VERIFY_PROMPTS(prompts);
        QCOMPARE(s.window->isVisible(), !closes);
        QCOMPARE(SessionContext::instance().currentUser->sqlconnection().isOpen(), !closes);
    }

    void shortcutHelpPages() {
        TestSession t(TestSession::Data::Demo);
        Started s = makeWindow(t);
        ScriptedPrompts prompts;
        int page = -1;
        prompts.expectModal("frmHelp", [&](QDialog& d) {
            page = static_cast<frmHelp&>(d).tabs()->currentIndex();
            return int(QDialog::Rejected);
        });
        s.window->action("mnuShortcutKeys")->trigger();
        VERIFY_PROMPTS(prompts);
        QCOMPARE(page, 0);
        QCOMPARE(s.window->action("mnuShortcutKeys")->shortcut(), QKeySequence(Qt::Key_F1));
        const QStringList main = frmHelp::lines(frmHelp::MainWindowPage);
        QCOMPARE(main.size(), 10);
        QCOMPARE(main.first(), QStringLiteral("F1 = View Shortcut Keys"));
        QCOMPARE(main.last(), QStringLiteral("Ctrl + L = Patient's Ledger"));
        const QStringList results = frmHelp::lines(frmHelp::ResultScreensPage);
        QCOMPARE(results.size(), 12);
        QCOMPARE(results[9], QStringLiteral("F11 = To Enlarge Result Entry"));
        QCOMPARE(results.last(), QStringLiteral("Ctrl + V = Result Verification"));
    }

    void colourScheme_data() {
        QTest::addColumn<QString>("band");
        QTest::addColumn<QColor>("expected");
        QTest::newRow("default grey") << "" << QColor(128, 128, 128);
        QTest::newRow("stored 255 is red") << "255" << QColor(255, 0, 0);
        QTest::newRow("blue") << "16711680" << QColor(0, 0, 255);
        QTest::newRow("not a number reads as black") << "red" << QColor(0, 0, 0);
    }
    void colourScheme() {
        QFETCH(QString, band);
        QFETCH(QColor, expected);
        if (!band.isEmpty()) {
            QSettings s(QSettings::IniFormat, QSettings::UserScope, "TavRixColor", "TavRixColor");
            s.setValue("FormColor/BandColor", band);
            s.sync();
        }
        ProbeScreen screen;
        screen.show();
        screen.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&screen));
        QCOMPARE(screen.titleBand()->palette().color(QPalette::Window), expected);
        QCOMPARE(screen.titleBand()->palette().color(QPalette::WindowText), QColor(224, 224, 224));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
