#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tavrix::server {

// One cell of a result set. Dates travel as ISO text ("yyyy-mm-dd hh:mm:ss")
// but are tagged so the client can hand them to the screens as dates.
struct Value {
    enum class Kind { Null, Integer, Real, Text, DateTime };
    Kind kind = Kind::Null;
    std::int64_t integer = 0;
    double real = 0;
    std::string text;

    static Value null() { return {}; }
    static Value ofInteger(std::int64_t v) { return {Kind::Integer, v, 0, {}}; }
    static Value ofReal(double v) { return {Kind::Real, 0, v, {}}; }
    static Value ofText(std::string v) { return {Kind::Text, 0, 0, std::move(v)}; }
    static Value ofDateTime(std::string iso) { return {Kind::DateTime, 0, 0, std::move(iso)}; }

    bool isNull() const { return kind == Kind::Null; }
};

struct Result {
    bool hasResultSet = false; // the statement returned columns (possibly no rows)
    std::vector<std::string> columns;
    std::vector<std::vector<Value>> rows;
    std::int64_t rowsAffected = 0;
};

} // namespace tavrix::server
