#pragma once

#include <QDialog>

class QTabWidget;

namespace tavrix {

// "Shortcut Keys": the function keys of the main window (first page) and of
// the result screens (second page). Esc closes it.
class frmHelp : public QDialog {
    Q_OBJECT
public:
    enum Page { MainWindowPage = 0, ResultScreensPage = 1 };
    explicit frmHelp(Page page, QWidget* parent = nullptr);

    // Opens it modally on the page.
    static void showPage(Page page, QWidget* parent = nullptr);

    QTabWidget* tabs() const { return tabs_; }
    static QStringList lines(Page page); // "F1 = View Shortcut Keys", ...

private:
    QTabWidget* tabs_;
};

} // namespace tavrix
