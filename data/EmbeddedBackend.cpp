#include "data/EmbeddedBackend.h"

#include "data/DbError.h"
#include "server/Database.h"
#include "server/ServerError.h"

#include <QDateTime>

#include <string>
#include <unordered_map>

namespace tavrix {

namespace {

DbError toDbError(const server::ServerError& e) {
    return DbError(e.number(), QString::fromStdString(e.what()), QString::fromStdString(e.statement()));
}

// The general reading of the server's date text: slow (Qt's parser converts
// local time several times over), so used only for unusual forms.
QVariant parsedDate(const std::string& text) {
    const QString s = QString::fromStdString(text);
    QDateTime dt = QDateTime::fromString(s.left(19), s.size() >= 19 ? QStringLiteral("yyyy-MM-dd HH:mm:ss")
                                                     : s.size() == 16 ? QStringLiteral("yyyy-MM-dd HH:mm")
                                                                      : QStringLiteral("yyyy-MM-dd"));
    if (!dt.isValid())
        dt = QDateTime::fromString(s, Qt::ISODate);
    return dt.isValid() ? QVariant(dt) : QVariant(s);
}

int digits(const std::string& s, std::size_t at, std::size_t count) {
    int n = 0;
    for (std::size_t i = at; i < at + count; ++i)
        n = n * 10 + (s[i] - '0');
    return n;
}

// "yyyy-mm-dd", "yyyy-mm-dd hh:mm" or "yyyy-mm-dd hh:mm:ss[.fff]" (the server
// checked the digits) read directly; anything else goes to the general reading.
QVariant dateValue(const std::string& s) {
    const std::size_t n = s.size();
    if (n != 10 && ((n != 16 && n < 19) || s[10] != ' '))
        return parsedDate(s);
    const QDate date(digits(s, 0, 4), digits(s, 5, 2), digits(s, 8, 2));
    const QTime time =
        n == 10 ? QTime(0, 0) : QTime(digits(s, 11, 2), digits(s, 14, 2), n >= 19 ? digits(s, 17, 2) : 0);
    if (!date.isValid() || !time.isValid())
        return parsedDate(s);
    // Making a local date-time asks the C library for the zone's offset, which
    // looks at the zone file each time; rows repeat their dates, so keep them.
    thread_local std::unordered_map<std::string, QDateTime> seen;
    if (const auto it = seen.find(s); it != seen.end())
        return it->second;
    if (seen.size() >= 4096)
        seen.clear();
    const QDateTime dt(date, time);
    if (!dt.isValid()) // a time the clocks skipped: read it the general way
        return parsedDate(s);
    seen.emplace(s, dt);
    return dt;
}

QVariant toVariant(const server::Value& v) {
    switch (v.kind) {
    case server::Value::Kind::Null: return {};
    case server::Value::Kind::Integer: return QVariant(static_cast<qlonglong>(v.integer));
    case server::Value::Kind::Real: return QVariant(v.real);
    case server::Value::Kind::DateTime: return dateValue(v.text);
    case server::Value::Kind::Text: return QVariant(QString::fromStdString(v.text));
    }
    return {};
}

template <typename F> auto guarded(F&& f) {
    try {
        return f();
    } catch (const server::ServerError& e) {
        throw toDbError(e);
    }
}

} // namespace

EmbeddedBackend::EmbeddedBackend(const QString& path, Create create) : path_(path) {
    const auto mode = create == Create::Demo    ? server::Database::OpenMode::CreateDemo
                      : create == Create::Empty ? server::Database::OpenMode::CreateEmpty
                                                : server::Database::OpenMode::Existing;
    db_ = guarded([&] { return server::Database::open(path.toStdString(), mode); });
}

EmbeddedBackend::~EmbeddedBackend() = default;

ResultSet EmbeddedBackend::execute(const QString& statement, qint64& rowsAffected) {
    const QByteArray utf8 = statement.toUtf8();
    const std::string_view text(utf8.constData(), static_cast<std::size_t>(utf8.size()));
    const server::Result r = guarded([&] { return db_->execute(text); });
    rowsAffected = r.rowsAffected;
    QStringList columns;
    columns.reserve(static_cast<qsizetype>(r.columns.size()));
    for (const auto& c : r.columns)
        columns << QString::fromStdString(c);
    std::vector<QVariantList> rows;
    rows.reserve(r.rows.size());
    for (const auto& row : r.rows) {
        QVariantList out;
        out.reserve(static_cast<qsizetype>(row.size()));
        for (const auto& v : row)
            out << toVariant(v);
        rows.push_back(std::move(out));
    }
    return ResultSet(std::move(columns), std::move(rows), r.hasResultSet);
}

void EmbeddedBackend::begin() {
    guarded([&] {
        db_->begin();
        return 0;
    });
}

void EmbeddedBackend::commit() {
    guarded([&] {
        db_->commit();
        return 0;
    });
}

void EmbeddedBackend::rollback() { db_->rollback(); }
bool EmbeddedBackend::inTransaction() const { return db_->inTransaction(); }
void EmbeddedBackend::setCommandTimeout(int seconds) { db_->setCommandTimeout(std::chrono::seconds(seconds)); }
QString EmbeddedBackend::serverName() const { return QStringLiteral("(embedded)"); }

} // namespace tavrix
