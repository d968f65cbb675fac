#pragma once

#include <QApplication>
#include <QCursor>

namespace tavrix::Ui {

// The hourglass while the scope runs; the normal pointer again however it ends.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace tavrix::Ui
