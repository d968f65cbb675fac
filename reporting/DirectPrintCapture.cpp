#include "reporting/DirectPrintCapture.h"

#include <QDir>

namespace tavrix {

namespace {
DirectPrintCapture* g_active = nullptr;
}

DirectPrintCapture::DirectPrintCapture(const QString& directory)
    : directory_(directory.isEmpty() ? temporary_.path() : directory), previous_(g_active) {
    QDir().mkpath(directory_);
    g_active = this;
}

DirectPrintCapture::~DirectPrintCapture() {
    g_active = previous_;
}

DirectPrintCapture* DirectPrintCapture::active() {
    return g_active;
}

QString DirectPrintCapture::nextPdfPath() const {
    return QDir(directory_).filePath(QStringLiteral("print-%1.pdf").arg(prints_.size() + 1));
}

} // namespace tavrix
