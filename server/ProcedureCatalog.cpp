#include "server/ProcedureCatalog.h"

#include "server/ServerError.h"
#include "server/Tokenizer.h"
#include "server/Translator.h"

#include <regex>

namespace tavrix::server {

namespace {

std::string trim(std::string s) {
    const auto b = s.find_first_not_of(" \t\r\n");
    if (b == std::string::npos)
        return {};
    const auto e = s.find_last_not_of(" \t\r\n");
    return s.substr(b, e - b + 1);
}

std::string key(const std::string& database, const std::string& name) {
    return toLower(database) + ".." + toLower(name);
}

} // namespace

Procedure ProcedureCatalog::parse(const std::string& database, const std::string& name, std::string_view text) {
    Procedure proc;
    proc.database = database;
    proc.name = name;
    static const std::regex paramLine(R"(^--\s*@(\w+)\s*(=\s*'((?:[^']|'')*)')?\s*(:\s*(.*))?$)");
    static const std::regex returnsLine(R"(^--\s*returns:\s*(.*)$)", std::regex::icase);

    // Header: the leading comment block.
    std::size_t pos = 0;
    bool first = true;
    while (pos < text.size()) {
        const auto eol = text.find('\n', pos);
        std::string line = trim(std::string(text.substr(pos, eol == std::string_view::npos ? eol : eol - pos)));
        if (line.rfind("--", 0) != 0 || trim(line.substr(2)).rfind("when:", 0) == 0)
            break;
        pos = eol == std::string_view::npos ? text.size() : eol + 1;
        std::smatch m;
        if (first) {
            first = false; // the procedure's own name
            continue;
        }
        if (std::regex_match(line, m, paramLine)) {
            ProcedureParameter p;
            p.name = m[1];
            if (m[2].matched) {
                std::string def = m[3];
                for (std::size_t i = def.find("''"); i != std::string::npos; i = def.find("''", i + 1))
                    def.erase(i, 1);
                p.defaultValue = def;
            }
            p.description = trim(m[5]);
            proc.parameters.push_back(p);
        } else if (std::regex_match(line, m, returnsLine)) {
            proc.returns = trim(m[1]);
        } else {
            proc.description.push_back(trim(line.substr(2)));
        }
    }

    // Body: statements separated by ';' outside literals and comments.
    std::vector<Token> tokens = tokenize(text.substr(pos));
    std::vector<Token> current;
    auto flush = [&] {
        std::string condition;
        std::vector<Token> body;
        for (const auto& t : current) {
            if (t.is(TokenKind::Comment)) {
                const std::string c = trim(t.text.substr(2));
                if (c.rfind("when:", 0) == 0 && body.empty()) {
                    condition = trim(c.substr(5));
                    continue;
                }
            }
            if (!body.empty() || t.significant())
                body.push_back(t);
        }
        current.clear();
        bool any = false;
        for (const auto& t : body)
            any = any || (t.significant() && !t.is(TokenKind::Comment));
        if (!any)
            return;
        translateNames(body);
        ProcedureStatement st;
        st.sql = trim(joinTokens(body));
        if (!condition.empty()) {
            std::vector<Token> c = tokenize(condition);
            translateNames(c);
            st.condition = joinTokens(c);
        }
        proc.statements.push_back(std::move(st));
    };
    for (auto& t : tokens) {
        if (t.isPunct(";"))
            flush();
        else
            current.push_back(std::move(t));
    }
    flush();
    return proc;
}

ProcedureCatalog::ProcedureCatalog(std::span<const EmbeddedFile> files) {
    for (const auto& f : files) {
        const std::string path(f.path);
        const auto slash = path.find('/');
        const auto dot = path.rfind(".sql");
        if (slash == std::string::npos || dot == std::string::npos)
            continue;
        const std::string db = path.substr(0, slash);
        const std::string name = path.substr(slash + 1, dot - slash - 1);
        try {
            procedures_.emplace(key(db, name), parse(db, name, f.text));
        } catch (const ServerError& e) {
            throw ServerError(e.number(), "Procedure " + db + ".." + name + ": " + e.what());
        }
    }
}

const ProcedureCatalog& ProcedureCatalog::builtin() {
    static const ProcedureCatalog catalog(builtinProcedureFiles());
    return catalog;
}

const Procedure* ProcedureCatalog::find(const std::string& database, const std::string& name) const {
    const auto it = procedures_.find(key(database, name));
    return it == procedures_.end() ? nullptr : &it->second;
}

std::vector<const Procedure*> ProcedureCatalog::all() const {
    std::vector<const Procedure*> out;
    for (const auto& [k, p] : procedures_)
        out.push_back(&p);
    return out;
}

} // namespace tavrix::server
