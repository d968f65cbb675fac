#pragma once

#include "app/MainScreens.h"
#include "components/ComponentSet.h"

#include <QMainWindow>
#include <QStyle>
#include <QMap>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;
class QToolButton;

namespace tavrix {

class DischargeNotifier;
class GroupBar;
class PendingBanner;
class WorkArea;

// The program's only top-level window. Its load step is the start-up: log-in,
// session values, components, then the two background checks.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    static constexpr char Title[] = "MAGNETIC RESONANCE IMAGING";

    // The six components, not yet connected; the code search is put to use only once the user is in.
    explicit frmMain(ComponentSet components, QWidget* parent = nullptr);
    ~frmMain() override;

    // The start-up. False when the program must end (log-in given up, or the
    // supplies components cannot use the connection); the window is then closed.
    bool load();

    void setScreens(MainScreens screens);

    // Commands, as the menu items, buttons and shortcut keys run them.
    void chooseGroup(int group);
    void showOutPatientOptions();
    void showDailyCensusOptions();
    void showOtherOptions();
    void backToMenu();
    void chargePatientEntry(); // "Charge Patient Entry" and F5
    void exitApplication();

    // Background checks, also run by their timers.
    void checkPending();
    void bannerTick();
    void checkDischargeNotices();
    void announce();
    void processNotice(); // double-click on the announcement

    GroupBar* groupBar() const { return groupBar_; }
    PendingBanner* banner() const { return banner_; }
    DischargeNotifier* notifier() const { return notifier_; }
    QWidget* workArea() const;
    QFrame* outPatientPanel() const { return outPatientPanel_; }
    QFrame* dailyCensusPanel() const { return dailyPanel_; }
    QFrame* otherOptionsPanel() const { return otherPanel_; }
    QTimer* pendingTimer() const { return pendingTimer_; }
    QTimer* bannerTimer() const { return bannerTimer_; }
    QTimer* noticeTimer() const { return noticeTimer_; }
    QTimer* announceTimer() const { return announceTimer_; }
    QAction* action(const QString& objectName) const;
    QMenu* otherReportsMenu() const { return otherReportsMenu_; }
    QString statusUser() const;
    QString statusDate() const;

protected:
    void changeEvent(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void buildMenus();
    void buildGroups();
    void buildOptionPanels();
    QAction* addCommand(QMenu* menu, const QString& name, const QString& text, const QKeySequence& key,
                        std::function<void()> run);
    QToolButton* panelButton(const QString& name, const QString& text, const QString& glyph, const QColor& colour,
                             std::function<void()> run);
    QPushButton* optionButton(QFrame* panel, const QString& name, const QString& text, std::function<void()> run);
    void showPanel(QFrame* panel, bool atOtherOptionsPlace);
    void hidePanel(QFrame* panel);
    void applyAvailability();
    void open(const std::function<void()>& screen);
    void openDateRange(const QString& code, const QString& patientType = {});
    void openDaily(const QString& mode);
    void placeNotifier();

    ComponentSet components_;
    MainScreens screens_;

    GroupBar* groupBar_ = nullptr;
    WorkArea* workArea_ = nullptr;
    PendingBanner* banner_ = nullptr;
    DischargeNotifier* notifier_ = nullptr;
    QPushButton* requestStatusButton_ = nullptr;
    QFrame* outPatientPanel_ = nullptr;
    QFrame* dailyPanel_ = nullptr;
    QFrame* otherPanel_ = nullptr;
    QLabel* userField_ = nullptr;
    QLabel* captionField_ = nullptr;
    QLabel* dateField_ = nullptr;
    QMenu* otherReportsMenu_ = nullptr;
    QTimer* pendingTimer_ = nullptr;
    QTimer* bannerTimer_ = nullptr;
    QTimer* noticeTimer_ = nullptr;
    QTimer* announceTimer_ = nullptr;
    // Which commands need which screen: enabled only when it is provided.
    QMap<QObject*, std::function<bool(const MainScreens&)>> needs_;
};

} // namespace tavrix
