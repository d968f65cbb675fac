#pragma once

#include "server/Tokenizer.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrix::server {

// The six hospital databases live in one SQLite file; an object "DB..name" is
// stored as the table "DB__name". SQLite resolves both parts without regard to
// letter case, as the hospital's server does.
bool isHospitalDatabase(std::string_view name);
std::string storageName(std::string_view database, std::string_view object);

// Rewrites "DB..object" and "DB.owner.object" into storage names, and the
// T-SQL function isnull() into its SQLite name.
// A name of a database that does not exist throws "Invalid object name".
void translateNames(std::vector<Token>& tokens);

struct ProcedureCall {
    std::string database; // as written
    std::string name;     // as written
    std::vector<std::optional<std::string>> arguments; // nullopt for NULL
};

struct ParsedStatement {
    enum class Kind { Call, Query };
    Kind kind = Kind::Query;
    ProcedureCall call;    // Kind::Call
    std::string sql;       // Kind::Query: SQLite text
    std::string verb;      // Kind::Query: select, insert, update or delete
};

// Accepts exactly one statement: a procedure call "DB..name 'a','b'" or one
// SELECT, INSERT, UPDATE or DELETE in the T-SQL forms the client sends.
// Anything else throws a ServerError naming what was refused.
ParsedStatement parseStatement(std::string_view text);

} // namespace tavrix::server
