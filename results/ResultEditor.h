#pragma once

#include <QTextEdit>

namespace tavrix {

// The editor of a result report. It may hold formatting while the radiologist
// types, but the result screens read and write its content as text: what is
// stored is the text as it reads.
class ResultEditor : public QTextEdit {
    Q_OBJECT
public:
    explicit ResultEditor(QWidget* parent = nullptr);

    QString text() const;
    void setText(const QString& text);
    void appendText(const QString& text); // at the very end, without adding a line break

    // The reading font of stored results: "TAHOMA" at the given size.
    void useReadingFont(int pointSize = 12);
};

} // namespace tavrix
