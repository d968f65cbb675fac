#include "app/frmMain.h"

#include "app/DischargeNotifier.h"
#include "app/GroupBar.h"
#include "app/OutPatientCheck.h"
#include "app/PendingBanner.h"
#include "app/WorkArea.h"
#include "data/Connection.h"
#include "data/DbError.h"
#include "data/SessionContext.h"
#include "data/SqlText.h"
#include "data/StoredProcs.h"
#include "ui/ColorScheme.h"
#include "ui/Prompts.h"
#include "ui/CommandIcon.h"
#include "ui/Twips.h"
#include "ui/frmHelp.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QDate>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace tavrix {

namespace {

SessionContext& session() { return SessionContext::instance(); }

template <typename F> std::function<bool(const MainScreens&)> needs(F member) {
    return [member](const MainScreens& s) { return static_cast<bool>(s.*member); };
}

// A failure of a background check or a command is told, never fatal.
void reportFailure(const QString& action, const DbError& e) {
    Ui::message(action + QStringLiteral(" failed:\n") + e.message(), Ui::appTitle(), Ui::Icon::Critical);
}

} // namespace

frmMain::frmMain(ComponentSet components, QWidget* parent) : QMainWindow(parent), components_(std::move(components)) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Tavrix - MAGNETIC RESONANCE IMAGING"));

    auto* central = new QWidget(this);
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    // Top bar: the title, the request-status button and the pending-request banner.
    auto* top = new QFrame(central);
    top->setObjectName(QStringLiteral("picTop"));
    top->setFrameShape(QFrame::StyledPanel);
    auto* topLayout = new QHBoxLayout(top);
    auto* title = new QLabel(QLatin1String(Title), top);
    title->setObjectName(QStringLiteral("lblTitle"));
    QFont tf = title->font();
    tf.setPointSizeF(tf.pointSizeF() * 1.8);
    tf.setBold(true);
    title->setFont(tf);
    requestStatusButton_ = new QPushButton(style()->standardIcon(QStyle::SP_FileDialogDetailedView),
                                           QStringLiteral("Request Status"), top);
    requestStatusButton_->setObjectName(QStringLiteral("cmdRequestStatus"));
    banner_ = new PendingBanner(top);
    topLayout->addWidget(title);
    topLayout->addStretch();
    topLayout->addWidget(banner_);
    topLayout->addWidget(requestStatusButton_);
    outer->addWidget(top);

    auto* body = new QHBoxLayout;
    body->setSpacing(0);
    groupBar_ = new GroupBar(central);
    groupBar_->setObjectName(QStringLiteral("picGroups"));
    groupBar_->setFixedWidth(150);
    workArea_ = new WorkArea(central);
    workArea_->setObjectName(QStringLiteral("picWorkArea"));
    workArea_->setAutoFillBackground(true);
    body->addWidget(groupBar_);
    body->addWidget(workArea_, 1);
    outer->addLayout(body, 1);
    setCentralWidget(central);

    notifier_ = new DischargeNotifier(workArea_);
    workArea_->installEventFilter(this);

    userField_ = new QLabel(this);
    userField_->setObjectName(QStringLiteral("sbUser"));
    captionField_ = new QLabel(this);
    captionField_->setObjectName(QStringLiteral("sbCaption"));
    dateField_ = new QLabel(this);
    dateField_->setObjectName(QStringLiteral("sbDate"));
    statusBar()->addWidget(userField_);
    statusBar()->addWidget(captionField_, 1);
    statusBar()->addPermanentWidget(dateField_);

    buildGroups();
    buildOptionPanels();
    buildMenus();

    pendingTimer_ = new QTimer(this);
    pendingTimer_->setInterval(10000);
    connect(pendingTimer_, &QTimer::timeout, this, &frmMain::checkPending);
    bannerTimer_ = new QTimer(this);
    bannerTimer_->setInterval(50);
    connect(bannerTimer_, &QTimer::timeout, this, &frmMain::bannerTick);
    noticeTimer_ = new QTimer(this);
    noticeTimer_->setInterval(60000);
    connect(noticeTimer_, &QTimer::timeout, this, &frmMain::checkDischargeNotices);
    announceTimer_ = new QTimer(this);
    announceTimer_->setInterval(20000);
    connect(announceTimer_, &QTimer::timeout, this, &frmMain::announce);

    connect(banner_, &PendingBanner::openRequested, this, [this] { open(screens_.nursingRequest); });
    connect(notifier_, &DischargeNotifier::doubleClicked, this, &frmMain::processNotice);
    connect(requestStatusButton_, &QPushButton::clicked, this, [this] { open(screens_.requestStatus); });
    needs_.insert(requestStatusButton_, needs(&MainScreens::requestStatus));
    applyAvailability();
    resize(1200, 800);
}

frmMain::~frmMain() {
    auto& s = session();
    if (s.currentUser == components_.currentUser.get())
        s.reset();
}

QAction* frmMain::addCommand(QMenu* menu, const QString& name, const QString& text, const QKeySequence& key,
                             std::function<void()> run) {
    auto* a = new QAction(text, this);
    a->setObjectName(name);
    if (!key.isEmpty())
        a->setShortcut(key);
    a->setShortcutContext(Qt::ApplicationShortcut);
    connect(a, &QAction::triggered, this, std::move(run));
    if (menu)
        menu->addAction(a);
    else
        addAction(a);
    return a;
}

QAction* frmMain::action(const QString& objectName) const { return findChild<QAction*>(objectName); }

void frmMain::buildMenus() {
    QMenu* charging = menuBar()->addMenu(QStringLiteral("Charging/Assessment Entry"));
    charging->setObjectName(QStringLiteral("mnuCharging"));
    needs_.insert(addCommand(charging, "mnuAssessment", "Assessment Entry", Qt::Key_F6, [this] { open(screens_.assessment); }),
                  needs(&MainScreens::assessment));
    needs_.insert(addCommand(charging, "mnuOutPatient", "Out Patient Entry", Qt::Key_F5, [this] { chargePatientEntry(); }),
                  needs(&MainScreens::outPatient));
    needs_.insert(addCommand(charging, "mnuInPatient", "In Patient Entry", Qt::Key_F4, [this] { open(screens_.inPatient); }),
                  needs(&MainScreens::inPatient));

    QMenu* results = menuBar()->addMenu(QStringLiteral("Result Entry"));
    results->setObjectName(QStringLiteral("mnuResults"));
    needs_.insert(addCommand(results, "mnuResultEntry", "Result Entry", Qt::Key_F11, [this] { open(screens_.resultEntry); }),
                  needs(&MainScreens::resultEntry));
    needs_.insert(addCommand(results, "mnuResultEditing", "Result Editing", Qt::Key_F12, [this] { open(screens_.retrieve); }),
                  needs(&MainScreens::retrieve));
    needs_.insert(addCommand(results, "mnuVerification", "Result Verification", QKeySequence(Qt::CTRL | Qt::Key_V),
                             [this] { open(screens_.verification); }),
                  needs(&MainScreens::verification));

    QMenu* file = menuBar()->addMenu(QStringLiteral("File Maintanance"));
    file->setObjectName(QStringLiteral("mnuFile"));
    addCommand(file, "mnuShortcutKeys", "Shortcut Keys", Qt::Key_F1, [this] { frmHelp::showPage(frmHelp::MainWindowPage, this); });
    needs_.insert(addCommand(file, "mnuPendingRequest", "Pending Request", Qt::Key_F7, [this] { open(screens_.nursingRequest); }),
                  needs(&MainScreens::nursingRequest));
    needs_.insert(addCommand(file, "mnuRequestCancellation", "Request Cancellation", Qt::Key_F8,
                             [this] { open(screens_.requestCancellation); }),
                  needs(&MainScreens::requestCancellation));
    needs_.insert(addCommand(file, "mnuRequestStatus", "Request Status", Qt::Key_F9, [this] { open(screens_.requestStatus); }),
                  needs(&MainScreens::requestStatus));
    needs_.insert(addCommand(file, "mnuLedger", "Patient Ledger", QKeySequence(Qt::CTRL | Qt::Key_L), [this] {
                      hidePanel(otherPanel_);
                      open(screens_.ledger);
                  }),
                  needs(&MainScreens::ledger));
    needs_.insert(addCommand(file, "mnuDuplicate", "Request Form/Chargeslip Duplicate", QKeySequence(Qt::CTRL | Qt::Key_R), [this] {
                      hidePanel(otherPanel_);
                      open(screens_.reprint);
                  }),
                  needs(&MainScreens::reprint));

    otherReportsMenu_ = menuBar()->addMenu(QStringLiteral("Other &Reports"));
    otherReportsMenu_->setObjectName(QStringLiteral("mnuOtherReports"));
    needs_.insert(addCommand(otherReportsMenu_, "mnuAssessStatus", "&Assessment Status", {}, [this] { open(screens_.assessStatus); }),
                  needs(&MainScreens::assessStatus));
    needs_.insert(addCommand(otherReportsMenu_, "mnuAudit", "A&udit Report", {}, [this] { openDateRange("audit"); }),
                  needs(&MainScreens::dateRange));
    otherReportsMenu_->addSeparator();
    needs_.insert(addCommand(otherReportsMenu_, "mnuStatistical", "&Statistical Report", {}, [this] { openDateRange("stat"); }),
                  needs(&MainScreens::dateRange));
    needs_.insert(addCommand(otherReportsMenu_, "mnuDocContribution", "Doctors &Contribution", {},
                             [this] { openDateRange("DocContribution"); }),
                  needs(&MainScreens::dateRange));
    QMenu* logbook = otherReportsMenu_->addMenu(QStringLiteral("LogBook"));
    logbook->setObjectName(QStringLiteral("mnuLogBook"));
    needs_.insert(addCommand(logbook, "mnuLogBookIn", "InPatient", {}, [this] { openDateRange("Logbook", "I"); }),
                  needs(&MainScreens::dateRange));
    needs_.insert(addCommand(logbook, "mnuLogBookOut", "OutPatient", {}, [this] { openDateRange("Logbook", "O"); }),
                  needs(&MainScreens::dateRange));
}

QToolButton* frmMain::panelButton(const QString& name, const QString& text, const QString& glyph, const QColor& colour,
                                  std::function<void()> run) {
    auto* b = new QToolButton;
    b->setObjectName(name);
    b->setText(text);
    b->setIcon(Ui::commandIcon(glyph, colour));
    b->setIconSize(QSize(44, 44));
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setAutoRaise(true);
    b->setMinimumWidth(130);
    connect(b, &QToolButton::clicked, this, std::move(run));
    return b;
}

void frmMain::buildGroups() {
    struct Entry {
        const char* name;
        const char* text;
        const char* glyph;
        std::function<void()> run;
        std::function<bool(const MainScreens&)> need;
    };
    const std::vector<std::pair<QString, std::vector<Entry>>> groups = {
        {"&Request",
         {{"cmdAssessment", "Assessment", "AS", [this] { open(screens_.assessment); },
           needs(&MainScreens::assessment)},
          {"cmdOutPatient", "Out-Patient Request", "OP", [this] { showOutPatientOptions(); }, {}},
          {"cmdInPatient", "In-Patient Request", "IP", [this] { open(screens_.inPatient); },
           needs(&MainScreens::inPatient)}}},
        {"R&esults",
         {{"cmdResultEntry", "Result Entry", "RE", [this] { open(screens_.resultEntry); },
           needs(&MainScreens::resultEntry)},
          {"cmdRetrieve", "Inquiry / Retrieve", "IQ", [this] { open(screens_.retrieve); },
           needs(&MainScreens::retrieve)},
          {"cmdVerification", "Verification", "VF", [this] { open(screens_.verification); },
           needs(&MainScreens::verification)}}},
        {"Re&ports",
         {{"cmdMonthly", "Monthly Transaction Report", "MR", [this] { openDateRange("MONTH"); },
           needs(&MainScreens::dateRange)},
          {"cmdDailyCensus", "Daily Census  Report", "DC", [this] { showDailyCensusOptions(); }, needs(&MainScreens::daily)},
          {"cmdOtherReports", "Other Reports", "OR", [this] { otherReportsMenu_->popup(QCursor::pos()); }, {}}}},
        {"&Build File",
         {{"cmdInterpretation", "Interpretation", "IN", [this] { open(screens_.interpretation); },
           needs(&MainScreens::interpretation)},
          {"cmdDefaultRadiologist", "Default Radiologist", "DR", [this] { open(screens_.defaultRadiologist); }, needs(&MainScreens::defaultRadiologist)}}},
        {"&Maintenance",
         {{"cmdRequestCancellation", "Request Cancellation", "RC", [this] { open(screens_.requestCancellation); }, needs(&MainScreens::requestCancellation)},
          {"cmdOtherOptions", "Other Options", "OO", [this] { showOtherOptions(); }, {}}}},
    };
    static const char* groupNames[] = {"cmdGroupRequest", "cmdGroupResults", "cmdGroupReports", "cmdGroupBuildFile",
                                       "cmdGroupMaintenance"};
    static const QColor groupColours[] = {QColor(0x1f, 0x6f, 0xb2), QColor(0x2e, 0x8b, 0x57), QColor(0x8e, 0x44, 0xad),
                                          QColor(0xc0, 0x6c, 0x1a), QColor(0x7f, 0x8c, 0x8d)};
    int g = 0;
    for (const auto& [caption, entries] : groups) {
        auto* button = new QPushButton(caption);
        button->setObjectName(QLatin1String(groupNames[g++]));
        QFont bf = button->font();
        bf.setBold(true);
        button->setFont(bf);
        auto* panel = new QWidget;
        panel->setObjectName(button->objectName() + QStringLiteral("Panel"));
        auto* layout = new QVBoxLayout(panel);
        layout->setContentsMargins(6, 10, 6, 6);
        layout->setSpacing(10);
        for (const auto& e : entries) {
            QToolButton* b =
                panelButton(QLatin1String(e.name), QLatin1String(e.text), QLatin1String(e.glyph), groupColours[g - 1], e.run);
            layout->addWidget(b, 0, Qt::AlignHCenter);
            if (e.need)
                needs_.insert(b, e.need);
        }
        layout->addStretch();
        groupBar_->addGroup(button, panel);
    }
    auto* exit = new QPushButton(QStringLiteral("E&xit Application"));
    exit->setObjectName(QStringLiteral("cmdExit"));
    connect(exit, &QPushButton::clicked, this, &frmMain::exitApplication);
    groupBar_->setExitButton(exit);
    groupBar_->choose(1);
}

QPushButton* frmMain::optionButton(QFrame* panel, const QString& name, const QString& text, std::function<void()> run) {
    auto* b = new QPushButton(text, panel);
    b->setObjectName(name);
    b->setMinimumHeight(30);
    connect(b, &QPushButton::clicked, this, std::move(run));
    panel->layout()->addWidget(b);
    return b;
}

void frmMain::buildOptionPanels() {
    auto makePanel = [this](const QString& name, const QString& title) {
        auto* panel = new QFrame(workArea_);
        panel->setObjectName(name);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Raised);
        panel->setAutoFillBackground(true);
        auto* layout = new QVBoxLayout(panel);
        auto* t = new QLabel(title, panel);
        t->setObjectName(name + QStringLiteral("Title"));
        QFont f = t->font();
        f.setBold(true);
        f.setPointSizeF(f.pointSizeF() * 1.25);
        t->setFont(f);
        t->setAlignment(Qt::AlignCenter);
        layout->addWidget(t);
        panel->setMinimumWidth(260);
        panel->hide();
        return panel;
    };
    outPatientPanel_ = makePanel(QStringLiteral("picOutPatient"), QStringLiteral("Out-Patient Options"));
    needs_.insert(optionButton(outPatientPanel_, "cmdCashPatient", "Cash Patient Entry", [this] {
                      backToMenu();
                      open(screens_.cashList);
                  }),
                  needs(&MainScreens::cashList));
    needs_.insert(optionButton(outPatientPanel_, "cmdChargePatient", "Charge Patient Entry", [this] { chargePatientEntry(); }),
                  needs(&MainScreens::outPatient));
    optionButton(outPatientPanel_, "cmdBackOutPatient", "Back to Menu", [this] { backToMenu(); });

    dailyPanel_ = makePanel(QStringLiteral("picDailyCensus"), QStringLiteral("Daily Census Report"));
    needs_.insert(optionButton(dailyPanel_, "cmdInDaily", "In-Patient Daily Census", [this] { openDaily("IN"); }),
                  needs(&MainScreens::daily));
    needs_.insert(optionButton(dailyPanel_, "cmdOutDaily", "Out-Patient Daily Census", [this] { openDaily("OUT"); }),
                  needs(&MainScreens::daily));
    optionButton(dailyPanel_, "cmdBackDaily", "Back to Menu", [this] { backToMenu(); });

    otherPanel_ = makePanel(QStringLiteral("picOtherOptions"), QStringLiteral("Other Options"));
    auto thenOpen = [this](std::function<void()> MainScreens::*member) {
        return [this, member] {
            backToMenu();
            open(screens_.*member);
        };
    };
    needs_.insert(optionButton(otherPanel_, "cmdWalkIn", "&Walk-in Master File Update", thenOpen(&MainScreens::walkInUpdate)),
                  needs(&MainScreens::walkInUpdate));
    needs_.insert(optionButton(otherPanel_, "cmdDuplicate", "Charge Slip &Duplicate", thenOpen(&MainScreens::reprint)),
                  needs(&MainScreens::reprint));
    needs_.insert(optionButton(otherPanel_, "cmdVerifySlip", "Slip &Verification", thenOpen(&MainScreens::verifySlip)),
                  needs(&MainScreens::verifySlip));
    needs_.insert(optionButton(otherPanel_, "cmdLedger", "Patient's &Ledger", thenOpen(&MainScreens::ledger)),
                  needs(&MainScreens::ledger));
    needs_.insert(optionButton(otherPanel_, "cmdCensus", "&Inpatient Census", thenOpen(&MainScreens::census)),
                  needs(&MainScreens::census));
    needs_.insert(optionButton(otherPanel_, "cmdScheduling", "&Scheduling", [this] { open(screens_.scheduling); }),
                  needs(&MainScreens::scheduling));
    optionButton(otherPanel_, "cmdBackOther", "Back to Menu", [this] { backToMenu(); });
}

void frmMain::setScreens(MainScreens screens) {
    screens_ = std::move(screens);
    applyAvailability();
}

void frmMain::applyAvailability() {
    for (auto it = needs_.cbegin(); it != needs_.cend(); ++it) {
        const bool available = it.value()(screens_);
        if (auto* a = qobject_cast<QAction*>(it.key()))
            a->setEnabled(available);
        else if (auto* w = qobject_cast<QWidget*>(it.key()))
            w->setEnabled(available);
    }
}

void frmMain::open(const std::function<void()>& screen) {
    if (!screen)
        return;
    try {
        screen();
    } catch (const DbError& e) {
        reportFailure(QStringLiteral("Opening the screen"), e);
    }
}

void frmMain::openDateRange(const QString& code, const QString& patientType) {
    if (screens_.dateRange)
        open([&] { screens_.dateRange(code, patientType); });
}

void frmMain::openDaily(const QString& mode) {
    groupBar_->setEnabled(true); // the panel stays up
    session().DailyReportMode = mode;
    open(screens_.daily);
}

// ---------------------------------------------------------------- start-up

bool frmMain::load() {
    auto& s = session();
    s.reset();
    s.radiologySearch = components_.radiologySearch.get();
    s.suppliesList = components_.suppliesList.get();
    s.drugInfo = components_.drugInfo.get();
    s.icdSearch = components_.icdSearch.get();
    s.currentUser = components_.currentUser.get();
    CurrentUser& user = *components_.currentUser;
    components_.icdSearch->ActiveConnection = &user.sqlconnection();

    user.PasswordDeptCode = s.PasswordDeptCode;
    user.hwndParentForm = this;
    user.ShowMain();
    if (!user.Connected()) {
        close();
        return false;
    }
    Connection& db = user.sqlconnection();
    db.setCommandTimeout(120);

    const ResultSet hospital = db.execute(QStringLiteral("select * from PATIENT_DATA..tbHospitalInfo"));
    if (hospital.isEmpty()) {
        Ui::message(QStringLiteral("The hospital's name and address are missing from the server "
                                   "(PATIENT_DATA..tbHospitalInfo). Reports will print without them."),
                    Ui::appTitle(), Ui::Icon::Warning);
    } else {
        s.HospitalCompany = hospital.first().text("Company");
        s.HospitalAddress = hospital.first().text("Address1");
        s.HospitalTitle = hospital.first().text("Title");
    }

    RadiologySearch& radiology = *components_.radiologySearch;
    radiology.Initialize_Classes();
    radiology.InitConnection(&db);
    radiology.Hospital = s.HospitalCompany;
    s.RevenueID = QStringLiteral("MI");
    radiology.RevenueID = s.RevenueID;

    const ResultSet options = db.execute(
        SqlText::build(u"select * from RADIOLOGY..tbRadioOptions where RevenueID = '{}'", {s.RevenueID}));
    s.IncludeDoctorFee = !options.isEmpty() && options.first().flag("IncludeDoctorFee");

    CodeSearch& codes = *components_.codeSearch;
    codes.MTS_Server.clear();
    codes.SearchMode = true;
    codes.CompanyName = s.HospitalCompany;
    codes.Initialize_Classes();
    codes.setConnection(&db);
    s.codeSearch = &codes;

    outPatientPanel_->hide();
    dailyPanel_->hide();
    otherPanel_->hide();
    banner_->hide();
    bannerTimer_->stop();
    userField_->setText(QStringLiteral(" User : ") + user.initial());
    dateField_->setText(QStringLiteral(" Today is ") +
                        QLocale(QLocale::English).toString(QDate::currentDate(), QStringLiteral("dddd, dd MMMM yyyy")));

    s.EmployeeName = user.EmployeeName();

    if (!components_.suppliesList->InitConnection(&db)) {
        Ui::message(QStringLiteral("Cannot load supplies list."), Ui::appTitle(), Ui::Icon::Critical);
        close();
        return false;
    }
    if (!components_.drugInfo->InitConnect(&db)) {
        Ui::message(QStringLiteral("Cannot load supplies information."), Ui::appTitle(), Ui::Icon::Critical);
        close();
        return false;
    }
    StoredProcs::LoadDefaultRadiologist();
    setWindowTitle(QStringLiteral("Tavrix - MAGNETIC RESONANCE IMAGING") + QStringLiteral(": ") + s.HospitalCompany);
    workArea_->setWatermark(s.HospitalCompany, QStringLiteral("Department of Radiology - Magnetic Resonance Imaging"));

    checkPending();
    pendingTimer_->start();
    checkDischargeNotices();
    return true;
}

void frmMain::closeEvent(QCloseEvent* e) {
    pendingTimer_->stop();
    bannerTimer_->stop();
    noticeTimer_->stop();
    announceTimer_->stop();
    if (components_.currentUser)
        components_.currentUser->sqlconnection().close();
    e->accept();
    // Every other window goes with the main window, without being asked.
    QCoreApplication::exit(0);
}

QWidget* frmMain::workArea() const { return workArea_; }

QString frmMain::statusUser() const { return userField_->text(); }
QString frmMain::statusDate() const { return dateField_->text(); }

// ---------------------------------------------------------------- commands

void frmMain::chooseGroup(int group) { groupBar_->choose(group); }

void frmMain::showPanel(QFrame* panel, bool atOtherOptionsPlace) {
    for (QFrame* p : {outPatientPanel_, dailyPanel_, otherPanel_})
        if (p != panel)
            p->hide();
    groupBar_->setEnabled(false);
    panel->adjustSize();
    if (atOtherOptionsPlace)
        panel->move(0, Ui::twips(2340));
    else
        panel->move(qMax(0, (workArea_->width() - panel->width()) / 2), qMax(0, (workArea_->height() - panel->height()) / 3));
    panel->show();
    panel->raise();
}

void frmMain::hidePanel(QFrame* panel) {
    groupBar_->setEnabled(true);
    panel->hide();
}

void frmMain::showOutPatientOptions() { showPanel(outPatientPanel_, false); }
void frmMain::showDailyCensusOptions() { showPanel(dailyPanel_, false); }
void frmMain::showOtherOptions() { showPanel(otherPanel_, true); }

void frmMain::backToMenu() {
    groupBar_->setEnabled(true);
    for (QFrame* p : {outPatientPanel_, dailyPanel_, otherPanel_})
        p->hide();
}

void frmMain::chargePatientEntry() {
    groupBar_->setEnabled(true);
    outPatientPanel_->hide();
    try {
        if (const auto patient = runOutPatientChargeChecks(); patient && screens_.outPatient)
            screens_.outPatient(*patient);
    } catch (const DbError& e) {
        reportFailure(QStringLiteral("Checking the out-patient"), e);
    }
}

void frmMain::exitApplication() {
    if (Ui::ask(QStringLiteral("Want to Exit Program ?"), QStringLiteral("Message")))
        close();
}

// ---------------------------------------------------------------- notices

void frmMain::checkPending() {
    CurrentUser* user = components_.currentUser.get();
    if (!user || !user->Connected())
        return;
    try {
        const ResultSet rs = user->sqlconnection().execute(StoredProcs::PendingCheckCommand());
        if (!rs.isEmpty() && rs.first().number("TotalPending") > 0) {
            banner_->show();
            if (!bannerTimer_->isActive())
                bannerTimer_->start();
        } else {
            banner_->hide();
            bannerTimer_->stop();
        }
    } catch (const DbError&) {
        // The next tick tries again; a clerk is not interrupted every ten seconds.
    }
}

void frmMain::bannerTick() { banner_->tick(); }

void frmMain::checkDischargeNotices() {
    noticeTimer_->stop();
    try {
        const ResultSet rs = session().connection().execute(
            SqlText::build(u"Radiology..spRadio_LoadDischargeNoticeCount '{}'", {session().RevenueID}));
        if (!rs.isEmpty() && rs.first().number("RecCount") > 0) {
            announceTimer_->stop();
            announce();
            announceTimer_->start();
        } else {
            announceTimer_->stop();
            notifier_->hide();
        }
    } catch (const DbError&) {
        // Tried again at the next minute.
    }
    noticeTimer_->start();
}

void frmMain::announce() {
    notifier_->announce();
    placeNotifier();
}

void frmMain::placeNotifier() {
    notifier_->adjustSize();
    notifier_->move(qMax(0, workArea_->width() - notifier_->width() - 24),
                    qMax(0, workArea_->height() - notifier_->height() - 24));
}

bool frmMain::eventFilter(QObject* watched, QEvent* e) {
    // The announcement keeps to the work area's corner however the window is sized.
    if (watched == workArea_ && e->type() == QEvent::Resize && !notifier_->isHidden())
        placeNotifier();
    return QMainWindow::eventFilter(watched, e);
}

void frmMain::processNotice() {
    noticeTimer_->stop();
    if (screens_.dischargeNotice) {
        QString idNum;
        try {
            if (screens_.dischargeNotice(&idNum) && screens_.clearPatient)
                screens_.clearPatient(idNum);
        } catch (const DbError& e) {
            reportFailure(QStringLiteral("Processing the discharge notice"), e);
        }
    }
    checkDischargeNotices();
}

void frmMain::changeEvent(QEvent* e) {
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow())
        Ui::ColorScheme::applyBackground(workArea_, Ui::ColorScheme::read().back);
}

} // namespace tavrix
