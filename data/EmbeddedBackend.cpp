#include "data/EmbeddedBackend.h"

#include "data/DbError.h"
#include "server/Database.h"
#include "server/ServerError.h"

#include <QDateTime>

namespace tavrix {

namespace {

DbError toDbError(const server::ServerError& e) {
    return DbError(e.number(), QString::fromStdString(e.what()), QString::fromStdString(e.statement()));
}

QVariant toVariant(const server::Value& v) {
    switch (v.kind) {
    case server::Value::Kind::Null: return {};
    case server::Value::Kind::Integer: return QVariant(static_cast<qlonglong>(v.integer));
    case server::Value::Kind::Real: return QVariant(v.real);
    case server::Value::Kind::DateTime: {
        const QString s = QString::fromStdString(v.text);
        QDateTime dt = QDateTime::fromString(s.left(19), s.size() >= 19 ? QStringLiteral("yyyy-MM-dd HH:mm:ss")
                                                         : s.size() == 16 ? QStringLiteral("yyyy-MM-dd HH:mm")
                                                                          : QStringLiteral("yyyy-MM-dd"));
        if (!dt.isValid())
            dt = QDateTime::fromString(s, Qt::ISODate);
        return dt.isValid() ? QVariant(dt) : QVariant(s);
    }
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
    const server::Result r = guarded([&] { return db_->execute(statement.toStdString()); });
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
