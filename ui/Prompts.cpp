#include "ui/Prompts.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>

namespace tavrix::Ui {

namespace {

PromptResponder* g_responder = nullptr;

QMessageBox::Icon toQt(Icon icon) {
    switch (icon) {
    case Icon::Information: return QMessageBox::Information;
    case Icon::Warning: return QMessageBox::Warning;
    case Icon::Critical: return QMessageBox::Critical;
    case Icon::Question: return QMessageBox::Question;
    case Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

struct ButtonDef {
    Answer answer;
    QMessageBox::StandardButton qt;
};

QList<ButtonDef> buttonsOf(Buttons b) {
    switch (b) {
    case Buttons::Ok: return {{Answer::Ok, QMessageBox::Ok}};
    case Buttons::OkCancel: return {{Answer::Ok, QMessageBox::Ok}, {Answer::Cancel, QMessageBox::Cancel}};
    case Buttons::YesNo: return {{Answer::Yes, QMessageBox::Yes}, {Answer::No, QMessageBox::No}};
    case Buttons::YesNoCancel:
        return {{Answer::Yes, QMessageBox::Yes}, {Answer::No, QMessageBox::No}, {Answer::Cancel, QMessageBox::Cancel}};
    case Buttons::RetryCancel: return {{Answer::Retry, QMessageBox::Retry}, {Answer::Cancel, QMessageBox::Cancel}};
    }
    return {};
}

} // namespace

QString appTitle() { return QStringLiteral("Tavrix MRI"); }

QString appTitleWithVersion() {
    const QStringList parts = QCoreApplication::applicationVersion().split(u'.');
    const QString major = parts.value(0, QStringLiteral("1"));
    const QString minor = parts.value(1, QStringLiteral("0"));
    return appTitle() + u' ' + (major.isEmpty() ? QStringLiteral("1") : major) + u'.' + minor;
}

Answer message(const Message& m) {
    if (g_responder)
        return g_responder->answer(m);
    const QList<ButtonDef> defs = buttonsOf(m.buttons);
    QMessageBox box(toQt(m.icon), m.title, m.text, QMessageBox::NoButton, QApplication::activeWindow());
    const Answer def = m.defaultButton.value_or(defs.first().answer);
    for (const auto& d : defs) {
        QPushButton* b = box.addButton(d.qt);
        if (d.answer == def)
            box.setDefaultButton(b);
    }
    box.exec();
    const auto clicked = box.standardButton(box.clickedButton());
    for (const auto& d : defs)
        if (d.qt == clicked)
            return d.answer;
    // Closed with Esc or the close box: the set's "no" answer.
    return m.buttons == Buttons::Ok ? Answer::Ok : (m.buttons == Buttons::YesNo ? Answer::No : Answer::Cancel);
}

bool ask(const QString& text, const QString& title, Answer defaultButton) {
    return message(text, title, Icon::Question, Buttons::YesNo, defaultButton) == Answer::Yes;
}

int runModal(QDialog& dialog) {
    if (g_responder)
        return g_responder->runModal(dialog);
    return dialog.exec();
}

void setResponder(PromptResponder* responder) { g_responder = responder; }
PromptResponder* responder() { return g_responder; }

} // namespace tavrix::Ui
