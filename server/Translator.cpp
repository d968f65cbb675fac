#include "server/Translator.h"

#include "server/ServerError.h"

#include <array>
#include <cstdlib>

namespace tavrix::server {

namespace {

constexpr std::array<std::string_view, 6> kDatabases = {"PATIENT_DATA", "RADIOLOGY", "BILLING",
                                                        "BUILD_FILE",   "PASSWORD",  "REPORTS"};

std::string upper(std::string_view s) {
    std::string out(s);
    for (auto& c : out)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

// Index of the next significant token at or after i, or tokens.size().
std::size_t nextSig(const std::vector<Token>& t, std::size_t i) {
    while (i < t.size() && !t[i].significant())
        ++i;
    return i;
}

[[noreturn]] void syntaxError(const std::string& near, const std::string& why = {}) {
    std::string msg = "Incorrect syntax near '" + near + "'.";
    if (!why.empty())
        msg += " " + why;
    throw ServerError(ErrorNumber::SyntaxError, msg);
}

Token makeToken(TokenKind kind, std::string text) { return Token{kind, std::move(text), 0}; }

bool isNamePart(const Token& t) { return t.is(TokenKind::Identifier) || t.is(TokenKind::QuotedName); }

// "[name]" becomes "name" quoted the SQLite way; N'x' becomes 'x'.
void translateQuoting(std::vector<Token>& tokens) {
    for (auto& t : tokens) {
        if (t.is(TokenKind::QuotedName) && t.text.front() == '[') {
            std::string inner = t.name();
            std::string quoted = "\"";
            for (char c : inner) {
                quoted.push_back(c);
                if (c == '"')
                    quoted.push_back('"');
            }
            t.text = quoted + "\"";
        } else if (t.is(TokenKind::String) && t.text.front() != '\'') {
            t.text.erase(0, 1);
        }
    }
}

// T-SQL allows "DELETE table WHERE ..."; SQLite needs FROM.
void translateDelete(std::vector<Token>& tokens) {
    const std::size_t first = nextSig(tokens, 0);
    if (first >= tokens.size() || !tokens[first].isWord("delete"))
        return;
    const std::size_t second = nextSig(tokens, first + 1);
    if (second < tokens.size() && !tokens[second].isWord("from")) {
        tokens.insert(tokens.begin() + static_cast<std::ptrdiff_t>(second),
                      {makeToken(TokenKind::Identifier, "FROM"), makeToken(TokenKind::Space, " ")});
    }
}

// convert(type, expr[, style]) becomes tsql_convert('type', expr[, style]).
void translateConvert(std::vector<Token>& tokens) {
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (!tokens[i].isWord("convert"))
            continue;
        const std::size_t open = nextSig(tokens, i + 1);
        if (open >= tokens.size() || !tokens[open].isPunct("("))
            continue;
        int depth = 0;
        std::size_t comma = tokens.size();
        std::string type;
        for (std::size_t j = open + 1; j < tokens.size(); ++j) {
            if (tokens[j].isPunct("("))
                ++depth;
            else if (tokens[j].isPunct(")")) {
                if (depth == 0)
                    break;
                --depth;
            } else if (depth == 0 && tokens[j].isPunct(",")) {
                comma = j;
                break;
            }
            if (tokens[j].significant())
                type += tokens[j].text;
        }
        if (comma == tokens.size() || type.empty())
            syntaxError("convert", "CONVERT needs a type and a value.");
        tokens[i].text = "tsql_convert";
        tokens.erase(tokens.begin() + static_cast<std::ptrdiff_t>(open + 1),
                     tokens.begin() + static_cast<std::ptrdiff_t>(comma));
        tokens.insert(tokens.begin() + static_cast<std::ptrdiff_t>(open + 1),
                      makeToken(TokenKind::String, "'" + type + "'"));
    }
}

struct SelectFrame {
    bool inSelectList = false;
    bool expectItem = false;
    long long top = -1;
};

void insertLimit(std::vector<Token>& tokens, std::size_t at, long long top) {
    tokens.insert(tokens.begin() + static_cast<std::ptrdiff_t>(at),
                  {makeToken(TokenKind::Space, " "), makeToken(TokenKind::Identifier, "LIMIT"),
                   makeToken(TokenKind::Space, " "), makeToken(TokenKind::Number, std::to_string(top))});
}

// "SELECT TOP n ..." becomes "SELECT ... LIMIT n" (also in subqueries), and a
// select-list item "alias = expression" becomes "expression AS alias".
void translateSelectLists(std::vector<Token>& tokens) {
    std::vector<SelectFrame> frames(1);
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        Token& t = tokens[i];
        if (!t.significant())
            continue;
        if (t.isPunct("(")) {
            frames.emplace_back();
            continue;
        }
        if (t.isPunct(")")) {
            if (frames.size() == 1)
                syntaxError(")");
            const SelectFrame f = frames.back();
            frames.pop_back();
            if (f.top >= 0) {
                insertLimit(tokens, i, f.top);
                i += 4;
            }
            continue;
        }
        SelectFrame& f = frames.back();
        if (t.isWord("select")) {
            f.inSelectList = true;
            f.expectItem = true;
            std::size_t j = nextSig(tokens, i + 1);
            if (j < tokens.size() && (tokens[j].isWord("distinct") || tokens[j].isWord("all")))
                j = nextSig(tokens, j + 1);
            if (j < tokens.size() && tokens[j].isWord("top")) {
                std::size_t k = nextSig(tokens, j + 1);
                bool paren = k < tokens.size() && tokens[k].isPunct("(");
                if (paren)
                    k = nextSig(tokens, k + 1);
                if (k >= tokens.size() || !tokens[k].is(TokenKind::Number))
                    syntaxError("top", "TOP needs a number.");
                f.top = std::atoll(tokens[k].text.c_str());
                std::size_t end = k + 1;
                if (paren) {
                    end = nextSig(tokens, k + 1);
                    if (end >= tokens.size() || !tokens[end].isPunct(")"))
                        syntaxError("top");
                    ++end;
                }
                tokens.erase(tokens.begin() + static_cast<std::ptrdiff_t>(j),
                             tokens.begin() + static_cast<std::ptrdiff_t>(end));
            }
            continue;
        }
        if (!f.inSelectList)
            continue;
        if (t.isWord("from")) {
            f.inSelectList = false;
            continue;
        }
        if (t.isPunct(",")) {
            f.expectItem = true;
            continue;
        }
        if (f.expectItem && isNamePart(t)) {
            const std::size_t eq = nextSig(tokens, i + 1);
            if (eq < tokens.size() && tokens[eq].isPunct("=")) {
                // Find where the expression ends: a comma, FROM or the frame's end.
                int depth = 0;
                std::size_t end = eq + 1;
                for (; end < tokens.size(); ++end) {
                    const Token& e = tokens[end];
                    if (e.isPunct("("))
                        ++depth;
                    else if (e.isPunct(")")) {
                        if (depth == 0)
                            break;
                        --depth;
                    } else if (depth == 0 && (e.isPunct(",") || e.isWord("from")))
                        break;
                }
                std::size_t exprEnd = end;
                while (exprEnd > eq + 1 && !tokens[exprEnd - 1].significant())
                    --exprEnd;
                if (exprEnd == eq + 1)
                    syntaxError("=");
                Token alias = t;
                if (alias.is(TokenKind::Identifier))
                    alias = makeToken(TokenKind::QuotedName, "\"" + alias.text + "\"");
                tokens.insert(tokens.begin() + static_cast<std::ptrdiff_t>(exprEnd),
                              {makeToken(TokenKind::Space, " "), makeToken(TokenKind::Identifier, "AS"),
                               makeToken(TokenKind::Space, " "), alias});
                tokens.erase(tokens.begin() + static_cast<std::ptrdiff_t>(i),
                             tokens.begin() + static_cast<std::ptrdiff_t>(eq + 1));
                // Go on inside the expression (it may hold a subquery).
                f.expectItem = false;
                --i;
                continue;
            }
        }
        f.expectItem = false;
    }
    if (frames.size() != 1)
        syntaxError("(", "A parenthesis is not closed.");
    if (frames.front().top >= 0)
        insertLimit(tokens, tokens.size(), frames.front().top);
}

} // namespace

bool isHospitalDatabase(std::string_view name) {
    for (auto db : kDatabases)
        if (equalsIgnoreCase(db, name))
            return true;
    return false;
}

std::string storageName(std::string_view database, std::string_view object) {
    return upper(database) + "__" + std::string(object);
}

void translateNames(std::vector<Token>& tokens) {
    // isnull(a, b) is T-SQL's ifnull; SQLite reads the bare word as an operator.
    for (std::size_t i = 0; i + 1 < tokens.size(); ++i) {
        const std::size_t next = nextSig(tokens, i + 1);
        if (tokens[i].isWord("isnull") && next < tokens.size() && tokens[next].isPunct("("))
            tokens[i].text = "ifnull";
    }
    for (std::size_t i = 0; i + 2 < tokens.size(); ++i) {
        if (!isNamePart(tokens[i]) || !tokens[i + 1].isPunct("."))
            continue;
        std::size_t objectAt;
        if (tokens[i + 2].isPunct(".")) {
            objectAt = i + 3; // DB..object
        } else if (isNamePart(tokens[i + 2]) && i + 4 < tokens.size() && tokens[i + 3].isPunct(".") &&
                   isNamePart(tokens[i + 4])) {
            objectAt = i + 4; // DB.owner.object
        } else {
            continue; // alias.column
        }
        if (objectAt >= tokens.size() || !isNamePart(tokens[objectAt]))
            syntaxError(tokens[i].text + "..", "An object name is missing.");
        const std::string db = tokens[i].name();
        if (!isHospitalDatabase(db))
            throw ServerError(ErrorNumber::InvalidObject,
                              "Invalid object name '" + db + ".." + tokens[objectAt].name() + "'.");
        Token merged = makeToken(TokenKind::Identifier, storageName(db, tokens[objectAt].name()));
        merged.offset = tokens[i].offset;
        tokens.erase(tokens.begin() + static_cast<std::ptrdiff_t>(i + 1),
                     tokens.begin() + static_cast<std::ptrdiff_t>(objectAt + 1));
        tokens[i] = merged;
    }
}

namespace {

ParsedStatement parseCall(const std::vector<Token>& tokens, std::size_t i) {
    ParsedStatement out;
    out.kind = ParsedStatement::Kind::Call;
    if (tokens[i].isWord("exec") || tokens[i].isWord("execute"))
        i = nextSig(tokens, i + 1);
    // The name must be written without blanks: DB..name or DB.owner.name.
    if (i + 3 >= tokens.size() || !isNamePart(tokens[i]) || !tokens[i + 1].isPunct("."))
        syntaxError(i < tokens.size() ? tokens[i].text : std::string(),
                    "Expected a procedure call such as DATABASE..procedure 'argument'.");
    std::size_t nameAt;
    if (tokens[i + 2].isPunct("."))
        nameAt = i + 3;
    else if (isNamePart(tokens[i + 2]) && i + 4 < tokens.size() && tokens[i + 3].isPunct("."))
        nameAt = i + 4;
    else
        syntaxError(tokens[i].text, "Expected a procedure call such as DATABASE..procedure 'argument'.");
    if (nameAt >= tokens.size() || !isNamePart(tokens[nameAt]))
        syntaxError(tokens[i].text + "..", "The procedure name is missing.");
    out.call.database = tokens[i].name();
    out.call.name = tokens[nameAt].name();
    if (!isHospitalDatabase(out.call.database))
        throw ServerError(ErrorNumber::UnknownProcedure, "Could not find stored procedure '" +
                                                             out.call.database + ".." + out.call.name + "'.");

    std::size_t j = nameAt + 1;
    if (j < tokens.size() && tokens[j].significant())
        syntaxError(tokens[j].text, "A blank must separate the procedure name from its arguments.");
    j = nextSig(tokens, j);
    bool expectValue = true;
    bool first = true;
    for (; j < tokens.size(); j = nextSig(tokens, j + 1)) {
        const Token& t = tokens[j];
        if (t.is(TokenKind::Comment))
            syntaxError(t.text.substr(0, 2), "Comments are not accepted in a procedure call.");
        if (expectValue) {
            if (t.is(TokenKind::String))
                out.call.arguments.emplace_back(t.stringValue());
            else if (t.is(TokenKind::Number))
                out.call.arguments.emplace_back(t.text);
            else if (t.isPunct("-") && j + 1 < tokens.size() && tokens[j + 1].is(TokenKind::Number)) {
                out.call.arguments.emplace_back("-" + tokens[j + 1].text);
                ++j;
            } else if (t.isWord("null"))
                out.call.arguments.emplace_back(std::nullopt);
            else
                syntaxError(t.text, "Arguments must be quoted values separated by commas.");
            expectValue = false;
        } else {
            if (!t.isPunct(","))
                syntaxError(t.text, t.isPunct(";") ? "Only one statement is accepted per call."
                                                   : "Arguments must be separated by commas.");
            expectValue = true;
        }
        first = false;
    }
    if (expectValue && !first)
        syntaxError(",", "An argument is missing after the last comma.");
    // Comments between arguments were refused above; nextSig skipped them only to look.
    for (const auto& t : tokens)
        if (t.is(TokenKind::Comment))
            syntaxError(t.text.substr(0, 2), "Comments are not accepted in a procedure call.");
    return out;
}

} // namespace

namespace {

// Character classes of the tokenizer, as a table: 1 starts a name, 2 goes on with one.
constexpr std::array<unsigned char, 256> kNameClass = [] {
    std::array<unsigned char, 256> t{};
    for (int c = 0; c < 256; ++c) {
        const bool start = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == '#' || c >= 0x80;
        t[static_cast<std::size_t>(c)] = static_cast<unsigned char>((start ? 1 : 0) |
                                                                    (start || (c >= '0' && c <= '9') || c == '$' ? 2 : 0));
    }
    return t;
}();

bool isBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool isNameStartChar(char c) { return kNameClass[static_cast<unsigned char>(c)] & 1; }
bool isNameChar(char c) { return kNameClass[static_cast<unsigned char>(c)] & 2; }

// The form nearly every call takes, read without tokenizing:
//   DATABASE..procedure 'a','b'
// Anything else (another form, or a mistake to report) returns nothing and
// goes the general way, which gives the same result or the error.
std::optional<ParsedStatement> quickCall(std::string_view text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    auto blanks = [&] {
        while (i < n && isBlank(text[i]))
            ++i;
    };
    auto name = [&]() -> std::string_view {
        const std::size_t start = i;
        if (i >= n || !isNameStartChar(text[i]))
            return {};
        while (i < n && isNameChar(text[i]))
            ++i;
        return text.substr(start, i - start);
    };
    blanks();
    const std::string_view database = name();
    if (database.empty() || !isHospitalDatabase(database) || text.substr(i, 2) != "..")
        return std::nullopt;
    i += 2;
    const std::string_view procedure = name();
    if (procedure.empty())
        return std::nullopt;
    ParsedStatement out;
    out.kind = ParsedStatement::Kind::Call;
    out.call.database = std::string(database);
    out.call.name = std::string(procedure);
    if (i < n && !isBlank(text[i]))
        return std::nullopt;
    blanks();
    while (i < n) {
        if (text[i] != '\'')
            return std::nullopt;
        std::string value;
        for (++i;; ++i) {
            if (i >= n)
                return std::nullopt;
            if (text[i] == '\'') {
                if (i + 1 < n && text[i + 1] == '\'') {
                    value.push_back('\'');
                    ++i;
                    continue;
                }
                ++i;
                break;
            }
            value.push_back(text[i]);
        }
        out.call.arguments.emplace_back(std::move(value));
        blanks();
        if (i == n)
            break;
        if (text[i] != ',')
            return std::nullopt;
        ++i;
        blanks();
        if (i == n)
            return std::nullopt;
    }
    return out;
}

} // namespace

ParsedStatement parseStatement(std::string_view text) {
    if (auto call = quickCall(text))
        return std::move(*call);
    std::vector<Token> tokens = tokenize(text);
    const std::size_t first = nextSig(tokens, 0);
    if (first >= tokens.size())
        throw ServerError(ErrorNumber::SyntaxError, "The statement is empty.");
    const Token& lead = tokens[first];
    static constexpr std::string_view verbs[] = {"select", "insert", "update", "delete"};
    for (auto verb : verbs) {
        if (!lead.isWord(verb))
            continue;
        for (const auto& t : tokens)
            if (t.isPunct(";"))
                syntaxError(";", "Only one statement is accepted per call.");
        translateNames(tokens);
        translateQuoting(tokens);
        translateDelete(tokens);
        translateConvert(tokens);
        translateSelectLists(tokens);
        ParsedStatement out;
        out.kind = ParsedStatement::Kind::Query;
        out.verb = std::string(verb);
        out.sql = joinTokens(tokens);
        return out;
    }
    if (lead.is(TokenKind::Identifier) || lead.is(TokenKind::QuotedName))
        return parseCall(tokens, first);
    syntaxError(lead.text, "Only procedure calls and SELECT, INSERT, UPDATE or DELETE statements are accepted.");
}

} // namespace tavrix::server
