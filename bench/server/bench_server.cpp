// bench_server: how fast the embedded server answers the workstation.
//
//   bench_server [--db DATABASE] [Google Benchmark options]
//
// 1. A procedure call through the whole client path (statement text built with
//    SqlText::build, parsed, bound, run and buffered into a ResultSet) against
//    the same SQL run through a bare prepared sqlite3 statement. Limit: 1.5x.
// 2. On a database at hospital scale, the pending-request check and the exact
//    look-ups by request and slip number through the client path. Limit: 1 ms.
// The database is generated on first use (bench_generate does the same alone).

#include "bench/server/HospitalGenerator.h"
#include "data/Connection.h"
#include "data/DbError.h"
#include "data/EmbeddedBackend.h"
#include "data/ResultSet.h"
#include "data/SqlText.h"
#include "server/ProcedureCatalog.h"
#include "server/ServerError.h"
#include "server/SqlFunctions.h"
#include "server/Tokenizer.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QString>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

using namespace tavrix;

namespace {

constexpr double kRatioLimit = 1.5;
constexpr double kLookupLimitUs = 1000;
constexpr int kKeys = 1000; // keys cycled through, so that no single page stays hot

// ------------------------------------------------------------ the two paths
std::unique_ptr<Connection> client;
sqlite3* direct = nullptr;

void openDirect(const std::string& path) {
    // Opened as the server opens its own (no per-call locking), so the
    // comparison is between the paths, not the locking modes.
    if (sqlite3_open_v2(path.c_str(), &direct, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr) !=
        SQLITE_OK)
        throw std::runtime_error("cannot open " + path);
    server::registerSqlFunctions(direct); // procedure bodies may call them
}

std::vector<std::string> column(const std::string& sql) {
    sqlite3_stmt* s = nullptr;
    if (sqlite3_prepare_v2(direct, sql.c_str(), -1, &s, nullptr) != SQLITE_OK)
        throw std::runtime_error(std::string(sqlite3_errmsg(direct)) + " in " + sql);
    std::vector<std::string> out;
    while (sqlite3_step(s) == SQLITE_ROW)
        out.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(s, 0)));
    sqlite3_finalize(s);
    if (out.empty())
        throw std::runtime_error("no rows for " + sql);
    return out;
}

// Reads every column of every row the way a caller of sqlite3 would.
void readRows(sqlite3_stmt* s) {
    const int cols = sqlite3_column_count(s);
    int rc;
    while ((rc = sqlite3_step(s)) == SQLITE_ROW) {
        for (int i = 0; i < cols; ++i) {
            switch (sqlite3_column_type(s, i)) {
            case SQLITE_INTEGER:
                benchmark::DoNotOptimize(sqlite3_column_int64(s, i));
                break;
            case SQLITE_FLOAT:
                benchmark::DoNotOptimize(sqlite3_column_double(s, i));
                break;
            case SQLITE_NULL:
                break;
            default:
                benchmark::DoNotOptimize(sqlite3_column_text(s, i));
                benchmark::DoNotOptimize(sqlite3_column_bytes(s, i));
            }
        }
    }
    if (rc != SQLITE_DONE)
        throw std::runtime_error(sqlite3_errmsg(sqlite3_db_handle(s)));
    sqlite3_reset(s);
}

// A procedure's body prepared once on the bare connection: the statements
// that run for the sample arguments, their parameters bound by name.
class DirectProcedure {
public:
    DirectProcedure(const std::string& database, const std::string& name,
                    const std::vector<std::string>& sample) {
        const server::Procedure* proc = server::ProcedureCatalog::builtin().find(database, name);
        if (!proc)
            throw std::runtime_error("no procedure " + database + ".." + name);
        for (const auto& st : proc->statements) {
            if (!st.condition.empty()) {
                Statement cond = prepare(*proc, "SELECT (" + st.condition + ")");
                bind(cond, sample);
                const bool holds =
                    sqlite3_step(cond.stmt) == SQLITE_ROW && sqlite3_column_int(cond.stmt, 0) != 0;
                sqlite3_finalize(cond.stmt);
                if (!holds)
                    continue;
            }
            statements_.push_back(prepare(*proc, st.sql));
        }
    }
    ~DirectProcedure() {
        for (auto& s : statements_)
            sqlite3_finalize(s.stmt);
    }
    DirectProcedure(const DirectProcedure&) = delete;
    DirectProcedure& operator=(const DirectProcedure&) = delete;

    // Not inlined, so that instructions.sh can count a whole call (binding included).
    [[gnu::noinline]] void run(const std::vector<std::string>& args) {
        for (auto& s : statements_) {
            bind(s, args);
            readRows(s.stmt);
        }
    }

private:
    struct Statement {
        sqlite3_stmt* stmt = nullptr;
        std::vector<int> argument; // per bound parameter: the argument's position, -1 for the default
        std::vector<std::string> defaults;
    };

    static Statement prepare(const server::Procedure& proc, const std::string& sql) {
        Statement s;
        if (sqlite3_prepare_v3(direct, sql.c_str(), -1, SQLITE_PREPARE_PERSISTENT, &s.stmt, nullptr) !=
            SQLITE_OK)
            throw std::runtime_error(std::string(sqlite3_errmsg(direct)) + " in " + sql);
        for (int i = 1; i <= sqlite3_bind_parameter_count(s.stmt); ++i) {
            const std::string name = sqlite3_bind_parameter_name(s.stmt, i) + 1;
            int pos = -1;
            for (std::size_t p = 0; p < proc.parameters.size(); ++p)
                if (server::equalsIgnoreCase(proc.parameters[p].name, name))
                    pos = static_cast<int>(p);
            if (pos < 0)
                throw std::runtime_error("undeclared parameter @" + name);
            s.argument.push_back(pos);
            s.defaults.push_back(proc.parameters[static_cast<std::size_t>(pos)].defaultValue.value_or(""));
        }
        return s;
    }

    static void bind(Statement& s, const std::vector<std::string>& args) {
        for (std::size_t i = 0; i < s.argument.size(); ++i) {
            const auto pos = static_cast<std::size_t>(s.argument[i]);
            const std::string& v = pos < args.size() ? args[pos] : s.defaults[i];
            sqlite3_bind_text(s.stmt, static_cast<int>(i) + 1, v.data(), static_cast<int>(v.size()),
                              SQLITE_STATIC);
        }
    }

    std::vector<Statement> statements_;
};

// ------------------------------------------------------------ keys
struct Keys {
    std::vector<std::string> admissions; // admissions paid by a company or HMO: SearchAccount gives one row
    std::vector<std::string> requests;
    std::vector<std::string> slips;
    std::vector<QString> q(const std::vector<std::string>& v) const {
        std::vector<QString> out;
        for (const auto& s : v)
            out.push_back(QString::fromStdString(s));
        return out;
    }
} keys;

const server::Procedure* searchRequest() {
    return server::ProcedureCatalog::builtin().find("RADIOLOGY", "spMRI_SearchRequest");
}

// ------------------------------------------------------------ benchmarks
// A pair measures one statement both ways; `label` names it in the summary.
struct Pair {
    std::string label;
    std::string clientName, directName;
    bool limited = true; // false: shown for comparison only
};
std::vector<Pair> pairs;
struct Lookup {
    std::string label, name;
};
std::vector<Lookup> lookups;

void clientCall(benchmark::State& state, const std::function<QString(std::size_t)>& text) {
    std::size_t i = 0;
    for (auto _ : state) {
        const ResultSet rs = client->execute(text(i++));
        benchmark::DoNotOptimize(rs.rowCount());
        if (rs.rowCount() > 0)
            benchmark::DoNotOptimize(rs.value(0, 0));
    }
}

void registerBenchmarks() {
    // 1. The pending-request check: one row, one count.
    static DirectProcedure pending("RADIOLOGY", "spRadio_CheckPending", {"MI"});
    benchmark::RegisterBenchmark("Client/CheckPending", [](benchmark::State& st) {
        clientCall(
            st, [](std::size_t) { return SqlText::build(u"RADIOLOGY..spRadio_CheckPending '{}'", {"MI"}); });
    });
    benchmark::RegisterBenchmark("Direct/CheckPending", [](benchmark::State& st) {
        const std::vector<std::string> args{"MI"};
        for (auto _ : st)
            pending.run(args);
    });
    pairs.push_back({"RADIOLOGY..spRadio_CheckPending 'MI'", "Client/CheckPending", "Direct/CheckPending"});

    // 2. A one-row look-up by key: the account paying for an admission.
    static DirectProcedure account("RADIOLOGY", "spRadio_SearchAccount", {keys.admissions.front()});
    static const std::vector<QString> admissionsQ = keys.q(keys.admissions);
    benchmark::RegisterBenchmark("Client/SearchAccount", [](benchmark::State& st) {
        clientCall(st, [](std::size_t i) {
            return SqlText::build(u"Radiology..spRadio_SearchAccount '{}'",
                                  {admissionsQ[i % admissionsQ.size()]});
        });
    });
    benchmark::RegisterBenchmark("Direct/SearchAccount", [](benchmark::State& st) {
        std::vector<std::string> args(1);
        std::size_t i = 0;
        for (auto _ : st) {
            args[0] = keys.admissions[i++ % keys.admissions.size()];
            account.run(args);
        }
    });
    pairs.push_back(
        {"Radiology..spRadio_SearchAccount '<admission>'", "Client/SearchAccount", "Direct/SearchAccount"});

    // 3. The request look-up by request number, both ways.
    static const std::vector<QString> requestsQ = keys.q(keys.requests);
    static const std::vector<QString> slipsQ = keys.q(keys.slips);
    if (searchRequest()) {
        static DirectProcedure search("RADIOLOGY", "spMRI_SearchRequest", {"0", "MI", keys.requests.front()});
        benchmark::RegisterBenchmark("Client/SearchRequest", [](benchmark::State& st) {
            clientCall(st, [](std::size_t i) {
                return SqlText::build(u"RADIOLOGY..spMRI_SearchRequest '0','MI','{}'",
                                      {requestsQ[i % requestsQ.size()]});
            });
        });
        benchmark::RegisterBenchmark("Direct/SearchRequest", [](benchmark::State& st) {
            std::vector<std::string> args{"0", "MI", ""};
            std::size_t i = 0;
            for (auto _ : st) {
                args[2] = keys.requests[i++ % keys.requests.size()];
                search.run(args);
            }
        });
        pairs.push_back({"RADIOLOGY..spMRI_SearchRequest '0','MI','<request>'", "Client/SearchRequest",
                         "Direct/SearchRequest"});
    }
    // The ad-hoc form of the same look-up, which screens send too.
    static sqlite3_stmt* byRequest = [] {
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v3(direct, "SELECT * FROM RADIOLOGY__tbMRIRequest WHERE RequestNum = ?", -1,
                           SQLITE_PREPARE_PERSISTENT, &s, nullptr);
        return s;
    }();
    benchmark::RegisterBenchmark("Client/SelectRequest", [](benchmark::State& st) {
        clientCall(st, [](std::size_t i) {
            return SqlText::build(u"SELECT * FROM RADIOLOGY..tbMRIRequest WHERE RequestNum = '{}'",
                                  {requestsQ[i % requestsQ.size()]});
        });
    });
    benchmark::RegisterBenchmark("Direct/SelectRequest", [](benchmark::State& st) {
        std::size_t i = 0;
        for (auto _ : st) {
            const std::string& k = keys.requests[i++ % keys.requests.size()];
            sqlite3_bind_text(byRequest, 1, k.data(), static_cast<int>(k.size()), SQLITE_STATIC);
            readRows(byRequest);
        }
    });
    // An ad-hoc text carries its key, so each new key is prepared anew (the
    // server keeps the statement only for a repeated text): no limit applies.
    pairs.push_back({"SELECT * FROM RADIOLOGY..tbMRIRequest WHERE RequestNum = '<request>'",
                     "Client/SelectRequest", "Direct/SelectRequest", false});

    // Look-ups at hospital scale through the client path.
    lookups.push_back({"pending-request check: RADIOLOGY..spRadio_CheckPending 'MI'", "Client/CheckPending"});
    if (searchRequest()) {
        lookups.push_back({"by request number: RADIOLOGY..spMRI_SearchRequest '0','MI','<request>'",
                           "Client/SearchRequest"});
        benchmark::RegisterBenchmark("Client/SearchSlip", [](benchmark::State& st) {
            clientCall(st, [](std::size_t i) {
                return SqlText::build(u"RADIOLOGY..spMRI_SearchRequest '0','MI','{}'",
                                      {slipsQ[i % slipsQ.size()]});
            });
        });
        lookups.push_back(
            {"by slip number: RADIOLOGY..spMRI_SearchRequest '0','MI','<slip>'", "Client/SearchSlip"});
    } else {
        lookups.push_back(
            {"by request number: SELECT * FROM RADIOLOGY..tbMRIRequest WHERE RequestNum = '<request>'",
             "Client/SelectRequest"});
        benchmark::RegisterBenchmark("Client/SelectSlip", [](benchmark::State& st) {
            clientCall(st, [](std::size_t i) {
                return SqlText::build(u"SELECT * FROM RADIOLOGY..tbMRIRequest WHERE RefNum = '{}'",
                                      {slipsQ[i % slipsQ.size()]});
            });
        });
        lookups.push_back({"by slip number: SELECT * FROM RADIOLOGY..tbMRIRequest WHERE RefNum = '<slip>'",
                           "Client/SelectSlip"});
    }
}

// Keeps each benchmark's CPU time per call in microseconds (the median when
// repeated): on a machine shared with other work, wall-clock time mostly
// measures the neighbours.
class Collector : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> micros;

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs) {
            if (r.error_occurred)
                continue;
            const std::string name = r.run_name.function_name;
            const bool median = r.run_type == Run::RT_Aggregate && r.aggregate_name == "median";
            if (!median && r.run_type == Run::RT_Aggregate)
                continue;
            if (median || !medianSeen_.count(name)) {
                micros[name] = r.GetAdjustedCPUTime() *
                               benchmark::GetTimeUnitMultiplier(benchmark::kMicrosecond) /
                               benchmark::GetTimeUnitMultiplier(r.time_unit);
                if (median)
                    medianSeen_[name] = true;
            }
        }
    }

private:
    std::map<std::string, bool> medianSeen_;
};

std::string defaultDatabase(const char* argv0) {
    std::error_code ec;
    const auto exe = std::filesystem::canonical(argv0, ec);
    const auto dir = ec ? std::filesystem::current_path() : exe.parent_path().parent_path();
    return (dir / "bench-hospital.db").string();
}

} // namespace

int main(int argc, char** argv) {
    std::string path;
    std::vector<char*> args{argv[0]};
    bool repetitions = false;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--db" && i + 1 < argc)
            path = argv[++i];
        else {
            repetitions = repetitions || a.rfind("--benchmark_repetitions", 0) == 0;
            args.push_back(argv[i]);
        }
    }
    if (path.empty())
        path = defaultDatabase(argv[0]);
    // Several short runs in random order and their median: the machine may be
    // busy with other work, and no path should get all the quiet moments.
    static char reps[] = "--benchmark_repetitions=9";
    static char aggregates[] = "--benchmark_report_aggregates_only=true";
    static char interleave[] = "--benchmark_enable_random_interleaving=true";
    if (!repetitions) {
        args.push_back(reps);
        args.push_back(aggregates);
        args.push_back(interleave);
    }
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data()))
        return 2;

    try {
        if (!std::filesystem::exists(path)) {
            std::printf("%s is missing: generating it (bench_generate does this alone).\n", path.c_str());
            std::fflush(stdout);
            const auto s = bench::HospitalGenerator::generate(path);
            std::printf("Generated %lld patients, %lld requests, %lld charges in %.1f s.\n\n", s.patients,
                        s.requests, s.charges, s.seconds);
        }
        client = std::make_unique<Connection>();
        client->open(
            std::make_unique<EmbeddedBackend>(QString::fromStdString(path), EmbeddedBackend::Create::No));
        openDirect(path);
        const std::string sample = " ORDER BY random() LIMIT " + std::to_string(kKeys);
        keys.admissions = column("SELECT IDNum FROM PATIENT_DATA__tbPatient WHERE AccountNum IN "
                                 "(SELECT AccountNum FROM BUILD_FILE__tbCoCompany)" +
                                 sample);
        keys.requests =
            column("SELECT RequestNum FROM RADIOLOGY__tbMRIRequest WHERE RevenueID = 'MI'" + sample);
        keys.slips = column("SELECT RefNum FROM RADIOLOGY__tbMRIRequest WHERE RevenueID = 'MI'" + sample);
        std::printf("Database %s: %s requests, %s patients.\n", path.c_str(),
                    column("SELECT count(*) FROM RADIOLOGY__tbMRIRequest")[0].c_str(),
                    column("SELECT count(*) FROM PATIENT_DATA__tbMaster")[0].c_str());
        std::printf("Exact look-ups use %s.\n\n",
                    searchRequest() ? "the procedure RADIOLOGY..spMRI_SearchRequest '0','MI',<key>"
                                    : "ad-hoc SELECTs (RADIOLOGY..spMRI_SearchRequest does not exist yet)");
        registerBenchmarks();
    } catch (const DbError& e) {
        std::fprintf(stderr, "bench_server: %s\n", qPrintable(e.message()));
        return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench_server: %s\n", e.what());
        return 1;
    }

    Collector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);

    bool ok = true;
    std::printf("\nCPU time per call, median of the runs.\n");
    std::printf("\nClient path against a bare prepared sqlite3 statement (limit %.1fx):\n", kRatioLimit);
    for (const bool limited : {true, false}) {
        if (!limited)
            std::printf("For comparison, an ad-hoc statement (prepared for each new text; no limit):\n");
        for (const Pair& p : pairs) {
            if (p.limited != limited || !collector.micros.count(p.clientName) ||
                !collector.micros.count(p.directName))
                continue;
            const double c = collector.micros[p.clientName], d = collector.micros[p.directName];
            const bool pass = c <= kRatioLimit * d;
            if (limited)
                ok = ok && pass;
            std::printf("  %-70s client %8.2f us  direct %8.2f us  ratio %5.2fx  %s\n", p.label.c_str(), c, d,
                        c / d,
                        !limited ? ""
                        : pass   ? "ok"
                                 : "TOO SLOW");
        }
    }
    std::printf("\nLook-ups through the client path (limit %.0f us):\n", kLookupLimitUs);
    for (const Lookup& l : lookups) {
        if (!collector.micros.count(l.name))
            continue;
        const double c = collector.micros[l.name];
        const bool pass = c < kLookupLimitUs;
        ok = ok && pass;
        std::printf("  %-85s %8.2f us  %s\n", l.label.c_str(), c, pass ? "ok" : "TOO SLOW");
    }
    benchmark::Shutdown();
    client.reset();
    sqlite3_close_v2(direct); // the statements kept in statics go with it
    return ok ? 0 : 1;
}
