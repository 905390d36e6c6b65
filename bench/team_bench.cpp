// The team archive on a loopback PostgreSQL server of the benchmark's own, syncing every commit
// as a lab's server would: pushing 1000 downloads of 500 groups (each download one transaction,
// its groups one INSERT from unnest over array literals, the server's rules and history
// included), listing the 5000 downloads of one site and the history of a download with 1000
// entries; and the window's event loop while the
// background pusher pushes and the team view copies the downloads back. Prints the figures
// against their goals.
#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QUuid>
#include <QVariant>

#include "archive/qt_sqlite_file.h"
#include "base/program.h"
#include "bench_application.h"
#include "inspection/qt_sqlite_inspections.h"
#include "median_reporter.h"
#include "stall_meter.h"
#include "team/qt_team_pusher.h"
#include "team/qt_team_store.h"
#include "team_bench_server.h"
#include "ui/archive_window.h"
#include "ui/team_archive_view.h"

namespace {

using eqbond::TeamDownload;

using eqbond::bench::anna;
using eqbond::bench::kDatabase;
using eqbond::bench::server;

TeamDownload download_of(int groups, int seed, const QString& site) {
    TeamDownload d;
    d.uuid = QUuid::createUuid().toString(QUuid::WithoutBraces);
    d.download.started = QDateTime::currentDateTimeUtc().addSecs(seed);
    d.download.finished = d.download.started.addSecs(60);
    d.download.port_number = 2;
    d.download.device = QStringLiteral("/dev/ttyUSB0");
    d.download.reported_total = d.download.groups_read = groups;
    d.site.name = site;
    d.location = QStringLiteral("Hall %1").arg(seed % 7);
    d.inspector = QStringLiteral("Anna");
    for (int n = 1; n <= groups; ++n) {
        eqbond::Group g;
        g.number = n;
        g.milliohm = (n * 7919 + seed * 31) % 42000;
        g.year = 25, g.month = 3, g.day = 1 + n % 28, g.hour = n % 24, g.minute = n % 60;
        d.groups.push_back(g);
        d.labels.push_back(QStringLiteral("TP-%1").arg(n));
    }
    return d;
}

std::vector<TeamDownload>& thousand_downloads() {
    static std::vector<TeamDownload> downloads = [] {
        std::vector<TeamDownload> out;
        for (int i = 0; i < 1000; ++i)
            out.push_back(download_of(500, i, QStringLiteral("Site %1").arg(i % 40)));
        return out;
    }();
    return downloads;
}

void BM_Push1000Downloads500Groups(benchmark::State& state) {
    eqbond::QtTeamStore store;
    if (!store.connect(anna())) return state.SkipWithError("cannot connect");
    std::vector<TeamDownload>& downloads = thousand_downloads();
    for (auto _ : state) {
        state.PauseTiming();
        for (TeamDownload& d : downloads)
            d.uuid = QUuid::createUuid().toString(QUuid::WithoutBraces);
        state.ResumeTiming();
        for (const TeamDownload& d : downloads)
            if (!store.push(d)) return state.SkipWithError("push failed");
    }
}
BENCHMARK(BM_Push1000Downloads500Groups)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3);

void BM_List5000DownloadsOfOneSite(benchmark::State& state) {
    eqbond::QtTeamStore store;
    if (!store.connect(anna())) return state.SkipWithError("cannot connect");
    const eqbond::TeamFilter site{QStringLiteral("Big site"), {}};
    for (auto _ : state) {
        const auto listed = store.list(site);
        if (!listed || listed->size() != 5000) return state.SkipWithError("listing failed");
    }
}
BENCHMARK(BM_List5000DownloadsOfOneSite)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->Repetitions(5);

// The history of a download changed 999 times after its push: 1000 entries.
void BM_History1000Entries(benchmark::State& state) {
    eqbond::QtTeamStore store;
    if (!store.connect(anna())) return state.SkipWithError("cannot connect");
    TeamDownload d = download_of(500, 1, QStringLiteral("History site"));
    if (!store.push(d)) return state.SkipWithError("push failed");
    for (int i = 1; i < 1000; ++i) {
        d.notes = QStringLiteral("note %1").arg(i);
        if (!store.push(d)) return state.SkipWithError("change failed");
    }
    for (auto _ : state) {
        const auto entries = store.history(d.uuid);
        if (!entries || entries->size() != 1000) return state.SkipWithError("history failed");
    }
}
BENCHMARK(BM_History1000Entries)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(5);

// The server, the team archive, and 5000 downloads of 10 groups on one site.
bool prepare() {
    if (!eqbond::bench::start_team_archive()) return false;
    eqbond::QtTeamStore store;
    if (!store.connect(anna())) return false;
    for (int i = 0; i < 5000; ++i)
        if (!store.push(download_of(10, i, QStringLiteral("Big site")))) return false;
    thousand_downloads();
    return true;
}

// The longest gap between two turns of the event loop while the background pusher pushes
// `downloads` downloads of 500 groups from a local archive and then the team view, shown, copies
// them back and lists them. Negative when the work did not finish.
struct Responsiveness {
    double longest_stall_ms = -1;
    qint64 pushed_in_ms = -1;
    qint64 copied_in_ms = -1;
    int copied = 0;  // downloads the team view lists: the newest of those on the server
};

Responsiveness window_while_pushing(int downloads) {
    Responsiveness r;
    QTemporaryDir folder;
    const QString local = folder.filePath(QStringLiteral("laptop.sqlite"));
    {
        eqbond::QtSqliteFile file;
        if (!file.open(local)) return r;
        eqbond::QtSqliteInspections archive(file);
        for (int i = 0; i < downloads; ++i) {
            const TeamDownload d = download_of(500, 10000 + i, QStringLiteral("Stall site"));
            if (!archive.save_download(d.download, d.groups)) return r;
        }
    }
    eqbond::Program program;
    eqbond::ui::TeamArchiveView view(program, folder.filePath(QStringLiteral("copy.sqlite")),
                                     nullptr);
    view.set_server(anna());
    view.resize(1280, 800);
    view.show();
    QElapsedTimer clock;
    StallMeter stalls;
    eqbond::QtTeamPusher pusher(local, anna());
    bool pushed = false;
    QObject::connect(&pusher, &eqbond::QtTeamPusher::status_changed,
                     [&](const eqbond::TeamPushStatus& status) {
                         if (!pushed && status.waiting == 0 && !status.fault) {
                             pushed = true;
                             r.pushed_in_ms = clock.elapsed();
                             view.bring_up_to_date();
                         }
                     });
    bool copied = false;
    QObject::connect(&view, &eqbond::ui::TeamArchiveView::round_finished, [&] {
        r.copied = view.window()->download_list()->model()->rowCount();
        copied = r.copied >= downloads;
        if (copied) r.copied_in_ms = clock.elapsed() - r.pushed_in_ms;
    });
    clock.start();
    stalls.start();
    pusher.start();
    while (!copied && clock.elapsed() < 300000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    stalls.stop();
    if (copied) r.longest_stall_ms = stalls.longest_ms();
    return r;
}

}  // namespace

int main(int argc, char** argv) {
    eqbond::bench::BenchApplication app(argc, argv, eqbond::bench::Fonts::Qt);
    QElapsedTimer making;
    making.start();
    if (!prepare()) return 1;
    QTextStream(stdout) << "set up a loopback server with 5000 downloads of one site in "
                        << making.elapsed() << " ms\n";
    eqbond::bench::MedianReporter reporter;
    reporter.run(&argc, argv);
    QTextStream out(stdout);
    const double bulk = reporter.real_ms("BM_Push1000Downloads500Groups");
    const double history = reporter.real_ms("BM_History1000Entries");
    const double list = reporter.real_ms("BM_List5000DownloadsOfOneSite");
    using eqbond::bench::goal_verdict;
    const Responsiveness window = window_while_pushing(200);
    out << "== figures (team archive, loopback server syncing each commit, median ms)\n"
        << QStringLiteral("push 1000 downloads x 500 groups, unnest of array literals: %1 ms ")
               .arg(bulk, 0, 'f', 0)
        << goal_verdict(bulk, 10000) << "\n"
        << QStringLiteral("history of a download with 1000 entries: %1 ms ").arg(history, 0, 'f', 1)
        << goal_verdict(history, 100) << "\n"
        << QStringLiteral("list the 5000 downloads of one site: %1 ms ").arg(list, 0, 'f', 1)
        << goal_verdict(list, 200) << "\n"
        << QStringLiteral(
               "longest event-loop stall of the window while the pusher pushed 200 x 500 (%1 ms) "
               "and the team view brought its copy up to date, listing %2 (%3 ms): %4 ms ")
               .arg(window.pushed_in_ms)
               .arg(window.copied)
               .arg(window.copied_in_ms)
               .arg(window.longest_stall_ms, 0, 'f', 1)
        << goal_verdict(window.longest_stall_ms, 50) << "\n";
    return 0;
}
