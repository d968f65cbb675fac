#pragma once

#include <optional>
#include <string>
#include <string_view>

struct sqlite3;

namespace tavrix::server {

// The server-side functions that procedure bodies and client statements use:
// getdate(), tsql_convert(), parse_date(), raise_error(), age_years(),
// len(), is_numeric(), hash_password(), new_salt(), password_matches().
void registerSqlFunctions(sqlite3* db);

// "mm/dd/yyyy", "m/d/yyyy h:mm AM", ISO and "yyyymmdd" to "yyyy-mm-dd hh:mm:ss".
std::optional<std::string> parseDate(std::string_view text);
bool looksLikeIsoDate(std::string_view text);
std::string localNow(); // "yyyy-mm-dd hh:mm:ss" on the server's clock

} // namespace tavrix::server
