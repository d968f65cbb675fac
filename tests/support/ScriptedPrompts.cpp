#include "tests/support/ScriptedPrompts.h"

namespace tavrix::test {

ScriptedPrompts::ScriptedPrompts() : previous_(Ui::responder()) { Ui::setResponder(this); }
ScriptedPrompts::~ScriptedPrompts() { Ui::setResponder(previous_); }

ScriptedPrompts& ScriptedPrompts::expect(const QString& title, const QString& text, Ui::Answer answer) {
    messageQueue_.push_back({Ui::Message{text, title, Ui::Icon::None, Ui::Buttons::Ok, {}}, false, answer});
    return *this;
}

ScriptedPrompts& ScriptedPrompts::expect(const Ui::Message& exact, Ui::Answer answer) {
    messageQueue_.push_back({exact, true, answer});
    return *this;
}

ScriptedPrompts& ScriptedPrompts::expectModal(const QString& classOrName, std::function<int(QDialog&)> handler) {
    modalQueue_.push_back({classOrName, std::move(handler)});
    return *this;
}

Ui::Answer ScriptedPrompts::answer(const Ui::Message& m) {
    messages_ << m;
    if (messageQueue_.empty()) {
        problems_ << QStringLiteral("unexpected message \"%1\" titled \"%2\"").arg(m.text, m.title);
        return m.buttons == Ui::Buttons::YesNo ? Ui::Answer::No : Ui::Answer::Cancel;
    }
    const ExpectedMessage e = messageQueue_.front();
    messageQueue_.pop_front();
    if (e.message.text != m.text || e.message.title != m.title)
        problems_ << QStringLiteral("expected message \"%1\" titled \"%2\", got \"%3\" titled \"%4\"")
                         .arg(e.message.text, e.message.title, m.text, m.title);
    else if (e.exact && (e.message.icon != m.icon || e.message.buttons != m.buttons ||
                         e.message.defaultButton.value_or(Ui::Answer::Ok) != m.defaultButton.value_or(Ui::Answer::Ok)))
        problems_ << QStringLiteral("message \"%1\": icon %2/%3, buttons %4/%5 (expected/got)")
                         .arg(m.text)
                         .arg(int(e.message.icon))
                         .arg(int(m.icon))
                         .arg(int(e.message.buttons))
                         .arg(int(m.buttons));
    return e.answer;
}

int ScriptedPrompts::runModal(QDialog& dialog) {
    const QString cls = QString::fromLatin1(dialog.metaObject()->className()).section(QStringLiteral("::"), -1);
    modals_ << cls;
    if (modalQueue_.empty()) {
        problems_ << QStringLiteral("unexpected modal screen %1").arg(cls);
        return QDialog::Rejected;
    }
    ExpectedModal e = modalQueue_.front();
    modalQueue_.pop_front();
    if (e.name != cls && e.name != dialog.objectName()) {
        problems_ << QStringLiteral("expected modal screen %1, got %2").arg(e.name, cls);
        return QDialog::Rejected;
    }
    const int result = e.handler(dialog);
    dialog.hide();
    return result;
}

bool ScriptedPrompts::satisfied(QString* why) const {
    QStringList all = problems_;
    for (const auto& e : messageQueue_)
        all << QStringLiteral("message \"%1\" never came").arg(e.message.text);
    for (const auto& e : modalQueue_)
        all << QStringLiteral("modal screen %1 never came").arg(e.name);
    if (why)
        *why = all.join(QStringLiteral("; "));
    return all.isEmpty();
}

} // namespace tavrix::test
