#include "data/Encryption.h"


namespace tavrix::Encryption {

namespace {
// The fixed starting value; the server's stored hashes are made from text scrambled with it.
constexpr int kStart = 0xA5;

QString hex2(int v) { return QString::number(v, 16).toUpper().rightJustified(2, QLatin1Char(' ')); }
} // namespace

QString ScramblePassword(const QString& mode, const QString& key, const QString& text) {
    if (mode.compare(QLatin1String("E"), Qt::CaseInsensitive) != 0 || key.isEmpty())
        return text;
    // Character codes of the single-byte code page (Latin-1).
    const QByteArray bytes = text.toLatin1();
    const QByteArray keyBytes = key.toLatin1();
    QString out = hex2(kStart);
    int prev = kStart;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const int code = static_cast<unsigned char>(bytes[i]);
        const int k = static_cast<unsigned char>(keyBytes[i % keyBytes.size()]);
        int v = (code + prev) % 255;
        v ^= k;
        out += hex2(v);
        prev = v;
    }
    return out;
}

} // namespace tavrix::Encryption
