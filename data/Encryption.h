#pragma once

#include <QString>

namespace tavrix::Encryption {

// The key every caller scrambles passwords with.
inline constexpr char PasswordKey[] = "QWXMPZLTVNHYS";

// Scrambles a password the way the server expects it for mode "E": the
// starting value in hex, then one two-character hex value per character
// (a value below 16 gets a leading blank). Other modes return the text unchanged.
QString ScramblePassword(const QString& mode, const QString& key, const QString& text);

} // namespace tavrix::Encryption
