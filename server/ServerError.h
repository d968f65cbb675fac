#pragma once

#include <stdexcept>
#include <string>

namespace tavrix::server {

// Error numbers follow the hospital server's own where one exists, so that a
// message reads the same whichever server answered.
namespace ErrorNumber {
constexpr int SyntaxError = 102;          // incorrect syntax
constexpr int UnclosedQuote = 105;        // unclosed quotation mark
constexpr int InvalidObject = 208;        // unknown table or database
constexpr int PermissionDenied = 229;     // statement kind or object not allowed
constexpr int UnknownProcedure = 2812;    // no such stored procedure
constexpr int TooManyArguments = 8144;    // more arguments than parameters
constexpr int MissingArgument = 201;      // parameter without value or default
constexpr int ConstraintViolation = 2627; // unique or primary key
constexpr int RaisedError = 50000;        // raised by a procedure body
constexpr int Timeout = -2;               // command time-out expired
constexpr int Busy = 1205;                // database locked by another workstation
constexpr int General = 50001;            // any other engine failure
constexpr int CannotOpen = 4060;          // database file cannot be opened
} // namespace ErrorNumber

class ServerError : public std::runtime_error {
public:
    ServerError(int number, const std::string& message, std::string statement = {})
        : std::runtime_error(message), number_(number), statement_(std::move(statement)) {}

    int number() const { return number_; }
    const std::string& statement() const { return statement_; }
    void setStatement(std::string statement) { statement_ = std::move(statement); }

private:
    int number_;
    std::string statement_;
};

} // namespace tavrix::server
