// The team view of a large team archive on a loopback PostgreSQL server of the benchmark's own:
// how long after opening it shows its site tree and first downloads, when the newest download's
// 500 groups show (and how long after it opened), how long the window's event loop stalls
// meanwhile, and what the copy kept on disk, at 10 000 and at 100 000 downloads. The server is
// filled fast by SQL (generate_series), not by pushes: 200 sites of 5 locations, downloads of 10
// groups and a newest one of 500. A measurement that does not finish within the cap
// (EQBOND_BENCH_CAP_S, 120 s) says so. The program opens the team view inside its archive window,
// already on the screen with its fonts and style loaded: a view shown once without a server does
// the same here first, so that the stalls are the view's own and not a fresh process's first
// paint.
#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QTreeWidgetItemIterator>
#include <algorithm>

#include "base/program.h"
#include "bench_application.h"
#include "stall_meter.h"
#include "team_bench_server.h"
#include "ui/archive_window.h"
#include "ui/site_tree.h"
#include "ui/team_archive_view.h"

namespace {

using eqbond::bench::anna;
using eqbond::bench::kDatabase;
using eqbond::bench::server;

constexpr int kChunk = 10000;  // downloads per statement: each well inside psql's wait

bool sql(const QString& text) {
    const eqbond::test::CommandResult r = server().psql(server().superuser(kDatabase), text);
    if (r.exit_code != 0) QTextStream(stderr) << "seeding failed: " << r.out << "\n";
    return r.exit_code == 0;
}

// Downloads first..last of 10 groups each, owned by anna, spread over the sites and locations;
// straight into the tables (the replica role skips the triggers: no history is needed here).
bool seed(int first, int last) {
    for (int from = first; from <= last; from += kChunk) {
        const int to = std::min(last, from + kChunk - 1);
        if (!sql(QStringLiteral(
                     "SET session_replication_role = replica; "
                     "WITH s AS (SELECT id, substr(name, 6)::int AS k FROM eqbond.sites "
                     "WHERE name ~ '^Site [0-9]+$'), "
                     "d AS (INSERT INTO eqbond.downloads (uuid, owner, site_id, location, "
                     "inspector, started, finished, port_number, device, reported_total, "
                     "groups_read, ending, groups_held, lowest_milliohm, highest_milliohm) "
                     "SELECT gen_random_uuid(), 'anna', s.id, 'Hall ' || (n % 5), 'Anna', "
                     "timestamptz '2020-01-01' + n * interval '17 minutes', "
                     "timestamptz '2020-01-01' + n * interval '17 minutes' + interval '1 minute', "
                     "2, '/dev/ttyUSB0', 10, 10, 'complete', 10, 5514, 39595 "
                     "FROM generate_series(%1, %2) n JOIN s ON s.k = n % 200 RETURNING uuid) "
                     "INSERT INTO eqbond.groups (download_uuid, number, milliohm, battery, year, "
                     "month, day, hour, minute, label) SELECT d.uuid, g, (g * 7919) % 42000, 0, "
                     "25, 3, 1 + g % 28, g % 24, g % 60, 'TP-' || g "
                     "FROM d, generate_series(1, 10) g")
                     .arg(from)
                     .arg(to)))
            return false;
    }
    return true;
}

// The newest download, of 500 groups, at the first site's first location.
bool seed_newest() {
    return sql(QStringLiteral(
        "SET session_replication_role = replica; "
        "WITH d AS (INSERT INTO eqbond.downloads (uuid, owner, site_id, location, inspector, "
        "started, finished, port_number, device, reported_total, groups_read, ending, "
        "groups_held, lowest_milliohm, highest_milliohm) SELECT gen_random_uuid(), 'anna', id, "
        "'Hall 0', 'Anna', timestamptz '2030-01-01', timestamptz '2030-01-01 00:10', 2, "
        "'/dev/ttyUSB0', 500, 500, 'complete', 500, 0, 41958 FROM eqbond.sites "
        "WHERE name = 'Site 0' RETURNING uuid) "
        "INSERT INTO eqbond.groups (download_uuid, number, milliohm, battery, year, month, day, "
        "hour, minute, label) SELECT d.uuid, g, (g * 7919) % 42000, 0, 25, 3, 1 + g % 28, "
        "g % 24, g % 60, 'TP-' || g FROM d, generate_series(1, 500) g"));
}

bool prepare() {
    return eqbond::bench::start_team_archive() &&
           sql(QStringLiteral("SET session_replication_role = replica; "
                              "INSERT INTO eqbond.sites (name, added_by) "
                              "SELECT 'Site ' || s, 'anna' FROM generate_series(0, 199) s")) &&
           seed_newest();
}

struct Opening {
    qint64 shown_ms = -1;   // the site tree and the first downloads in sight
    qint64 groups_ms = -1;  // the newest download's 500 groups in sight
    qint64 opened_ms = -1;  // the newest download opened, its groups asked for
    qint64 round_ms = -1;   // the view's round over
    double longest_stall_ms = 0;
    qint64 copy_bytes = 0;  // the copy's file, its log included
};

int tree_items(const QTreeWidget& tree) {
    int n = 0;
    for (QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(&tree)); *it; ++it) ++n;
    return n;
}

qint64 file_bytes(const QString& file) {
    return QFileInfo(file).size() + QFileInfo(file + QStringLiteral("-wal")).size();
}

Opening open_team_view(int cap_ms) {
    Opening r;
    QTemporaryDir folder;
    const QString copy = folder.filePath(QStringLiteral("copy.sqlite"));
    eqbond::Program program;
    eqbond::ui::TeamArchiveView view(program, copy, nullptr);
    view.set_server(anna());
    view.resize(1280, 800);
    view.show();
    QElapsedTimer clock;
    StallMeter stalls;
    bool over = false;
    QObject::connect(&view, &eqbond::ui::TeamArchiveView::round_finished, [&] {
        over = true;
        r.round_ms = clock.elapsed();
    });
    eqbond::ui::ArchiveWindow& window = *view.window();
    QObject::connect(&window, &eqbond::ui::ArchiveWindow::download_opened, [&] {
        if (r.opened_ms < 0) r.opened_ms = clock.elapsed();
    });
    clock.start();
    stalls.start();
    view.bring_up_to_date();
    while (!(over && r.groups_ms >= 0) && clock.elapsed() < cap_ms) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
        if (r.shown_ms < 0 && window.download_list()->model()->rowCount() > 0 &&
            tree_items(*window.site_tree()) >= 200)
            r.shown_ms = clock.elapsed();
        if (r.groups_ms < 0 && window.group_table()->model()->rowCount() == 500)
            r.groups_ms = clock.elapsed();
    }
    stalls.stop();
    r.longest_stall_ms = stalls.longest_ms();
    r.copy_bytes = file_bytes(copy);
    return r;
}

void warm_up() {
    QTemporaryDir folder;
    eqbond::Program program;
    eqbond::ui::TeamArchiveView view(program, folder.filePath(QStringLiteral("warm-up.sqlite")),
                                     nullptr);
    view.resize(1280, 800);
    view.show();
    QElapsedTimer shown;
    shown.start();
    while (shown.elapsed() < 200) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

QString ms_or_cap(qint64 ms, int cap_ms) {
    return ms >= 0 ? QStringLiteral("%1 ms").arg(ms)
                   : QStringLiteral("not within %1 s").arg(cap_ms / 1000);
}

}  // namespace

int main(int argc, char** argv) {
    eqbond::bench::BenchApplication app(argc, argv, eqbond::bench::Fonts::Qt);
    const int cap_ms = qEnvironmentVariableIntValue("EQBOND_BENCH_CAP_S") > 0
                           ? qEnvironmentVariableIntValue("EQBOND_BENCH_CAP_S") * 1000
                           : 120000;
    if (!prepare()) return 1;
    warm_up();
    QTextStream out(stdout);
    out << "== figures (team view of a large team archive, loopback server)\n";
    int held = 1;  // the newest download
    for (const int downloads : {10000, 100000}) {
        QElapsedTimer seeding;
        seeding.start();
        if (!seed(held, downloads - 1)) return 1;
        held = downloads;
        out << QStringLiteral("%1 downloads on the server (seeded in %2 ms):\n")
                   .arg(downloads)
                   .arg(seeding.elapsed());
        out.flush();
        const Opening r = open_team_view(cap_ms);
        out << QStringLiteral("  site tree and first downloads shown: %1 (goal 2000 ms)\n")
                   .arg(ms_or_cap(r.shown_ms, cap_ms))
            << QStringLiteral("  the newest download's 500 groups shown: %1\n")
                   .arg(ms_or_cap(r.groups_ms, cap_ms))
            << QStringLiteral("    after it opened: %1 (goal 100 ms)\n")
                   .arg(ms_or_cap(r.groups_ms >= 0 ? r.groups_ms - r.opened_ms : -1, cap_ms))
            << QStringLiteral("  the view's round over: %1\n").arg(ms_or_cap(r.round_ms, cap_ms))
            << QStringLiteral("  longest event-loop stall: %1 ms (goal 50 ms)\n")
                   .arg(r.longest_stall_ms, 0, 'f', 1)
            << QStringLiteral("  the copy on disk: %1 kB\n").arg(r.copy_bytes / 1024);
        out.flush();
        // A round cut short goes on on its thread: the next figure would measure it too.
        if (r.round_ms < 0) break;
    }
    return 0;
}
