#include "server/Tokenizer.h"

#include "server/ServerError.h"

#include <cctype>

namespace tavrix::server {

namespace {

// ASCII classes written out: the C library's are calls that look at the locale.
inline bool isDigit(unsigned char c) { return c >= '0' && c <= '9'; }
inline bool isLetter(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
inline bool isBlank(unsigned char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool isNameStart(unsigned char c) { return isLetter(c) || c == '_' || c == '#' || c >= 0x80; }
bool isNameChar(unsigned char c) {
    return isLetter(c) || isDigit(c) || c == '_' || c == '#' || c == '$' || c >= 0x80;
}

// Names are compared by their ASCII letters, as the hospital's server does.
inline char asciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

} // namespace

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (asciiLower(a[i]) != asciiLower(b[i]))
            return false;
    return true;
}

std::string toLower(std::string_view s) {
    std::string out(s);
    for (auto& c : out)
        c = asciiLower(c);
    return out;
}

bool Token::isWord(std::string_view word) const {
    return kind == TokenKind::Identifier && equalsIgnoreCase(text, word);
}

std::string Token::stringValue() const {
    std::string_view body(text);
    if (!body.empty() && (body.front() == 'N' || body.front() == 'n'))
        body.remove_prefix(1);
    body = body.substr(1, body.size() - 2);
    std::string out;
    out.reserve(body.size());
    for (std::size_t i = 0; i < body.size(); ++i) {
        out.push_back(body[i]);
        if (body[i] == '\'' && i + 1 < body.size() && body[i + 1] == '\'')
            ++i;
    }
    return out;
}

std::string Token::name() const {
    if (kind == TokenKind::QuotedName)
        return text.substr(1, text.size() - 2);
    return text;
}

std::vector<Token> tokenize(std::string_view sql) {
    std::vector<Token> tokens;
    tokens.reserve(sql.size() / 3 + 4);
    std::size_t i = 0;
    const std::size_t n = sql.size();
    auto push = [&](TokenKind kind, std::size_t start, std::size_t end) {
        tokens.push_back(Token{kind, std::string(sql.substr(start, end - start)), start});
    };
    while (i < n) {
        const unsigned char c = static_cast<unsigned char>(sql[i]);
        const std::size_t start = i;
        if (isBlank(c)) {
            while (i < n && isBlank(static_cast<unsigned char>(sql[i])))
                ++i;
            push(TokenKind::Space, start, i);
        } else if (c == '-' && i + 1 < n && sql[i + 1] == '-') {
            while (i < n && sql[i] != '\n')
                ++i;
            push(TokenKind::Comment, start, i);
        } else if (c == '/' && i + 1 < n && sql[i + 1] == '*') {
            const auto close = sql.find("*/", i + 2);
            if (close == std::string_view::npos)
                throw ServerError(ErrorNumber::SyntaxError, "Missing end comment mark '*/'.");
            i = close + 2;
            push(TokenKind::Comment, start, i);
        } else if (c == '\'' || ((c == 'N' || c == 'n') && i + 1 < n && sql[i + 1] == '\'')) {
            i += (c == '\'') ? 1 : 2;
            for (;;) {
                if (i >= n)
                    throw ServerError(ErrorNumber::UnclosedQuote,
                                      "Unclosed quotation mark after the character string '" +
                                          std::string(sql.substr(start)) + "'.");
                if (sql[i] == '\'') {
                    if (i + 1 < n && sql[i + 1] == '\'') {
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                ++i;
            }
            push(TokenKind::String, start, i);
        } else if (c == '[' || c == '"') {
            const char close = (c == '[') ? ']' : '"';
            const auto end = sql.find(close, i + 1);
            if (end == std::string_view::npos)
                throw ServerError(ErrorNumber::SyntaxError,
                                  "Unclosed quoted name '" + std::string(sql.substr(start)) + "'.");
            i = end + 1;
            push(TokenKind::QuotedName, start, i);
        } else if (c == '@') {
            ++i;
            while (i < n && isNameChar(static_cast<unsigned char>(sql[i])))
                ++i;
            push(TokenKind::Parameter, start, i);
        } else if (isDigit(c)) {
            while (i < n && isDigit(static_cast<unsigned char>(sql[i])))
                ++i;
            if (i + 1 < n && sql[i] == '.' && isDigit(static_cast<unsigned char>(sql[i + 1]))) {
                ++i;
                while (i < n && isDigit(static_cast<unsigned char>(sql[i])))
                    ++i;
            }
            if (i < n && (sql[i] == 'e' || sql[i] == 'E')) {
                std::size_t j = i + 1;
                if (j < n && (sql[j] == '+' || sql[j] == '-'))
                    ++j;
                if (j < n && isDigit(static_cast<unsigned char>(sql[j]))) {
                    i = j;
                    while (i < n && isDigit(static_cast<unsigned char>(sql[i])))
                        ++i;
                }
            }
            push(TokenKind::Number, start, i);
        } else if (isNameStart(c)) {
            while (i < n && isNameChar(static_cast<unsigned char>(sql[i])))
                ++i;
            push(TokenKind::Identifier, start, i);
        } else {
            static constexpr std::string_view pairs[] = {"<>", "<=", ">=", "!=", "||", "=="};
            std::size_t len = 1;
            for (auto p : pairs)
                if (sql.substr(i, 2) == p)
                    len = 2;
            i += len;
            push(TokenKind::Punctuation, start, i);
        }
    }
    return tokens;
}

std::string joinTokens(const std::vector<Token>& tokens) {
    std::string out;
    for (const auto& t : tokens)
        out += t.text;
    return out;
}

} // namespace tavrix::server
