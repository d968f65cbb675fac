#include "ui/Settings.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace tavrix::Ui {

namespace {
const char* keyName(Settings::ColorKey key) {
    switch (key) {
    case Settings::BackColor: return "BackColor";
    case Settings::BandColor: return "BandColor";
    case Settings::OtherColor: return "OtherColor";
    }
    return "";
}
} // namespace

std::optional<QString> Settings::colorValue(ColorKey key) const {
    QSettings s(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("TavRixColor"), QStringLiteral("TavRixColor"));
    s.beginGroup(QStringLiteral("FormColor"));
    const QVariant v = s.value(QLatin1String(keyName(key)));
    if (!v.isValid())
        return std::nullopt;
    return v.toString();
}

QString Settings::defaultDatabase() {
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    QDir().mkpath(dir);
    return QDir(dir).filePath(QStringLiteral("tavrix-demo.db"));
}

QString Settings::lastDatabase() const {
    QSettings s(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Tavrix"), QStringLiteral("TavrixMRI"));
    return s.value(QStringLiteral("Login/Database"), defaultDatabase()).toString();
}

void Settings::setLastDatabase(const QString& path) {
    QSettings s(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Tavrix"), QStringLiteral("TavrixMRI"));
    s.setValue(QStringLiteral("Login/Database"), path);
}

} // namespace tavrix::Ui
