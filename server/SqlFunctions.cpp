#include "server/SqlFunctions.h"

#include "server/ServerError.h"
#include "server/Sha256.h"

#include <sqlite3.h>

#include <cctype>
#include <cstdio>
#include <ctime>
#include <string>

namespace tavrix::server {

namespace {

std::string text(sqlite3_value* v) {
    const unsigned char* p = sqlite3_value_text(v);
    return p ? std::string(reinterpret_cast<const char*>(p), static_cast<std::size_t>(sqlite3_value_bytes(v)))
             : std::string();
}

void resultText(sqlite3_context* ctx, const std::string& s) {
    sqlite3_result_text(ctx, s.data(), static_cast<int>(s.size()), SQLITE_TRANSIENT);
}

bool readInt(std::string_view s, std::size_t& i, int maxDigits, int& out) {
    int digits = 0;
    out = 0;
    while (i < s.size() && digits < maxDigits && std::isdigit(static_cast<unsigned char>(s[i]))) {
        out = out * 10 + (s[i] - '0');
        ++i;
        ++digits;
    }
    return digits > 0;
}

bool validDate(int y, int m, int d) {
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (y < 1753 || y > 9999 || m < 1 || m > 12 || d < 1)
        return false;
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    return d <= days[m - 1] + ((m == 2 && leap) ? 1 : 0);
}

std::string isoText(int y, int mo, int d, int h, int mi, int s) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", y, mo, d, h, mi, s);
    return buf;
}

// Time part after the date: "hh:mm[:ss[.fff]] [AM|PM]".
bool parseTime(std::string_view s, std::size_t i, int& h, int& mi, int& sec) {
    h = mi = sec = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == 'T'))
        ++i;
    if (i == s.size())
        return true;
    if (!readInt(s, i, 2, h) || i >= s.size() || s[i] != ':')
        return false;
    ++i;
    if (!readInt(s, i, 2, mi))
        return false;
    if (i < s.size() && s[i] == ':') {
        ++i;
        if (!readInt(s, i, 2, sec))
            return false;
        if (i < s.size() && s[i] == '.') {
            ++i;
            while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])))
                ++i;
        }
    }
    while (i < s.size() && s[i] == ' ')
        ++i;
    if (i < s.size()) {
        std::string rest(s.substr(i));
        for (auto& c : rest)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (rest == "PM" && h < 12)
            h += 12;
        else if (rest == "AM" && h == 12)
            h = 0;
        else if (rest != "AM" && rest != "PM")
            return false;
    }
    return h < 24 && mi < 60 && sec < 60;
}

const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

std::string formatDate(const std::string& iso, int style) {
    const int y = std::stoi(iso.substr(0, 4)), mo = std::stoi(iso.substr(5, 2)), d = std::stoi(iso.substr(8, 2));
    const int h = iso.size() >= 16 ? std::stoi(iso.substr(11, 2)) : 0;
    const int mi = iso.size() >= 16 ? std::stoi(iso.substr(14, 2)) : 0;
    const int s = iso.size() >= 19 ? std::stoi(iso.substr(17, 2)) : 0;
    char buf[64];
    switch (style) {
    case 101: std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", mo, d, y); break;
    case 103: std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", d, mo, y); break;
    case 110: std::snprintf(buf, sizeof buf, "%02d-%02d-%04d", mo, d, y); break;
    case 112: std::snprintf(buf, sizeof buf, "%04d%02d%02d", y, mo, d); break;
    case 108: std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", h, mi, s); break;
    case 23: std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", y, mo, d); break;
    case 120: std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", y, mo, d, h, mi, s); break;
    default: {
        const int h12 = h % 12 == 0 ? 12 : h % 12;
        std::snprintf(buf, sizeof buf, "%s %2d %04d %2d:%02d%s", kMonths[mo - 1], d, y, h12, mi, h < 12 ? "AM" : "PM");
    }
    }
    return buf;
}

void fnGetDate(sqlite3_context* ctx, int, sqlite3_value**) { resultText(ctx, localNow()); }

void fnParseDate(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    if (auto iso = parseDate(text(argv[0])))
        resultText(ctx, *iso);
    else
        sqlite3_result_null(ctx);
}

void fnConvert(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    std::string type = text(argv[0]);
    for (auto& c : type)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    sqlite3_value* v = argv[1];
    if (sqlite3_value_type(v) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const int style = argc > 2 ? sqlite3_value_int(argv[2]) : 0;
    if (type.find("char") != std::string::npos) {
        std::string s = text(v);
        if (argc > 2 && looksLikeIsoDate(s))
            s = formatDate(s, style);
        const auto open = type.find('(');
        if (open != std::string::npos) {
            const int len = std::atoi(type.c_str() + open + 1);
            if (len > 0 && static_cast<std::size_t>(len) < s.size())
                s.resize(static_cast<std::size_t>(len));
        }
        resultText(ctx, s);
    } else if (type.find("date") != std::string::npos) {
        if (auto iso = parseDate(text(v)))
            resultText(ctx, *iso);
        else
            sqlite3_result_error(ctx, ("Conversion failed when converting date and/or time from character string '" +
                                       text(v) + "'.").c_str(), -1);
    } else if (type.find("int") != std::string::npos || type == "bit") {
        sqlite3_result_int64(ctx, sqlite3_value_int64(v));
    } else {
        sqlite3_result_double(ctx, sqlite3_value_double(v));
    }
}

void fnRaiseError(sqlite3_context* ctx, int, sqlite3_value** argv) {
    const std::string msg = "RAISERROR:" + text(argv[0]);
    sqlite3_result_error(ctx, msg.c_str(), static_cast<int>(msg.size()));
}

void fnAgeYears(sqlite3_context* ctx, int, sqlite3_value** argv) {
    const auto iso = parseDate(text(argv[0]));
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || !iso) {
        sqlite3_result_null(ctx);
        return;
    }
    const std::string now = localNow();
    int age = std::stoi(now.substr(0, 4)) - std::stoi(iso->substr(0, 4));
    if (now.substr(5, 5) < iso->substr(5, 5))
        --age;
    sqlite3_result_int(ctx, age < 0 ? 0 : age);
}

void fnLen(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    std::string s = text(argv[0]);
    while (!s.empty() && s.back() == ' ')
        s.pop_back();
    sqlite3_result_int64(ctx, static_cast<sqlite3_int64>(s.size()));
}

void fnIsNumeric(sqlite3_context* ctx, int, sqlite3_value** argv) {
    const std::string s = text(argv[0]);
    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ')
        ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    bool digits = false, dot = false;
    for (; i < s.size(); ++i) {
        if (std::isdigit(static_cast<unsigned char>(s[i])))
            digits = true;
        else if (s[i] == '.' && !dot)
            dot = true;
        else if (s[i] == ' ')
            break;
        else {
            sqlite3_result_int(ctx, 0);
            return;
        }
    }
    while (i < s.size() && s[i] == ' ')
        ++i;
    sqlite3_result_int(ctx, digits && i == s.size() ? 1 : 0);
}

void fnHashPassword(sqlite3_context* ctx, int, sqlite3_value** argv) {
    resultText(ctx, hashPassword(text(argv[0]), text(argv[1])));
}

void fnNewSalt(sqlite3_context* ctx, int, sqlite3_value**) { resultText(ctx, newSalt()); }

void fnPasswordMatches(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[2]) == SQLITE_NULL) {
        sqlite3_result_int(ctx, 0);
        return;
    }
    sqlite3_result_int(ctx, hashPassword(text(argv[0]), text(argv[1])) == text(argv[2]) ? 1 : 0);
}

} // namespace

std::string localNow() {
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return isoText(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec);
}

bool looksLikeIsoDate(std::string_view s) {
    auto digit = [&](std::size_t i) { return i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])); };
    if (s.size() != 10 && s.size() != 16 && s.size() < 19)
        return false;
    if (!(digit(0) && digit(1) && digit(2) && digit(3) && s[4] == '-' && digit(5) && digit(6) && s[7] == '-' &&
          digit(8) && digit(9)))
        return false;
    if (s.size() == 10)
        return true;
    if (!((s[10] == ' ' || s[10] == 'T') && digit(11) && digit(12) && s[13] == ':' && digit(14) && digit(15)))
        return false;
    if (s.size() == 16)
        return true;
    if (!(s[16] == ':' && digit(17) && digit(18)))
        return false;
    if (s.size() == 19)
        return true;
    if (s[19] != '.')
        return false;
    for (std::size_t i = 20; i < s.size(); ++i)
        if (!digit(i))
            return false;
    return s.size() > 20;
}

std::optional<std::string> parseDate(std::string_view s) {
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    if (s.empty())
        return std::nullopt;
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, sec = 0;
    std::size_t i = 0;
    if (s.size() >= 10 && s[4] == '-') { // ISO
        if (!readInt(s, i, 4, y) || s[i++] != '-' || !readInt(s, i, 2, mo) || i >= s.size() || s[i++] != '-' ||
            !readInt(s, i, 2, d))
            return std::nullopt;
    } else if (s.size() == 8 && s.find('/') == std::string_view::npos) { // yyyymmdd
        if (!readInt(s, i, 4, y) || !readInt(s, i, 2, mo) || !readInt(s, i, 2, d))
            return std::nullopt;
    } else { // m/d/yyyy
        if (!readInt(s, i, 2, mo) || i >= s.size() || s[i++] != '/' || !readInt(s, i, 2, d) || i >= s.size() ||
            s[i++] != '/' || !readInt(s, i, 4, y))
            return std::nullopt;
    }
    if (!validDate(y, mo, d) || !parseTime(s, i, h, mi, sec))
        return std::nullopt;
    return isoText(y, mo, d, h, mi, sec);
}

void registerSqlFunctions(sqlite3* db) {
    struct Fn {
        const char* name;
        int args;
        void (*fn)(sqlite3_context*, int, sqlite3_value**);
        bool deterministic;
    };
    static constexpr Fn fns[] = {
        {"getdate", 0, fnGetDate, false},
        {"parse_date", 1, fnParseDate, true},
        {"tsql_convert", 2, fnConvert, true},
        {"tsql_convert", 3, fnConvert, true},
        {"raise_error", 1, fnRaiseError, false},
        {"age_years", 1, fnAgeYears, false},
        {"len", 1, fnLen, true},
        {"is_numeric", 1, fnIsNumeric, true},
        {"hash_password", 2, fnHashPassword, true},
        {"new_salt", 0, fnNewSalt, false},
        {"password_matches", 3, fnPasswordMatches, true},
    };
    for (const auto& f : fns) {
        const int flags = SQLITE_UTF8 | (f.deterministic ? SQLITE_DETERMINISTIC : 0);
        if (sqlite3_create_function_v2(db, f.name, f.args, flags, nullptr, f.fn, nullptr, nullptr, nullptr) !=
            SQLITE_OK)
            throw ServerError(ErrorNumber::General, std::string("Cannot register function ") + f.name);
    }
}

} // namespace tavrix::server
