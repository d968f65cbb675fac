#include "components/frmLogin.h"

#include "data/DbError.h"
#include "data/components/CurrentUser.h"
#include "ui/BusyCursor.h"
#include "ui/Prompts.h"
#include "ui/Settings.h"
#include "ui/TitleBand.h"
#include "ui/UpperCaseValidator.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tavrix {

namespace {

constexpr int FreeAttempts = 2; // refusals before attempts start to wait
constexpr int LongestWait = 30; // steps

// By path: QFileInfo's own comparison holds any two missing files equal.
bool isDemoDatabase(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath()) ==
           QDir::cleanPath(QFileInfo(Ui::Settings::defaultDatabase()).absoluteFilePath());
}

} // namespace

QString frmLogin::refusedText() {
    return QStringLiteral("The user ID or the password is not correct.");
}
QString frmLogin::title() {
    return QStringLiteral("Log In");
}

frmLogin::frmLogin(CurrentUser& user, QWidget* parent) : Ui::Screen(parent), user_(user) {
    setObjectName(QStringLiteral("frmLogin"));
    setWindowTitle(Ui::appTitleWithVersion() + QStringLiteral(" - ") + title());
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);
    Ui::TitleBand* band = makeTitleBand(QStringLiteral("Tavrix MRI"));
    auto* bandLayout = new QHBoxLayout(band);
    bandLayout->setContentsMargins(6, 0, 10, 0);
    bandLayout->addStretch();
    auto* lblWhat = new QLabel(QStringLiteral("Magnetic Resonance Imaging - Log In"), band);
    bandLayout->addWidget(lblWhat);
    root->addWidget(band);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(14, 12, 14, 12);
    body->setSpacing(8);
    root->addLayout(body);

    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setHorizontalSpacing(10);

    auto* dbRow = new QHBoxLayout;
    txtDatabase_ = new QLineEdit(this);
    txtDatabase_->setObjectName(QStringLiteral("txtDatabase"));
    txtDatabase_->setReadOnly(true);
    txtDatabase_->setFocusPolicy(Qt::ClickFocus);
    cmdBrowse_ = new QPushButton(QStringLiteral("&Browse..."), this);
    cmdBrowse_->setObjectName(QStringLiteral("cmdBrowse"));
    dbRow->addWidget(txtDatabase_, 1);
    dbRow->addWidget(cmdBrowse_);
    form->addRow(QStringLiteral("Database:"), dbRow);

    lblDemo_ = new QLabel(QStringLiteral("The demo hospital: user ID DEMO, password demo."), this);
    lblDemo_->setObjectName(QStringLiteral("lblDemo"));
    form->addRow(QString(), lblDemo_);

    txtUserID_ = new QLineEdit(this);
    txtUserID_->setObjectName(QStringLiteral("txtUserID"));
    txtUserID_->setMaxLength(20);
    Ui::UpperCaseValidator::install(txtUserID_);
    auto* lblUser = new QLabel(QStringLiteral("&User ID:"), this);
    lblUser->setBuddy(txtUserID_);
    form->addRow(lblUser, txtUserID_);

    txtPassword_ = new QLineEdit(this);
    txtPassword_->setObjectName(QStringLiteral("txtPassword"));
    txtPassword_->setEchoMode(QLineEdit::Password);
    txtPassword_->setMaxLength(30);
    auto* lblPassword = new QLabel(QStringLiteral("&Password:"), this);
    lblPassword->setBuddy(txtPassword_);
    form->addRow(lblPassword, txtPassword_);
    body->addLayout(form);

    lblStatus_ = new QLabel(this);
    lblStatus_->setObjectName(QStringLiteral("lblStatus"));
    lblStatus_->setWordWrap(true);
    body->addWidget(lblStatus_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    cmdOK_ = new QPushButton(QStringLiteral("&OK"), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdCancel_ = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));
    // Enter belongs to the two boxes (move on, log in), never to a default button.
    for (QPushButton* b : {cmdBrowse_, cmdOK_, cmdCancel_}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    cmdOK_->setMinimumWidth(90);
    cmdCancel_->setMinimumWidth(90);
    buttons->addWidget(cmdOK_);
    buttons->addWidget(cmdCancel_);
    body->addLayout(buttons);

    connect(txtUserID_, &QLineEdit::returnPressed, txtPassword_, [this] { txtPassword_->setFocus(); });
    connect(txtPassword_, &QLineEdit::returnPressed, this, &frmLogin::logIn);
    connect(cmdOK_, &QPushButton::clicked, this, &frmLogin::logIn);
    connect(cmdCancel_, &QPushButton::clicked, this, &frmLogin::reject);
    connect(cmdBrowse_, &QPushButton::clicked, this, &frmLogin::chooseDatabase);
    connect(&tmrWait_, &QTimer::timeout, this, &frmLogin::tick);

    setTabOrder(txtUserID_, txtPassword_);
    setTabOrder(txtPassword_, cmdOK_);
    setTabOrder(cmdOK_, cmdCancel_);
    setTabOrder(cmdCancel_, cmdBrowse_);
    resize(560, sizeHint().height());
    txtUserID_->setFocus();
}

void frmLogin::setDatabasePath(const QString& path) {
    path_ = path;
    txtDatabase_->setText(QDir::toNativeSeparators(path));
    txtDatabase_->setToolTip(txtDatabase_->text());
    txtDatabase_->setCursorPosition(0);
    lblDemo_->setVisible(isDemoDatabase(path));
}

void frmLogin::chooseDatabase() {
    QFileDialog dialog(this, QStringLiteral("Choose the Hospital Database"), QFileInfo(path_).absolutePath(),
                       QStringLiteral("Tavrix databases (*.db *.sqlite *.sqlite3);;All files (*)"));
    dialog.setObjectName(QStringLiteral("dlgDatabase"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (Ui::runModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    setDatabasePath(dialog.selectedFiles().first());
    txtUserID_->setFocus();
}

void frmLogin::logIn() {
    if (waiting())
        return;
    const QString userId = txtUserID_->text().trimmed();
    if (userId.isEmpty()) {
        lblStatus_->setText(QStringLiteral("Type your user ID first."));
        txtUserID_->setFocus();
        return;
    }
    if (path_.isEmpty()) {
        lblStatus_->setText(QStringLiteral("Choose the hospital database first."));
        return;
    }
    lblStatus_->clear();
    // Only the demo hospital in its own place is made on first use; another
    // missing file is a mistake to report, not a new empty hospital.
    const bool demo = isDemoDatabase(path_);
    QString error;
    CurrentUser::LogInResult result;
    try {
        Ui::BusyCursor busy;
        result = user_.logIn(path_, userId, txtPassword_->text(), demo, &error);
    } catch (const DbError& e) {
        Ui::message(QStringLiteral("The log-in could not be checked on the server:\n%1").arg(e.message()),
                    title(), Ui::Icon::Critical);
        return;
    }
    switch (result) {
    case CurrentUser::LogInResult::Accepted:
        Ui::Settings().setLastDatabase(path_);
        accept();
        return;
    case CurrentUser::LogInResult::CannotOpenDatabase:
        Ui::message(QStringLiteral("The database cannot be opened:\n%1").arg(error), title(),
                    Ui::Icon::Critical);
        return;
    case CurrentUser::LogInResult::WrongUserOrPassword:
        ++failures_;
        Ui::message(refusedText(), title(), Ui::Icon::Warning);
        txtPassword_->clear();
        txtPassword_->setFocus();
        if (failures_ > FreeAttempts)
            startWaiting();
        return;
    }
}

void frmLogin::startWaiting() {
    waitLeft_ = std::min(LongestWait, 1 << std::min(failures_ - FreeAttempts, 5));
    cmdOK_->setEnabled(false);
    showWaiting();
    tmrWait_.start(waitUnitMs_);
}

void frmLogin::tick() {
    if (--waitLeft_ > 0) {
        showWaiting();
        return;
    }
    tmrWait_.stop();
    cmdOK_->setEnabled(true);
    lblStatus_->clear();
}

void frmLogin::showWaiting() {
    lblStatus_->setText(QStringLiteral("Too many refused attempts: you can try again in %1 second%2.")
                            .arg(waitLeft_)
                            .arg(waitLeft_ == 1 ? QString() : QStringLiteral("s")));
}

} // namespace tavrix
