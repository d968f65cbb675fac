#pragma once

#include "ui/Prompts.h"

#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>

namespace tavrix::test {

// Answers message boxes and drives modal screens in the order a test expects
// them. A prompt that was expected and never came, or came unexpected, fails
// the test through VERIFY_PROMPTS.
class ScriptedPrompts : public Ui::PromptResponder {
public:
    ScriptedPrompts();
    ~ScriptedPrompts() override;

    // The next message box: its text and title must match exactly; icon and buttons are checked when given.
    ScriptedPrompts& expect(const QString& title, const QString& text, Ui::Answer answer = Ui::Answer::Ok);
    ScriptedPrompts& expect(const Ui::Message& exact, Ui::Answer answer);

    // The next modal screen: its class (or objectName) must match; the handler acts as the user
    // (the dialog is not shown yet: show() it first when its opening steps matter) and returns its result.
    ScriptedPrompts& expectModal(const QString& classOrName, std::function<int(QDialog&)> handler);

    Ui::Answer answer(const Ui::Message& message) override;
    int runModal(QDialog& dialog) override;

    bool satisfied(QString* why) const;
    const QList<Ui::Message>& messages() const { return messages_; }
    const QStringList& modals() const { return modals_; }

private:
    struct ExpectedMessage {
        Ui::Message message;
        bool exact;
        Ui::Answer answer;
    };
    struct ExpectedModal {
        QString name;
        std::function<int(QDialog&)> handler;
    };
    std::deque<ExpectedMessage> messageQueue_;
    std::deque<ExpectedModal> modalQueue_;
    QList<Ui::Message> messages_;
    QStringList modals_;
    QStringList problems_;
    Ui::PromptResponder* previous_;
};

} // namespace tavrix::test

#define VERIFY_PROMPTS(prompts)                                                                                        \
    do {                                                                                                               \
        QString why_;                                                                                                  \
        QVERIFY2((prompts).satisfied(&why_), qPrintable(why_));                                                        \
    } while (false)
