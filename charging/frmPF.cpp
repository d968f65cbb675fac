#include "charging/frmPF.h"

#include "data/ValueText.h"
#include "ui/Prompts.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavrix {

frmPF::frmPF(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), txtFee_(new QLineEdit(this)),
      cmdOK_(new QPushButton(QStringLiteral("OK"), this)) {
    setObjectName(QStringLiteral("frmPF"));
    setWindowTitle(QStringLiteral("Enter PF Fee"));
    txtFee_->setObjectName(QStringLiteral("txtFee"));
    txtFee_->setAlignment(Qt::AlignRight);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setAutoDefault(false);

    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::Box);
    auto* label = new QLabel(QStringLiteral("Enter PF Fee"), frame);
    label->setObjectName(QStringLiteral("lblFee"));
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    auto* row = new QHBoxLayout;
    row->addWidget(txtFee_, 1);
    row->addWidget(cmdOK_);
    auto* inner = new QVBoxLayout(frame);
    inner->addWidget(label);
    inner->addLayout(row);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);
    setFixedWidth(260);

    connect(txtFee_, &QLineEdit::returnPressed, this, &frmPF::ok);
    connect(cmdOK_, &QPushButton::clicked, this, &frmPF::ok);
}

void frmPF::ok() {
    if (!ValueText::isNumeric(txtFee_->text())) {
        Ui::message(QStringLiteral("EnterNumeric Value"), Ui::appTitle());
        txtFee_->setFocus();
        txtFee_->selectAll();
        return;
    }
    Fee = ValueText::amount(txtFee_->text().trimmed().toDouble());
    Valid = true;
    accept();
}

} // namespace tavrix
