#pragma once

#include "server/Value.h"

#include <chrono>
#include <memory>
#include <optional>
#include <vector>
#include <string>
#include <string_view>
#include <unordered_map>

struct sqlite3;
struct sqlite3_stmt;

namespace tavrix::server {

struct Procedure;
struct ProcedureStatement;
class ProcedureCatalog;

// The embedded hospital server: one SQLite file holding the six hospital
// databases, answering one statement per call the way the hospital's own
// server answers the workstation.
class Database {
public:
    enum class OpenMode {
        Existing,      // the file must exist
        CreateEmpty,   // create with the schema only when missing
        CreateDemo,    // create with the schema and the demo hospital when missing
    };

    // The procedures are the built-in ones unless a catalog (kept by the caller) is given.
    static std::unique_ptr<Database> open(const std::string& path, OpenMode mode = OpenMode::Existing,
                                          const ProcedureCatalog* catalog = nullptr);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Runs one statement: a procedure call or one SELECT/INSERT/UPDATE/DELETE.
    Result execute(std::string_view statement);

    // A scope of the caller's: everything until commit() is all or nothing.
    void begin();
    void commit();
    void rollback();
    bool inTransaction() const;

    void setCommandTimeout(std::chrono::milliseconds timeout);
    std::chrono::milliseconds commandTimeout() const { return timeout_; }

    int schemaVersion() const;
    bool isDemo() const;
    const std::string& path() const { return path_; }

    sqlite3* handle() const { return db_; } // for tools and benchmarks only

private:
    explicit Database(sqlite3* db, std::string path);
    void configure();
    void migrate(bool demo);
    void applyScript(std::string_view text, const std::string& what);
    std::string meta(const std::string& key) const;
    void setMeta(const std::string& key, const std::string& value);
    void execPlain(const char* sql);

    struct CachedStatement {
        sqlite3_stmt* stmt = nullptr;
        bool readonly = true;
        bool mapped = false;       // argument is filled
        std::vector<int> argument; // per bound parameter: the procedure parameter's position, -1 when unnamed
    };
    enum class Control { BeginImmediate, Savepoint, Release, Commit, Count };

    Result runQuery(const std::string& sql, const std::string& verb);
    Result runProcedure(const Procedure& proc, const std::vector<std::optional<std::string>>& args);
    CachedStatement& cached(const void* key, const std::string& sql, bool condition);
    void bindArguments(CachedStatement& stmt, const Procedure& proc,
                       const std::vector<std::optional<std::string>>& args);
    void control(Control which);
    sqlite3_stmt* adHoc(const std::string& sql, const std::string& verb);
    [[noreturn]] void fail(int rc, const std::string& context = {});
    void collect(sqlite3_stmt* stmt, Result& result);

    static int authorize(void* self, int action, const char* a, const char* b, const char* c, const char* d);
    static int progress(void* self);

    sqlite3* db_ = nullptr;
    const ProcedureCatalog* catalog_ = nullptr;
    std::string path_;
    std::chrono::milliseconds timeout_{120000};
    std::chrono::steady_clock::time_point deadline_ = std::chrono::steady_clock::time_point::max();
    std::string refused_;
    std::unordered_map<const void*, CachedStatement> statements_;
    std::unordered_map<const void*, CachedStatement> conditions_;
    std::unordered_map<const Procedure*, bool> procedureWrites_;
    std::unordered_map<std::string, const Procedure*> procedureByCall_; // "DB..name" as the caller wrote it
    std::string callKey_;
    sqlite3_stmt* control_[static_cast<int>(Control::Count)] = {};
    // Ad-hoc statements by their SQLite text, oldest first out: a screen that
    // polls or repeats a statement skips preparing it again.
    std::unordered_map<std::string, sqlite3_stmt*> adHoc_;
    std::vector<std::string> adHocOrder_;
};

} // namespace tavrix::server
