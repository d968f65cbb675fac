#pragma once

#include <QString>

#include <functional>
#include <optional>

class QDialog;
class QWidget;

namespace tavrix::Ui {

enum class Icon { None, Information, Warning, Critical, Question };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class Answer { Ok, Cancel, Yes, No, Retry };

struct Message {
    QString text;
    QString title;
    Icon icon = Icon::None;
    Buttons buttons = Buttons::Ok;
    std::optional<Answer> defaultButton; // the set's first button when not given
};

// The program's title, as message boxes without their own title show it.
QString appTitle();
// The program's title, a blank and its version as major.minor.
QString appTitleWithVersion();

// Every message box of the program goes through here.
Answer message(const Message& m);
inline Answer message(const QString& text, const QString& title, Icon icon = Icon::None,
                      Buttons buttons = Buttons::Ok, std::optional<Answer> defaultButton = {}) {
    return message(Message{text, title, icon, buttons, defaultButton});
}
// Yes/No question with the question icon; true for Yes.
bool ask(const QString& text, const QString& title, Answer defaultButton = Answer::Yes);

// Every modal showing of a screen goes through here; returns the dialog's result code.
int runModal(QDialog& dialog);

// Tests answer messages and drive modal screens instead of a person.
class PromptResponder {
public:
    virtual ~PromptResponder() = default;
    virtual Answer answer(const Message& message) = 0;
    // Act as the user on the dialog (it is not shown yet); return its result code.
    virtual int runModal(QDialog& dialog) = 0;
};
void setResponder(PromptResponder* responder); // nullptr: real dialogs again
PromptResponder* responder();

} // namespace tavrix::Ui
