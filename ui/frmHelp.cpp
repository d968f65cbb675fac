#include "ui/frmHelp.h"

#include "ui/Prompts.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tavrix {

namespace {

struct KeyLine {
    const char* key;
    const char* meaning;
};

constexpr KeyLine kMainWindow[] = {
    {"F1", "View Shortcut Keys"},         {"F4", "In- Patient Request Entry"},
    {"F5", "Out - Patient Request Entry"}, {"F6", "Assessment Entry"},
    {"F7", "Pending Request"},             {"F8", "Request Cancellation"},
    {"F9", "Request Status"},              {"F11", "Result Entry"},
    {"F12", "Result Inquiry/ Retrieval"},  {"Ctrl + L", "Patient's Ledger"},
};

constexpr KeyLine kResultScreens[] = {
    {"F1", "View Shortcut Keys"},    {"F2", "Direct Print / Verify"},       {"F3", "Save / Verify"},
    {"F4", "Print / Verify"},        {"F5", "Save Only"},                   {"F6", "Save / Print"},
    {"F7", "View Previous Result"},  {"F8", "Coded Interpretation"},        {"F9", "View Remarks"},
    {"F11", "To Enlarge Result Entry"}, {"F12", "Show the list of Patients"}, {"Ctrl + V", "Result Verification"},
};

} // namespace

QStringList frmHelp::lines(Page page) {
    QStringList out;
    if (page == MainWindowPage)
        for (const auto& l : kMainWindow)
            out << QStringLiteral("%1 = %2").arg(QLatin1String(l.key), QLatin1String(l.meaning));
    else
        for (const auto& l : kResultScreens)
            out << QStringLiteral("%1 = %2").arg(QLatin1String(l.key), QLatin1String(l.meaning));
    return out;
}

frmHelp::frmHelp(Page page, QWidget* parent) : QDialog(parent), tabs_(new QTabWidget(this)) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("Shortcut Keys"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    const std::pair<Page, QString> pages[] = {{MainWindowPage, QStringLiteral("Main Window")},
                                              {ResultScreensPage, QStringLiteral("Result Screens")}};
    for (const auto& [p, caption] : pages) {
        auto* list = new QListWidget;
        list->setObjectName(p == MainWindowPage ? QStringLiteral("lstMainKeys") : QStringLiteral("lstResultKeys"));
        QFont f = list->font();
        f.setPointSizeF(f.pointSizeF() * 1.15);
        list->setFont(f);
        list->addItems(lines(p));
        tabs_->addTab(list, caption);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    tabs_->setCurrentIndex(page);
    resize(420, 400);
}

void frmHelp::showPage(Page page, QWidget* parent) {
    frmHelp help(page, parent);
    Ui::runModal(help);
}

} // namespace tavrix
