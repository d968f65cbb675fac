#pragma once

#include "server/EmbeddedFile.h"

#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tavrix::server {

struct ProcedureParameter {
    std::string name;                        // without the @
    std::optional<std::string> defaultValue; // when the caller may leave it out
    std::string description;
};

struct ProcedureStatement {
    std::string sql;       // SQLite text with storage names, parameters as @name
    std::string condition; // "-- when: expr" before the statement; empty = always
};

// One stored procedure, read from its SQL file:
//   -- DATABASE..procedureName
//   -- What it does (any number of lines).
//   -- @Param: meaning            (in order; "-- @Param = 'x': ..." gives a default)
//   -- returns: Col1, Col2        (or "returns: nothing")
//   statement; statement; ...
// A statement preceded by a line "-- when: expression" runs only when the
// expression is true. The procedure returns the result set of the last
// statement it ran, when that statement returns columns.
struct Procedure {
    std::string database;
    std::string name;
    std::vector<std::string> description;
    std::vector<ProcedureParameter> parameters;
    std::string returns;
    std::vector<ProcedureStatement> statements;

    std::string qualifiedName() const { return database + ".." + name; }
};

class ProcedureCatalog {
public:
    // Files named "<DATABASE>/<name>.sql".
    explicit ProcedureCatalog(std::span<const EmbeddedFile> files);
    static const ProcedureCatalog& builtin();

    const Procedure* find(const std::string& database, const std::string& name) const;
    std::vector<const Procedure*> all() const;

    static Procedure parse(const std::string& database, const std::string& name, std::string_view text);

private:
    std::map<std::string, Procedure> procedures_; // key: lower-case "database..name"
};

std::span<const EmbeddedFile> builtinProcedureFiles();

} // namespace tavrix::server
