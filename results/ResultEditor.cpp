#include "results/ResultEditor.h"

#include <QTextCursor>

namespace tavrix {

ResultEditor::ResultEditor(QWidget* parent) : QTextEdit(parent) {
    setAcceptRichText(false);
    setTabChangesFocus(false);
    setLineWrapMode(QTextEdit::WidgetWidth);
    useReadingFont(11);
}

QString ResultEditor::text() const {
    return toPlainText();
}

void ResultEditor::setText(const QString& text) {
    setPlainText(text);
}

void ResultEditor::appendText(const QString& text) {
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(text);
    setTextCursor(cursor);
}

void ResultEditor::useReadingFont(int pointSize) {
    QFont f(QStringLiteral("Tahoma"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSize(pointSize);
    setFont(f);
}

} // namespace tavrix
