// The log-in dialog of the user-session component on a demo hospital.

#include "components/LoginCurrentUser.h"
#include "components/frmLogin.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TestSession.h"
#include "ui/Settings.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace tavrix;
using tavrix::test::ScriptedPrompts;
using tavrix::test::TestSession;

namespace {

QLineEdit* box(QDialog& d, const char* name) {
    return d.findChild<QLineEdit*>(name);
}
QPushButton* button(QDialog& d, const char* name) {
    return d.findChild<QPushButton*>(name);
}

void typeAndEnter(QDialog& d, const char* name, const QString& text) {
    QTest::keyClicks(box(d, name), text);
    QTest::keyClick(box(d, name), Qt::Key_Return);
}

Ui::Message refused() {
    return {frmLogin::refusedText(), frmLogin::title(), Ui::Icon::Warning, Ui::Buttons::Ok, {}};
}

} // namespace

class TestComponentLogin : public QObject {
    Q_OBJECT

private slots:
    void init() {
        session_ = std::make_unique<TestSession>(TestSession::Data::Demo);
        Ui::Settings().setLastDatabase(session_->path());
    }
    void cleanup() { session_.reset(); }

    // The user ID box has the focus, Enter moves to the password, Enter there logs in.
    void acceptsTheDemoUser() {
        ScriptedPrompts prompts;
        QStringList seen;
        prompts.expectModal("frmLogin", [&](QDialog& d) {
            d.show();
            if (!QTest::qWaitForWindowActive(&d))
                seen << "not active";
            seen << QApplication::focusWidget()->objectName() << box(d, "txtDatabase")->text();
            typeAndEnter(d, "txtUserID", "demo");
            seen << box(d, "txtUserID")->text() << QApplication::focusWidget()->objectName()
                 << QString::number(box(d, "txtPassword")->echoMode());
            typeAndEnter(d, "txtPassword", "demo");
            return d.result();
        });
        LoginCurrentUser user;
        user.ShowMain();
        VERIFY_PROMPTS(prompts);
        QCOMPARE(seen, (QStringList{"txtUserID", QDir::toNativeSeparators(session_->path()), "DEMO",
                                    "txtPassword", QString::number(QLineEdit::Password)}));
        QVERIFY(user.Connected());
        QVERIFY(user.sqlconnection().isOpen());
        QCOMPARE(user.sqlconnection().databaseName(), session_->path());
        QCOMPARE(QStringList({user.employeecode(), user.initial(), user.EmployeeName(), user.UserID(),
                              user.station()}),
                 QStringList({"E0101", "AMS", "ANA M. SANTIAGO", "DEMO", "MRI-1"}));
        QVERIFY(!user.ServerName().isEmpty());
        QCOMPARE(Ui::Settings().lastDatabase(), session_->path());
    }

    // A wrong password says so, stays open with the password cleared and
    // focused; the right one then logs in.
    void wrongPasswordStaysOpen() {
        ScriptedPrompts prompts;
        prompts.expect(refused(), Ui::Answer::Ok);
        QStringList seen;
        prompts.expectModal("frmLogin", [&](QDialog& d) {
            d.show();
            if (!QTest::qWaitForWindowActive(&d))
                seen << "not active";
            typeAndEnter(d, "txtUserID", "DEMO");
            typeAndEnter(d, "txtPassword", "Demo");
            seen << (d.isVisible() ? "open" : "closed") << box(d, "txtPassword")->text()
                 << QApplication::focusWidget()->objectName();
            typeAndEnter(d, "txtPassword", "demo");
            return d.result();
        });
        LoginCurrentUser user;
        user.ShowMain();
        VERIFY_PROMPTS(prompts);
        QCOMPARE(seen, (QStringList{"open", "", "txtPassword"}));
        QVERIFY(user.Connected());
    }

    void unknownUserIsRefusedTheSameWay() {
        ScriptedPrompts prompts;
        prompts.expect(refused(), Ui::Answer::Ok);
        prompts.expectModal("frmLogin", [](QDialog& d) {
            typeAndEnter(d, "txtUserID", "NOBODY");
            typeAndEnter(d, "txtPassword", "demo");
            QTest::mouseClick(button(d, "cmdCancel"), Qt::LeftButton);
            return d.result();
        });
        LoginCurrentUser user;
        user.ShowMain();
        VERIFY_PROMPTS(prompts);
        QVERIFY(!user.Connected());
        QVERIFY(user.employeecode().isEmpty());
    }

    // From the third refusal on, the next attempt must wait, OK disabled;
    // the dialog keeps working meanwhile.
    void repeatedRefusalsSlowDown() {
        ScriptedPrompts prompts;
        for (int i = 0; i < 3; ++i)
            prompts.expect(refused(), Ui::Answer::Ok);
        QStringList seen;
        prompts.expectModal("frmLogin", [&](QDialog& d) {
            auto& login = static_cast<frmLogin&>(d);
            login.setWaitUnit(30);
            typeAndEnter(d, "txtUserID", "DEMO");
            for (int i = 0; i < 2; ++i)
                typeAndEnter(d, "txtPassword", "guess");
            seen << (login.waiting() ? "waits" : "free");
            typeAndEnter(d, "txtPassword", "guess");
            seen << (login.waiting() ? "waits" : "free") << (button(d, "cmdOK")->isEnabled() ? "ok" : "no ok")
                 << d.findChild<QLabel*>("lblStatus")->text();
            typeAndEnter(d, "txtPassword", "demo"); // ignored while waiting
            seen << (d.result() == QDialog::Accepted ? "in" : "still");
            if (!QTest::qWaitFor([&] { return !login.waiting(); }, 2000))
                seen << "never free";
            seen << (button(d, "cmdOK")->isEnabled() ? "ok" : "no ok");
            QTest::mouseClick(button(d, "cmdOK"), Qt::LeftButton);
            return d.result();
        });
        LoginCurrentUser user;
        user.ShowMain();
        VERIFY_PROMPTS(prompts);
        QCOMPARE(seen,
                 (QStringList{"free", "waits", "no ok",
                              "Too many refused attempts: you can try again in 2 seconds.", "still", "ok"}));
        QVERIFY(user.Connected());
    }

    void cancelLeavesNoConnection() {
        ScriptedPrompts prompts;
        prompts.expectModal("frmLogin", [](QDialog& d) {
            QTest::keyClicks(box(d, "txtUserID"), "DEMO");
            QTest::keyClick(&d, Qt::Key_Escape);
            return d.result();
        });
        LoginCurrentUser user;
        user.ShowMain();
        VERIFY_PROMPTS(prompts);
        QVERIFY(!user.Connected());
        QVERIFY(!user.sqlconnection().isOpen());
    }

    // The demo hospital in the user's data folder is made on first use; any
    // other missing file is reported and not created.
    void missingDatabase_data() {
        QTest::addColumn<bool>("demoPlace");
        QTest::newRow("demo hospital") << true;
        QTest::newRow("another file") << false;
    }
    void missingDatabase() {
        QFETCH(bool, demoPlace);
        QTemporaryDir dir;
        const QString path = demoPlace ? Ui::Settings::defaultDatabase() : dir.filePath("elsewhere.db");
        QFile::remove(path);
        Ui::Settings().setLastDatabase(path);
        ScriptedPrompts prompts;
        if (!demoPlace)
            prompts.expect(frmLogin::title(), "The database cannot be opened:\nCannot open database \"" +
                                                  path + "\": the file does not exist.");
        bool demoHint = false;
        prompts.expectModal("frmLogin", [&](QDialog& d) {
            demoHint = d.findChild<QLabel*>("lblDemo")->isVisibleTo(&d);
            typeAndEnter(d, "txtUserID", "DEMO");
            typeAndEnter(d, "txtPassword", "demo");
            if (d.result() != QDialog::Accepted)
                QTest::mouseClick(button(d, "cmdCancel"), Qt::LeftButton);
            return d.result();
        });
        LoginCurrentUser user;
        user.ShowMain();
        VERIFY_PROMPTS(prompts);
        QCOMPARE(user.Connected(), demoPlace);
        QCOMPARE(QFile::exists(path), demoPlace);
        QCOMPARE(demoHint, demoPlace);
        user.sqlconnection().close();
        if (demoPlace)
            QFile::remove(path);
    }

private:
    std::unique_ptr<TestSession> session_;
};

QTEST_MAIN(TestComponentLogin)
#include "tst_component_login.moc"
