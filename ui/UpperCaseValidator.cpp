#include "ui/UpperCaseValidator.h"

#include "data/ModFunc.h"

#include <QLineEdit>

namespace tavrix::Ui {

QValidator::State UpperCaseValidator::validate(QString& input, int&) const {
    for (auto& c : input)
        c = QChar(ModFunc::UpperCaseKey(c.unicode()));
    return Acceptable;
}

void UpperCaseValidator::install(QLineEdit* edit) { edit->setValidator(new UpperCaseValidator(edit)); }

} // namespace tavrix::Ui
