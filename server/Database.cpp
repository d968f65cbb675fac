#include "server/Database.h"

#include "server/ProcedureCatalog.h"
#include "server/ServerError.h"
#include "server/SqlFunctions.h"
#include "server/Tokenizer.h"
#include "server/Translator.h"

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <span>

namespace tavrix::server {

std::span<const EmbeddedFile> builtinSchemaFiles();

namespace {

// Runs for every column of every result: no allocation.
bool containsIgnoreCase(std::string_view hay, std::string_view needle) {
    for (std::size_t i = 0; i + needle.size() <= hay.size(); ++i)
        if (equalsIgnoreCase(hay.substr(i, needle.size()), needle))
            return true;
    return false;
}

bool startsWithIgnoreCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && equalsIgnoreCase(text.substr(0, prefix.size()), prefix);
}

constexpr std::size_t kAdHocCacheSize = 64;
constexpr const char* kControlSql[] = {"BEGIN IMMEDIATE", "SAVEPOINT proc", "RELEASE proc", "COMMIT"};

// Files "schema/NNN_*.sql" or "demo/NNN_*.sql" in version order.
std::vector<std::pair<int, const EmbeddedFile*>> scripts(std::string_view folder) {
    std::vector<std::pair<int, const EmbeddedFile*>> out;
    for (const auto& f : builtinSchemaFiles()) {
        if (f.path.substr(0, folder.size() + 1) != std::string(folder) + "/")
            continue;
        const auto name = f.path.substr(folder.size() + 1);
        out.emplace_back(std::stoi(std::string(name.substr(0, 3))), &f);
    }
    std::sort(out.begin(), out.end(), [](auto& a, auto& b) { return a.first < b.first; });
    return out;
}

class StatementReset {
public:
    explicit StatementReset(sqlite3_stmt* s) : s_(s) {}
    ~StatementReset() {
        sqlite3_reset(s_);
        sqlite3_clear_bindings(s_);
    }

private:
    sqlite3_stmt* s_;
};

} // namespace

std::unique_ptr<Database> Database::open(const std::string& path, OpenMode mode, const ProcedureCatalog* catalog) {
    const bool exists = std::filesystem::exists(path);
    if (!exists && mode == OpenMode::Existing)
        throw ServerError(ErrorNumber::CannotOpen, "Cannot open database \"" + path + "\": the file does not exist.");
    sqlite3* db = nullptr;
    // A Database (with its statement caches) serves one thread at a time, so
    // SQLite need not lock around every call.
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX | (exists ? 0 : SQLITE_OPEN_CREATE);
    if (sqlite3_open_v2(path.c_str(), &db, flags, nullptr) != SQLITE_OK) {
        const std::string msg = db ? sqlite3_errmsg(db) : "out of memory";
        sqlite3_close(db);
        throw ServerError(ErrorNumber::CannotOpen, "Cannot open database \"" + path + "\": " + msg);
    }
    std::unique_ptr<Database> out(new Database(db, path));
    out->catalog_ = catalog ? catalog : &ProcedureCatalog::builtin();
    out->configure();
    out->migrate(!exists && mode == OpenMode::CreateDemo);
    return out;
}

Database::Database(sqlite3* db, std::string path) : db_(db), path_(std::move(path)) {}

Database::~Database() {
    for (auto& [k, s] : statements_)
        sqlite3_finalize(s.stmt);
    for (auto& [k, s] : conditions_)
        sqlite3_finalize(s.stmt);
    for (auto& [k, s] : adHoc_)
        sqlite3_finalize(s);
    for (sqlite3_stmt* s : control_)
        sqlite3_finalize(s);
    sqlite3_close_v2(db_);
}

void Database::execPlain(const char* sql) {
    char* err = nullptr;
    if (sqlite3_exec(db_, sql, nullptr, nullptr, &err) != SQLITE_OK) {
        std::string msg = err ? err : "unknown error";
        sqlite3_free(err);
        throw ServerError(ErrorNumber::General, msg, sql);
    }
}

void Database::configure() {
    sqlite3_extended_result_codes(db_, 1);
    sqlite3_busy_timeout(db_, static_cast<int>(timeout_.count()));
    execPlain("PRAGMA journal_mode=WAL");
    // A posted charge must survive a power cut, not only a crash.
    execPlain("PRAGMA synchronous=FULL");
    registerSqlFunctions(db_);
    sqlite3_progress_handler(db_, 1000, &Database::progress, this);
}

std::string Database::meta(const std::string& key) const {
    sqlite3_stmt* s = nullptr;
    std::string out;
    if (sqlite3_prepare_v2(db_, "SELECT value FROM _meta WHERE key = ?", -1, &s, nullptr) == SQLITE_OK) {
        sqlite3_bind_text(s, 1, key.c_str(), -1, SQLITE_TRANSIENT);
        if (sqlite3_step(s) == SQLITE_ROW && sqlite3_column_text(s, 0))
            out = reinterpret_cast<const char*>(sqlite3_column_text(s, 0));
    }
    sqlite3_finalize(s);
    return out;
}

void Database::setMeta(const std::string& key, const std::string& value) {
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(db_, "INSERT OR REPLACE INTO _meta(key, value) VALUES (?, ?)", -1, &s, nullptr);
    sqlite3_bind_text(s, 1, key.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(s, 2, value.c_str(), -1, SQLITE_TRANSIENT);
    const int rc = sqlite3_step(s);
    sqlite3_finalize(s);
    if (rc != SQLITE_DONE)
        fail(rc, "writing the schema version");
}

int Database::schemaVersion() const {
    const std::string v = meta("schema_version");
    return v.empty() ? 0 : std::stoi(v);
}

bool Database::isDemo() const { return meta("demo") == "1"; }

void Database::applyScript(std::string_view text, const std::string& what) {
    std::vector<Token> tokens = tokenize(text);
    translateNames(tokens);
    const std::string sql = joinTokens(tokens);
    char* err = nullptr;
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &err) != SQLITE_OK) {
        std::string msg = err ? err : "unknown error";
        sqlite3_free(err);
        throw ServerError(ErrorNumber::General, what + ": " + msg);
    }
}

// Brings the schema (and, for a demo hospital, its demo data) up to this
// program's version, one versioned script at a time, each all or nothing.
void Database::migrate(bool createDemo) {
    execPlain("BEGIN IMMEDIATE");
    try {
        execPlain("CREATE TABLE IF NOT EXISTS _meta(key TEXT PRIMARY KEY, value TEXT)");
        if (createDemo)
            setMeta("demo", "1");
        const bool demo = isDemo();
        const std::pair<const char*, const char*> kinds[] = {{"schema", "schema_version"}, {"demo", "demo_version"}};
        for (const auto& [folder, key] : kinds) {
            if (std::string(folder) == "demo" && !demo)
                continue;
            const std::string current = meta(key);
            int version = current.empty() ? 0 : std::stoi(current);
            for (const auto& [v, file] : scripts(folder)) {
                if (v <= version)
                    continue;
                applyScript(file->text, std::string(file->path));
                version = v;
                setMeta(key, std::to_string(version));
            }
        }
        execPlain("COMMIT");
    } catch (...) {
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

void Database::setCommandTimeout(std::chrono::milliseconds timeout) {
    timeout_ = timeout;
    sqlite3_busy_timeout(db_, static_cast<int>(timeout.count()));
}

int Database::progress(void* self) {
    auto* db = static_cast<Database*>(self);
    return std::chrono::steady_clock::now() > db->deadline_ ? 1 : 0;
}

int Database::authorize(void* self, int action, const char* a, const char*, const char*, const char*) {
    auto* db = static_cast<Database*>(self);
    switch (action) {
    case SQLITE_SELECT:
    case SQLITE_FUNCTION:
    case SQLITE_RECURSIVE:
        return SQLITE_OK;
    case SQLITE_READ:
    case SQLITE_INSERT:
    case SQLITE_UPDATE:
    case SQLITE_DELETE: {
        // Called for every column a statement reads: no allocation on the way through.
        const std::string_view table = a ? a : "";
        if (table.find("__") != std::string_view::npos && !startsWithIgnoreCase(table, "sqlite_"))
            return SQLITE_OK;
        db->refused_ = "the object '" + std::string(table) + "'";
        return SQLITE_DENY;
    }
    default:
        db->refused_ = "this kind of statement";
        return SQLITE_DENY;
    }
}

void Database::fail(int rc, const std::string& context) {
    std::string msg = sqlite3_errmsg(db_);
    const int primary = rc & 0xff;
    int number = ErrorNumber::General;
    if (msg.rfind("RAISERROR:", 0) == 0) {
        number = ErrorNumber::RaisedError;
        msg = msg.substr(10);
    } else if (primary == SQLITE_CONSTRAINT) {
        number = ErrorNumber::ConstraintViolation;
        msg = "The row breaks a rule of the table: " + msg + ".";
    } else if (primary == SQLITE_INTERRUPT) {
        number = ErrorNumber::Timeout;
        msg = "Query timeout expired.";
    } else if (primary == SQLITE_BUSY || primary == SQLITE_LOCKED) {
        number = ErrorNumber::Busy;
        msg = "The database is busy with another workstation's work; try again.";
    } else if (primary == SQLITE_AUTH) {
        number = ErrorNumber::PermissionDenied;
        msg = "The statement was refused: " + (refused_.empty() ? std::string("not allowed") : refused_) +
              " cannot be used from a workstation.";
    } else if (msg.rfind("no such table: ", 0) == 0) {
        number = ErrorNumber::InvalidObject;
        std::string t = msg.substr(15);
        const auto sep = t.find("__");
        if (sep != std::string::npos)
            t.replace(sep, 2, "..");
        msg = "Invalid object name '" + t + "'.";
    } else if (msg.rfind("no such column: ", 0) == 0) {
        number = 207;
        msg = "Invalid column name '" + msg.substr(16) + "'.";
    } else if (msg.find("syntax error") != std::string::npos) {
        number = ErrorNumber::SyntaxError;
    }
    if (!context.empty() && number != ErrorNumber::RaisedError)
        msg = context + ": " + msg;
    throw ServerError(number, msg);
}

void Database::collect(sqlite3_stmt* stmt, Result& result) {
    const int cols = sqlite3_column_count(stmt);
    result = Result{};
    result.hasResultSet = cols > 0;
    for (int i = 0; i < cols; ++i)
        result.columns.emplace_back(sqlite3_column_name(stmt, i));
    // Text may be a date where the column is declared a date or time, or has
    // no declared type at all (an expression).
    std::array<bool, 64> few{}; // results rarely have more columns: no allocation then
    std::unique_ptr<bool[]> many;
    bool* maybeDate = few.data();
    if (cols > static_cast<int>(few.size())) {
        many = std::make_unique<bool[]>(static_cast<std::size_t>(cols));
        maybeDate = many.get();
    }
    for (int i = 0; i < cols; ++i) {
        const char* decl = sqlite3_column_decltype(stmt, i);
        maybeDate[i] = !decl || containsIgnoreCase(decl, "date") || containsIgnoreCase(decl, "time");
    }
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        std::vector<Value> row;
        row.reserve(static_cast<std::size_t>(cols));
        for (int i = 0; i < cols; ++i) {
            switch (sqlite3_column_type(stmt, i)) {
            case SQLITE_NULL: row.push_back(Value::null()); break;
            case SQLITE_INTEGER: row.push_back(Value::ofInteger(sqlite3_column_int64(stmt, i))); break;
            case SQLITE_FLOAT: row.push_back(Value::ofReal(sqlite3_column_double(stmt, i))); break;
            default: {
                const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(stmt, i));
                std::string s(p ? p : "", static_cast<std::size_t>(sqlite3_column_bytes(stmt, i)));
                const bool isDate = maybeDate[i] && looksLikeIsoDate(s);
                row.push_back(isDate ? Value::ofDateTime(std::move(s)) : Value::ofText(std::move(s)));
            }
            }
        }
        result.rows.push_back(std::move(row));
    }
    if (rc != SQLITE_DONE)
        fail(rc);
    if (!sqlite3_stmt_readonly(stmt))
        result.rowsAffected = sqlite3_changes64(db_);
}

// An ad-hoc statement prepared under the authorizer, or the one prepared
// before from the same text.
sqlite3_stmt* Database::adHoc(const std::string& sql, const std::string& verb) {
    if (auto it = adHoc_.find(sql); it != adHoc_.end())
        return it->second;
    sqlite3_stmt* stmt = nullptr;
    const char* tail = nullptr;
    refused_.clear();
    sqlite3_set_authorizer(db_, &Database::authorize, this);
    const int rc = sqlite3_prepare_v3(db_, sql.c_str(), static_cast<int>(sql.size()),
                                      SQLITE_PREPARE_PERSISTENT, &stmt, &tail);
    sqlite3_set_authorizer(db_, nullptr, nullptr);
    if (rc != SQLITE_OK)
        fail(rc);
    std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> guard(stmt, sqlite3_finalize);
    if (!stmt)
        throw ServerError(ErrorNumber::SyntaxError, "The statement is empty.");
    if (tail && std::string_view(tail).find_first_not_of(" \t\r\n") != std::string_view::npos)
        throw ServerError(ErrorNumber::SyntaxError, "Only one statement is accepted per call.");
    if (verb == "select" && !sqlite3_stmt_readonly(stmt))
        throw ServerError(ErrorNumber::PermissionDenied, "The statement was refused: a SELECT may not change data.");
    if (adHocOrder_.size() >= kAdHocCacheSize) {
        const auto oldest = adHoc_.find(adHocOrder_.front());
        sqlite3_finalize(oldest->second);
        adHoc_.erase(oldest);
        adHocOrder_.erase(adHocOrder_.begin());
    }
    adHoc_.emplace(sql, stmt);
    adHocOrder_.push_back(sql);
    return guard.release();
}

Result Database::runQuery(const std::string& sql, const std::string& verb) {
    sqlite3_stmt* stmt = adHoc(sql, verb);
    StatementReset reset(stmt);
    Result result;
    collect(stmt, result);
    return result;
}

Database::CachedStatement& Database::cached(const void* key, const std::string& sql, bool condition) {
    auto& cache = condition ? conditions_ : statements_;
    auto it = cache.find(key);
    if (it != cache.end())
        return it->second;
    sqlite3_stmt* stmt = nullptr;
    const std::string text = condition ? "SELECT (" + sql + ")" : sql;
    const int rc = sqlite3_prepare_v3(db_, text.c_str(), static_cast<int>(text.size()), SQLITE_PREPARE_PERSISTENT,
                                      &stmt, nullptr);
    if (rc != SQLITE_OK)
        fail(rc);
    CachedStatement entry;
    entry.stmt = stmt;
    entry.readonly = sqlite3_stmt_readonly(stmt) != 0;
    return cache.emplace(key, std::move(entry)).first->second;
}

void Database::bindArguments(CachedStatement& cs, const Procedure& proc,
                             const std::vector<std::optional<std::string>>& args) {
    sqlite3_stmt* stmt = cs.stmt;
    if (!cs.mapped) {
        // Which procedure parameter each bound name stands for, worked out once.
        const int count = sqlite3_bind_parameter_count(stmt);
        std::vector<int> argument(static_cast<std::size_t>(count), -1);
        for (int i = 1; i <= count; ++i) {
            const char* raw = sqlite3_bind_parameter_name(stmt, i);
            if (!raw)
                continue;
            const std::string_view name(raw + 1);
            std::size_t p = 0;
            for (; p < proc.parameters.size(); ++p)
                if (equalsIgnoreCase(proc.parameters[p].name, name))
                    break;
            if (p == proc.parameters.size())
                throw ServerError(ErrorNumber::General, "Procedure " + proc.qualifiedName() +
                                                            " uses an undeclared parameter @" +
                                                            std::string(name));
            argument[static_cast<std::size_t>(i - 1)] = static_cast<int>(p);
        }
        cs.argument = std::move(argument);
        cs.mapped = true;
    }
    for (std::size_t i = 0; i < cs.argument.size(); ++i) {
        const int p = cs.argument[i];
        if (p < 0)
            continue;
        const auto pos = static_cast<std::size_t>(p);
        const std::optional<std::string>& v =
            pos < args.size() ? args[pos] : proc.parameters[pos].defaultValue;
        const int at = static_cast<int>(i) + 1;
        if (v)
            sqlite3_bind_text(stmt, at, v->data(), static_cast<int>(v->size()), SQLITE_STATIC);
        else
            sqlite3_bind_null(stmt, at);
    }
}

// Transaction control around a procedure, prepared once: parsing these small
// statements on every call cost more than many procedure bodies.
void Database::control(Control which) {
    sqlite3_stmt*& stmt = control_[static_cast<int>(which)];
    if (!stmt) {
        const int rc = sqlite3_prepare_v3(db_, kControlSql[static_cast<int>(which)], -1,
                                          SQLITE_PREPARE_PERSISTENT, &stmt, nullptr);
        if (rc != SQLITE_OK)
            fail(rc);
    }
    const int rc = sqlite3_step(stmt);
    sqlite3_reset(stmt);
    if (rc != SQLITE_DONE)
        fail(rc);
}

Result Database::runProcedure(const Procedure& proc, const std::vector<std::optional<std::string>>& args) {
    if (args.size() > proc.parameters.size())
        throw ServerError(ErrorNumber::TooManyArguments,
                          "Procedure or function " + proc.name + " has too many arguments specified.");
    for (std::size_t p = args.size(); p < proc.parameters.size(); ++p)
        if (!proc.parameters[p].defaultValue)
            throw ServerError(ErrorNumber::MissingArgument, "Procedure or function '" + proc.name +
                                                                "' expects parameter '@" + proc.parameters[p].name +
                                                                "', which was not supplied.");
    // Prepare every statement once; a procedure that writes runs under a write lock.
    auto known = procedureWrites_.find(&proc);
    if (known == procedureWrites_.end()) {
        bool writes = false;
        for (const auto& st : proc.statements)
            writes = writes || !cached(&st, st.sql, false).readonly;
        known = procedureWrites_.emplace(&proc, writes).first;
    }
    const bool outer = !inTransaction();
    const bool scoped = proc.statements.size() > 1;
    const bool locked = outer && known->second;
    if (scoped)
        control(locked ? Control::BeginImmediate : Control::Savepoint);
    Result result;
    try {
        std::int64_t changes = 0;
        for (const auto& st : proc.statements) {
            if (!st.condition.empty()) {
                CachedStatement& c = cached(&st, st.condition, true);
                StatementReset reset(c.stmt);
                bindArguments(c, proc, args);
                const int rc = sqlite3_step(c.stmt);
                if (rc != SQLITE_ROW && rc != SQLITE_DONE)
                    fail(rc);
                if (rc != SQLITE_ROW || sqlite3_column_int(c.stmt, 0) == 0)
                    continue;
            }
            CachedStatement& s = cached(&st, st.sql, false);
            StatementReset reset(s.stmt);
            bindArguments(s, proc, args);
            collect(s.stmt, result);
            changes += result.rowsAffected;
        }
        if (!result.hasResultSet)
            result.rows.clear();
        result.rowsAffected = changes;
        if (scoped)
            control(locked ? Control::Commit : Control::Release);
    } catch (...) {
        if (scoped) {
            if (locked)
                sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
            else
                sqlite3_exec(db_, "ROLLBACK TO proc; RELEASE proc", nullptr, nullptr, nullptr);
        }
        throw;
    }
    return result;
}

Result Database::execute(std::string_view statement) {
    deadline_ = std::chrono::steady_clock::now() + timeout_;
    try {
        const ParsedStatement parsed = parseStatement(statement);
        if (parsed.kind == ParsedStatement::Kind::Query)
            return runQuery(parsed.sql, parsed.verb);
        // The catalog folds letter case for every look-up; a caller spells a
        // procedure the same way each time, so remember its spelling.
        std::string& spelled = callKey_; // kept between calls: no allocation once grown
        spelled.assign(parsed.call.database).append("..").append(parsed.call.name);
        const Procedure* proc = nullptr;
        if (const auto it = procedureByCall_.find(spelled); it != procedureByCall_.end()) {
            proc = it->second;
        } else if ((proc = catalog_->find(parsed.call.database, parsed.call.name))) {
            if (procedureByCall_.size() >= 1024)
                procedureByCall_.clear();
            procedureByCall_.emplace(spelled, proc);
        }
        if (!proc)
            throw ServerError(ErrorNumber::UnknownProcedure, "Could not find stored procedure '" +
                                                                 parsed.call.database + ".." + parsed.call.name + "'.");
        return runProcedure(*proc, parsed.call.arguments);
    } catch (ServerError& e) {
        if (e.statement().empty())
            e.setStatement(std::string(statement));
        throw;
    }
}

bool Database::inTransaction() const { return sqlite3_get_autocommit(db_) == 0; }

void Database::begin() {
    if (inTransaction())
        throw ServerError(ErrorNumber::General, "A transaction is already open.");
    deadline_ = std::chrono::steady_clock::now() + timeout_;
    const int rc = sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        fail(rc, "Starting a transaction");
}

void Database::commit() {
    deadline_ = std::chrono::steady_clock::now() + timeout_;
    const int rc = sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        fail(rc, "Committing the transaction");
}

void Database::rollback() {
    if (inTransaction())
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
}

} // namespace tavrix::server
