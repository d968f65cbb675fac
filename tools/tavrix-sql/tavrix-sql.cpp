// tavrix-sql: runs one statement against an embedded hospital database and
// prints its result set as CSV (or JSON); creates a fresh demo database.

#include "server/Database.h"
#include "server/ServerError.h"

#include <sqlite3.h>

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>

using namespace tavrix::server;

namespace {

int usage() {
    std::cerr << "usage: tavrix-sql [--json] DATABASE [STATEMENT]\n"
                 "       tavrix-sql --create-demo DATABASE\n"
                 "Runs one statement (the argument, or all of standard input) and prints its\n"
                 "result set as CSV with a header row, or as JSON with --json.\n";
    return 2;
}

std::string number(double d) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15g", d);
    return buf;
}

std::string csvField(const Value& v) {
    std::string s;
    switch (v.kind) {
    case Value::Kind::Null: return {};
    case Value::Kind::Integer: return std::to_string(v.integer);
    case Value::Kind::Real: return number(v.real);
    default: s = v.text;
    }
    if (s.find_first_of(",\"\r\n") == std::string::npos)
        return s;
    std::string out = "\"";
    for (char c : s) {
        if (c == '"')
            out += '"';
        out += c;
    }
    return out + "\"";
}

std::string jsonString(const std::string& s) {
    std::string out = "\"";
    for (unsigned char c : s) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out += buf;
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    return out + "\"";
}

std::string jsonValue(const Value& v) {
    switch (v.kind) {
    case Value::Kind::Null: return "null";
    case Value::Kind::Integer: return std::to_string(v.integer);
    case Value::Kind::Real: return number(v.real);
    default: return jsonString(v.text);
    }
}

void printCsv(const Result& r) {
    for (std::size_t i = 0; i < r.columns.size(); ++i)
        std::cout << (i ? "," : "") << csvField(Value::ofText(r.columns[i]));
    std::cout << "\n";
    for (const auto& row : r.rows) {
        for (std::size_t i = 0; i < row.size(); ++i)
            std::cout << (i ? "," : "") << csvField(row[i]);
        std::cout << "\n";
    }
}

void printJson(const Result& r) {
    std::cout << "[";
    for (std::size_t n = 0; n < r.rows.size(); ++n) {
        std::cout << (n ? ",\n " : "\n ") << "{";
        for (std::size_t i = 0; i < r.columns.size(); ++i)
            std::cout << (i ? ", " : "") << jsonString(r.columns[i]) << ": " << jsonValue(r.rows[n][i]);
        std::cout << "}";
    }
    std::cout << (r.rows.empty() ? "]\n" : "\n]\n");
}

// Replacing a file is only safe when it is a demo database (or not a database at all yet).
bool replaceableDemo(const std::string& path) {
    if (!std::filesystem::exists(path))
        return true;
    if (std::filesystem::file_size(path) == 0)
        return true;
    sqlite3* db = nullptr;
    bool demo = false;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* s = nullptr;
        if (sqlite3_prepare_v2(db, "SELECT value FROM _meta WHERE key = 'demo'", -1, &s, nullptr) == SQLITE_OK &&
            sqlite3_step(s) == SQLITE_ROW)
            demo = std::string(reinterpret_cast<const char*>(sqlite3_column_text(s, 0))) == "1";
        sqlite3_finalize(s);
    }
    sqlite3_close(db);
    return demo;
}

int createDemo(const std::string& path) {
    if (!replaceableDemo(path)) {
        std::cerr << "tavrix-sql: " << path << " exists and is not a demo database; it was left alone.\n";
        return 1;
    }
    for (const char* suffix : {"", "-wal", "-shm"})
        std::filesystem::remove(path + suffix);
    Database::open(path, Database::OpenMode::CreateDemo);
    std::cout << "Created the demo hospital in " << path << "\n";
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    bool json = false;
    std::string database, statement;
    bool haveStatement = false, create = false;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--json")
            json = true;
        else if (a == "--create-demo")
            create = true;
        else if (a == "-h" || a == "--help")
            return usage();
        else if (database.empty())
            database = a;
        else if (!haveStatement) {
            statement = a;
            haveStatement = true;
        } else
            return usage();
    }
    if (database.empty())
        return usage();
    try {
        if (create)
            return createDemo(database);
        if (!haveStatement)
            statement.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
        auto db = Database::open(database, Database::OpenMode::Existing);
        const Result r = db->execute(statement);
        if (r.hasResultSet) {
            if (json)
                printJson(r);
            else
                printCsv(r);
        }
        return 0;
    } catch (const ServerError& e) {
        std::cerr << "Msg " << e.number() << ": " << e.what() << "\n";
        return 1;
    } catch (const std::exception& e) {
        std::cerr << "tavrix-sql: " << e.what() << "\n";
        return 1;
    }
}
