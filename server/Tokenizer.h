#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavrix::server {

enum class TokenKind {
    Space,       // blanks and line breaks
    Comment,     // -- to end of line, or /* ... */
    Identifier,  // word, keyword or name part
    QuotedName,  // [name] or "name"
    String,      // 'text' with '' inside (also N'text')
    Number,      // 12, 1.50
    Parameter,   // @name
    Punctuation, // one character, or <> <= >= != ||
};

struct Token {
    TokenKind kind;
    std::string text; // as written
    std::size_t offset = 0;

    bool is(TokenKind k) const { return kind == k; }
    bool isPunct(std::string_view p) const { return kind == TokenKind::Punctuation && text == p; }
    bool isWord(std::string_view word) const; // identifier equal to word, any letter case
    bool significant() const { return kind != TokenKind::Space && kind != TokenKind::Comment; }
    std::string stringValue() const; // the literal's content with '' folded to '
    std::string name() const;        // identifier or quoted name without its quotes
};

// Splits statement text into tokens; an unclosed literal or comment throws a ServerError.
std::vector<Token> tokenize(std::string_view sql);

std::string joinTokens(const std::vector<Token>& tokens);

bool equalsIgnoreCase(std::string_view a, std::string_view b);
std::string toLower(std::string_view s);

} // namespace tavrix::server
