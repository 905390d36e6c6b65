// Issued reports in the team archive on a loopback PostgreSQL server of the benchmark's own,
// syncing every commit as a lab's server would: pushing 200 revisions with a PDF of 200 KB each
// (one transaction each, the server reckoning both digests and writing the history), and finding
// a copy's revision by its SHA-256 among 5000, as report verify --server does. Prints the figures
// against their goals.
#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QTextStream>
#include <QUuid>

#include "bench_application.h"
#include "issued/issued_content.h"
#include "median_reporter.h"
#include "team/qt_team_store.h"
#include "team_bench_server.h"

namespace {

using eqbond::IssuedReport;

using eqbond::bench::anna;
using eqbond::bench::kDatabase;
using eqbond::bench::server;

// Revision 1 of PREFIX-2026-NNNN, its PDF `size` bytes that differ from every other's.
IssuedReport report_of(const QString& prefix, int sequence, int size) {
    IssuedReport r;
    r.id = {QStringLiteral("%1-2026-%2").arg(prefix).arg(sequence, 4, 10, QLatin1Char('0')), 1};
    r.download_uuid = QUuid::createUuid().toString(QUuid::WithoutBraces);
    r.site = QStringLiteral("Site %1").arg(sequence % 40);
    r.location = QStringLiteral("Hall %1").arg(sequence % 7);
    r.issued = QStringLiteral("2026-03-04T10:11:12+08:00");
    r.inspector = QStringLiteral("Anna");
    r.content = QStringLiteral(R"({"report":"%1"})").arg(r.id.number).toUtf8().repeated(size / 64);
    r.pdf = QByteArray("%PDF-1.4\n") + r.id.number.toUtf8();
    while (r.pdf.size() < size) r.pdf += QByteArray::number(r.pdf.size() * 7919 + sequence, 36);
    r.sha256 = eqbond::sha256_hex(r.pdf);
    return r;
}

void BM_Push200IssuedReportsOf200KB(benchmark::State& state) {
    eqbond::QtTeamStore store;
    if (!store.connect(anna())) return state.SkipWithError("cannot connect");
    static int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QString prefix = QStringLiteral("P%1").arg(++round);
        std::vector<IssuedReport> reports;
        for (int n = 1; n <= 200; ++n) reports.push_back(report_of(prefix, n, 200 * 1024));
        state.ResumeTiming();
        for (const IssuedReport& r : reports)
            if (store.push_issued(r) != eqbond::IssuedArrival::Added)
                return state.SkipWithError("push failed");
    }
}
BENCHMARK(BM_Push200IssuedReportsOf200KB)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3);

void BM_FindACopyAmong5000(benchmark::State& state) {
    eqbond::QtTeamStore store;
    if (!store.connect(anna())) return state.SkipWithError("cannot connect");
    const QString sha256 = report_of(QStringLiteral("EQ"), 2500, 4096).sha256;
    for (auto _ : state) {
        const auto found = store.issued_with_sha256(sha256);
        if (!found || found->size() != 1) return state.SkipWithError("lookup failed");
    }
}
BENCHMARK(BM_FindACopyAmong5000)->Unit(benchmark::kMillisecond)->Iterations(20)->Repetitions(5);

// The server, the team archive, and 5000 revisions of 4 KB.
bool prepare() {
    if (!eqbond::bench::start_team_archive()) return false;
    eqbond::QtTeamStore store;
    if (!store.connect(anna())) return false;
    for (int n = 1; n <= 5000; ++n)
        if (store.push_issued(report_of(QStringLiteral("EQ"), n, 4096)) !=
            eqbond::IssuedArrival::Added)
            return false;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    eqbond::bench::BenchApplication app(argc, argv, eqbond::bench::Fonts::Qt);
    QElapsedTimer making;
    making.start();
    if (!prepare()) return 1;
    QTextStream(stdout) << "set up a loopback server with 5000 issued reports in "
                        << making.elapsed() << " ms\n";
    eqbond::bench::MedianReporter reporter;
    reporter.run(&argc, argv);
    const double push = reporter.real_ms("BM_Push200IssuedReportsOf200KB");
    const double find = reporter.real_ms("BM_FindACopyAmong5000");
    using eqbond::bench::goal_verdict;
    QTextStream(stdout)
        << "== figures (issued reports in the team archive, loopback server, median ms)\n"
        << QStringLiteral("push 200 issued revisions with a PDF of 200 KB each: %1 ms ")
               .arg(push, 0, 'f', 0)
        << goal_verdict(push, 10000) << "\n"
        << QStringLiteral("find a copy's revision by SHA-256 among 5000: %1 ms ")
               .arg(find, 0, 'f', 2)
        << goal_verdict(find, 20) << "\n";
    return 0;
}
