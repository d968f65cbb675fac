#pragma once

#include <QString>

#include <optional>

namespace tavrix::Ui {

// The workstation's own settings, in one typed place with their defaults.
class Settings {
public:
    enum ColorKey { BackColor, BandColor, OtherColor };

    // The stored text of a colour key, or nothing when the key is absent. The
    // program never writes these: they are set outside it.
    std::optional<QString> colorValue(ColorKey key) const;

    // The database the log-in dialog offers: the last one used, else the
    // embedded demo hospital in the user's data folder.
    QString lastDatabase() const;
    void setLastDatabase(const QString& path);
    static QString defaultDatabase();
};

} // namespace tavrix::Ui
