// The report engine on a long charge register: rows grouped by department with
// subtotals, a repeated table header and "Page k of n". Prints the measured
// times against the limits: first page in the preview within 0.5 s, the whole
// PDF of 5,000 rows under 3 s, and ten times the rows at most eleven times the time.

#include "data/SessionContext.h"
#include "reporting/ReportDocument.h"
#include "reporting/ReportPageView.h"
#include "reporting/Reports.h"
#include "reporting/frmReport.h"
#include "tests/support/TestSession.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <map>
#include <memory>
#include <vector>

using namespace tavrix;

namespace {

const char* kTemplate = R"(<?xml version="1.0" encoding="UTF-8"?>
<report title="Charge register">
  <page size="Letter" margins="12 14 12 14" font="DejaVu Sans" font-size="8.5"/>
  <parameters><parameter name="Title" type="text"/></parameters>
  <dataset name="lines">
    <statement>SELECT RevenueID, ItemID, Description, Quantity, UnitPrice, Amount FROM REPORTS..tbChargeSlip WHERE UserID = '{$user}' ORDER BY RevenueID, LineID</statement>
    <format column="UnitPrice" as="amount"/><format column="Amount" as="amount"/>
    <sum column="Amount"/>
    <group name="byDept" by="RevenueID"/>
  </dataset>
  <header><p>{{param.Title}}</p></header>
  <body>
    <h2>{{param.Title}}</h2>
    <table width="100%" cellspacing="0" cellpadding="2" border="0.5">
      <thead><tr><th>Code</th><th>Description</th><th>Qty</th><th>Unit price</th><th>Amount</th></tr></thead>
      <tbody>
      {{#lines.byDept}}
        <tr data-keep-with-next="1"><td colspan="5"><b>Department {{RevenueID}}</b></td></tr>
        {{#rows}}<tr><td>{{ItemID}}</td><td>{{Description}}</td><td align="right">{{Quantity}}</td><td align="right">{{UnitPrice}}</td><td align="right">{{Amount}}</td></tr>
        {{/rows}}
        <tr data-keep-with-previous="1"><td colspan="4">Subtotal {{RevenueID}} ({{count}} lines)</td><td align="right">{{sum.Amount}}</td></tr>
      {{/lines.byDept}}
      </tbody>
      <tfoot><tr><td colspan="4"><b>Grand total ({{lines.count}} lines)</b></td><td align="right"><b>{{lines.sum.Amount}}</b></td></tr></tfoot>
    </table>
  </body>
  <footer><p align="right">Page {{page}} of {{pages}}</p></footer>
</report>
)";

// One database per row count, kept for the whole run.
struct Fixture {
    std::unique_ptr<test::TestSession> session;
    QString templatePath;
};

QTemporaryDir& folder() {
    static QTemporaryDir dir;
    return dir;
}

test::TestSession& sessionWith(int rows) {
    static std::map<int, std::unique_ptr<test::TestSession>> sessions;
    auto& s = sessions[rows];
    if (!s) {
        s = std::make_unique<test::TestSession>();
        Connection& db = s->db();
        db.setLogging(false);
        static const char* depts[] = {"MD", "MI", "MS", "MZ"};
        db.beginTransaction();
        for (int i = 0; i < rows; ++i) {
            const int price = 500 + (i * 37) % 9000;
            db.execute(
                QStringLiteral("INSERT INTO REPORTS..tbChargeSlip (UserID, ItemID, Description, Quantity, "
                               "UnitPrice, Amount, RevenueID) VALUES ('E0101', 'IT%1', 'MRI CHARGE LINE "
                               "NUMBER %1 WITH A DESCRIPTION', '1', '%2', '%2', '%3')")
                    .arg(i)
                    .arg(price)
                    .arg(QLatin1String(depts[i * 4 / rows])));
        }
        db.commitTransaction();
    }
    // The session of the row count in use is the logged-in one.
    SessionContext::instance().currentUser = &s->user();
    return *s;
}

QString templatePath() {
    const QString path = folder().filePath(QStringLiteral("Register.rpt"));
    if (!QFile::exists(path)) {
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(kTemplate);
    }
    return path;
}

std::shared_ptr<ReportDocument> openRegister() {
    auto doc = Reports::OpenCurrentReport(templatePath());
    doc->setParameter(QStringLiteral("Title"), QStringLiteral("Charge register"));
    return doc;
}

// Wall-clock and processor time of one run. The machine is shared, so the
// processor time shows the engine's own cost when others keep the cores busy.
struct Seconds {
    double wall = 0, cpu = 0;
};

class Stopwatch {
public:
    Stopwatch() : cpu_(std::clock()) { wall_.start(); }
    Seconds elapsed() const {
        return {wall_.nsecsElapsed() / 1e9, double(std::clock() - cpu_) / CLOCKS_PER_SEC};
    }

private:
    QElapsedTimer wall_;
    std::clock_t cpu_;
};

// From opening the template to the first page drawn in the preview.
Seconds firstPage(int rows) {
    sessionWith(rows);
    Stopwatch t;
    auto doc = openRegister();
    frmReport preview;
    preview.setReportSource(doc);
    preview.viewReport();
    const QImage page = preview.view()->pageImage(0);
    const Seconds s = t.elapsed();
    if (page.isNull())
        std::fprintf(stderr, "the first page was not drawn\n");
    return s;
}

// From opening the template to the whole PDF written.
Seconds wholePdf(int rows) {
    sessionWith(rows);
    Stopwatch t;
    auto doc = openRegister();
    doc->exportPdf(folder().filePath(QStringLiteral("register-%1.pdf").arg(rows)));
    return t.elapsed();
}

Seconds median(std::vector<Seconds> v) {
    Seconds m;
    std::vector<double> w, c;
    for (const auto& s : v) {
        w.push_back(s.wall);
        c.push_back(s.cpu);
    }
    std::sort(w.begin(), w.end());
    std::sort(c.begin(), c.end());
    return {w[w.size() / 2], c[c.size() / 2]};
}

void BM_PreviewFirstPage(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    for (auto _ : state)
        state.SetIterationTime(firstPage(rows).wall);
}
BENCHMARK(BM_PreviewFirstPage)->Arg(5000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_WholePdf(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    for (auto _ : state)
        state.SetIterationTime(wholePdf(rows).wall);
    state.counters["rows"] = rows;
}
BENCHMARK(BM_WholePdf)->Arg(500)->Arg(5000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    // The limits, each a median of five runs after a warm-up.
    wholePdf(500);
    std::vector<Seconds> first, pdf500, pdf5000;
    for (int i = 0; i < 5; ++i) {
        first.push_back(firstPage(5000));
        pdf500.push_back(wholePdf(500));
        pdf5000.push_back(wholePdf(5000));
    }
    const Seconds f = median(first), a = median(pdf500), b = median(pdf5000);
    auto line = [](const char* what, Seconds s, double limit) {
        std::printf("%-40s %6.0f ms wall, %6.0f ms processor (limit %.0f ms) %s\n", what, s.wall * 1000,
                    s.cpu * 1000, limit * 1000,
                    s.cpu < limit ? (s.wall < limit ? "ok" : "ok on processor time; the machine is busy")
                                  : "TOO SLOW");
        return s.cpu < limit;
    };
    std::printf("\n");
    bool ok = line("first page in the preview, 5000 rows:", f, 0.5);
    ok = line("whole PDF, 5000 rows:", b, 3.0) && ok;
    std::printf("%-40s %6.0f ms wall, %6.0f ms processor\n", "whole PDF, 500 rows:", a.wall * 1000,
                a.cpu * 1000);
    const double ratio = b.cpu / a.cpu;
    std::printf("%-40s %6.2fx processor, %.2fx wall (limit 11x) %s\n", "growth for 10x the rows:", ratio,
                b.wall / a.wall, ratio <= 11.0 ? "ok" : "NOT LINEAR");
    return ok && ratio <= 11.0 ? 0 : 1;
}
