#pragma once

#include <QValidator>

class QLineEdit;

namespace tavrix::Ui {

// Names and codes are typed in capitals: every typed (or pasted) character is upper-cased.
class UpperCaseValidator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
    static void install(QLineEdit* edit);
};

} // namespace tavrix::Ui
