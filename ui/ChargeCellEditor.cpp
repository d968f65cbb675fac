#include "ui/ChargeCellEditor.h"

#include "data/ModFunc.h"

#include <QKeyEvent>
#include <QValidator>

namespace tavrix::Ui {

namespace {

// Applies the column's rules to whatever enters the box, typed or pasted: a
// refused character simply does not arrive.
class CellKeyValidator : public QValidator {
public:
    using QValidator::QValidator;
    bool upperCase = false;
    QString allowed;

    State validate(QString& input, int& pos) const override {
        QString out;
        out.reserve(input.size());
        int newPos = pos;
        for (qsizetype i = 0; i < input.size(); ++i) {
            QChar c = input.at(i);
            if (upperCase)
                c = QChar(ModFunc::UpperCaseKey(c.unicode()));
            if (!allowed.isEmpty() && c.unicode() > 32 && !allowed.contains(c)) {
                if (i < pos)
                    --newPos;
                continue;
            }
            out.append(c);
        }
        input = out;
        pos = newPos;
        return Acceptable;
    }
};

} // namespace

ChargeCellEditor::ChargeCellEditor(QWidget* parent) : QLineEdit(parent) {
    setObjectName(QStringLiteral("txtEdit"));
    setFrame(false);
    setValidator(new CellKeyValidator(this));
    hide();
}

void ChargeCellEditor::setFilter(bool upperCase, const QString& allowed) {
    auto* v = static_cast<CellKeyValidator*>(const_cast<QValidator*>(validator()));
    v->upperCase = upperCase;
    v->allowed = allowed;
}

void ChargeCellEditor::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        e->accept();
        emit enterPressed();
        return;
    case Qt::Key_Escape:
        e->accept();
        emit escapePressed();
        return;
    case Qt::Key_Up:
        e->accept();
        emit upPressed();
        return;
    case Qt::Key_Down:
        e->accept();
        emit downPressed();
        return;
    default:
        QLineEdit::keyPressEvent(e);
    }
}

} // namespace tavrix::Ui
