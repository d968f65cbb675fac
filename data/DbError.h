#pragma once

#include <QString>

#include <stdexcept>

namespace tavrix {

// A failed statement: the server's error number and message, and the statement
// that failed. Screens catch it and say which action failed.
class DbError : public std::runtime_error {
public:
    // The number a missing current row carries (reading a row of an empty result).
    static constexpr int NoCurrentRow = 3021;

    DbError(int number, const QString& message, const QString& statement = {})
        : std::runtime_error(message.toStdString()), number_(number), message_(message), statement_(statement) {}

    int number() const { return number_; }
    const QString& message() const { return message_; }
    const QString& statement() const { return statement_; }

private:
    int number_;
    QString message_;
    QString statement_;
};

} // namespace tavrix
