// The archive in an SQLite file: archiving one read of 10000 groups (one transaction, synced to
// disk), opening an archive of 1000 downloads of 500 groups and listing it with a bonding limit,
// and exporting one download; inspections: comparing with the previous one, showing one site of
// many, the inspection report. Prints the medians against their goals, last.
#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

#include "archive/archive_export.h"
#include "archive/qt_pdf_file.h"
#include "archive/qt_sqlite_file.h"
#include "base/value_format.h"
#include "bench_application.h"
#include "inspection/inspection_comparison.h"
#include "inspection/qt_inspection_pdf.h"
#include "inspection/qt_sqlite_inspections.h"
#include "median_reporter.h"

namespace {

using eqbond::Download;
using eqbond::Group;

std::pair<Download, std::vector<Group>> download_of(int groups, int seed) {
    Download d;
    d.started = QDateTime::currentDateTime().addSecs(seed);
    d.finished = d.started.addSecs(60);
    d.port_number = 2;
    d.device = QStringLiteral("/dev/ttyUSB0");
    d.reported_total = d.groups_read = groups;
    std::vector<Group> out;
    for (int n = 1; n <= groups; ++n) {
        Group g;
        g.number = n;
        g.milliohm = (n * 7919 + seed * 31) % 42000;
        g.year = 25, g.month = 3, g.day = 1 + n % 28, g.hour = n % 24, g.minute = n % 60;
        out.push_back(g);
    }
    return {d, out};
}

QTemporaryDir& scratch() {
    static QTemporaryDir dir;
    return dir;
}

// The large archive, made once: 1000 downloads of 500 groups.
QString large_archive() {
    static const QString file = [] {
        const QString path = scratch().filePath(QStringLiteral("large.sqlite"));
        eqbond::QtSqliteFile file;
        file.open(path);
        eqbond::QtSqliteInspections archive(file);
        for (int d = 0; d < 1000; ++d) {
            const auto [download, groups] = download_of(500, d);
            archive.save_download(download, groups);
        }
        return path;
    }();
    return file;
}

void BM_Archive10000Groups(benchmark::State& state) {
    eqbond::QtSqliteFile file;
    file.open(scratch().filePath(QStringLiteral("writes.sqlite")));
    eqbond::QtSqliteInspections archive(file);
    const auto [download, groups] = download_of(10000, 1);
    for (auto _ : state) benchmark::DoNotOptimize(archive.save_download(download, groups));
}
BENCHMARK(BM_Archive10000Groups)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(5);

void BM_OpenAndList1000Downloads(benchmark::State& state) {
    const QString file = large_archive();
    const auto limit = eqbond::typed_bonding_limit(QStringLiteral("0.1"));
    for (auto _ : state) {
        eqbond::QtSqliteFile opened;
        opened.open(file);
        eqbond::QtSqliteInspections archive(opened);
        benchmark::DoNotOptimize(archive.list(limit));
    }
}
BENCHMARK(BM_OpenAndList1000Downloads)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->Repetitions(5);

void BM_ExportOneDownloadAsText(benchmark::State& state) {
    eqbond::QtSqliteFile file;
    file.open(large_archive());
    eqbond::QtSqliteInspections archive(file);
    for (auto _ : state) {
        const auto download = archive.load(500);
        benchmark::DoNotOptimize(eqbond::archived_text_report(*download));
    }
}
BENCHMARK(BM_ExportOneDownloadAsText)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10)
    ->Repetitions(5);

void BM_ExportOneDownloadAsCsv(benchmark::State& state) {
    eqbond::QtSqliteFile file;
    file.open(large_archive());
    eqbond::QtSqliteInspections archive(file);
    const auto limit = eqbond::typed_bonding_limit(QStringLiteral("0.1"));
    for (auto _ : state) {
        const auto download = archive.load(500);
        benchmark::DoNotOptimize(eqbond::archived_csv(*download, limit));
    }
}
BENCHMARK(BM_ExportOneDownloadAsCsv)->Unit(benchmark::kMillisecond)->Iterations(10)->Repetitions(5);

void BM_ExportOneDownloadAsPdf(benchmark::State& state) {
    eqbond::QtSqliteFile file;
    file.open(large_archive());
    eqbond::QtSqliteInspections archive(file);
    const auto limit = eqbond::typed_bonding_limit(QStringLiteral("0.1"));
    const QString pdf = scratch().filePath(QStringLiteral("one.pdf"));
    for (auto _ : state) {
        const auto download = archive.load(500);
        QString error;
        eqbond::write_pdf_file(
            pdf,
            [&](eqbond::PrinterSink& p) { return eqbond::print_archived(p, *download, limit); },
            &error);
    }
}
BENCHMARK(BM_ExportOneDownloadAsPdf)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(3);

// The inspections archive, made on first use: 200 sites x 20 inspections x 300 labelled groups,
// each site's inspections in two rooms.
constexpr int kSites = 200;
constexpr int kInspections = 20;
constexpr int kPoints = 300;

QString inspections_archive() {
    static const QString file = [] {
        const QString path = scratch().filePath(QStringLiteral("inspections.sqlite"));
        eqbond::QtSqliteFile file;
        file.open(path);
        eqbond::QtSqliteInspections archive(file);
        eqbond::PointLabels labels;
        for (int n = 1; n <= kPoints; ++n) labels[n] = QStringLiteral("P%1").arg(n);
        for (int i = 0; i < kInspections; ++i) {
            for (int s = 0; s < kSites; ++s) {
                const auto [download, groups] = download_of(kPoints, i * kSites + s);
                const int64_t id = *archive.save_download(download, groups);
                const auto site = archive.site_named(QStringLiteral("Site %1").arg(s));
                archive.set_details(id,
                                    {site->id, QStringLiteral("Room %1").arg(i % 2), {}, {}, {}});
                archive.set_labels(id, labels);
            }
        }
        return path;
    }();
    return file;
}

void BM_CompareWithPreviousInspection(benchmark::State& state) {
    eqbond::QtSqliteFile file;
    file.open(inspections_archive());
    eqbond::QtSqliteInspections archive(file);
    const int64_t latest = archive.list(std::nullopt).front().id;
    const auto download = archive.load(latest);
    const auto limit = eqbond::typed_bonding_limit(QStringLiteral("0.2"));
    for (auto _ : state) {
        const eqbond::PreviousValues previous = archive.previous_values(latest);
        benchmark::DoNotOptimize(
            eqbond::compare_with_previous(*download, previous, limit, {}).size());
    }
}
BENCHMARK(BM_CompareWithPreviousInspection)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10)
    ->Repetitions(5);

void BM_OpenAndShowOneSite(benchmark::State& state) {
    const QString file = inspections_archive();
    const auto limit = eqbond::typed_bonding_limit(QStringLiteral("0.2"));
    for (auto _ : state) {
        eqbond::QtSqliteFile opened;
        opened.open(file);
        eqbond::QtSqliteInspections archive(opened);
        const std::vector<eqbond::Site> sites = archive.sites();
        const int64_t site = sites[sites.size() / 2].id;
        benchmark::DoNotOptimize(archive.locations(site));
        benchmark::DoNotOptimize(archive.list_site(site, limit));
    }
}
BENCHMARK(BM_OpenAndShowOneSite)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(5);

void BM_InspectionReport1000Groups(benchmark::State& state) {
    eqbond::InspectionReportInput input;
    input.download.groups = download_of(1000, 3).second;
    for (int n = 1; n <= 1000; ++n)
        input.download.labels[n] = QStringLiteral("B%1 bonding terminal").arg(n);
    for (int n = 1; n <= 1000; n += 2)
        input.previous[input.download.labels[n]] = {1, {}, input.download.groups[size_t(n)]};
    input.limit = eqbond::typed_bonding_limit(QStringLiteral("0.2"));
    const QString pdf = scratch().filePath(QStringLiteral("inspection.pdf"));
    for (auto _ : state) {
        QString error;
        benchmark::DoNotOptimize(
            eqbond::write_inspection_pdf(pdf, eqbond::inspection_report_pages(input), &error));
    }
}
BENCHMARK(BM_InspectionReport1000Groups)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->Repetitions(3);

}  // namespace

int main(int argc, char** argv) {
    // The PDF writer needs the fonts of a GUI application.
    eqbond::bench::BenchApplication app(argc, argv, eqbond::bench::Fonts::Qt);
    QElapsedTimer making;
    making.start();
    large_archive();
    QTextStream(stdout) << "made an archive of 1000 downloads x 500 groups in " << making.elapsed()
                        << " ms\n";
    eqbond::bench::MedianReporter reporter;
    reporter.run(&argc, argv);
    const struct {
        const char* name;
        const char* what;
        double goal_ms;
    } figures[] = {
        {"BM_Archive10000Groups", "archive one read of 10000 groups", 100},
        {"BM_OpenAndList1000Downloads", "open 1000 x 500 and list it (limit set)", 200},
        {"BM_ExportOneDownloadAsText", "export one download of 500: text report", 100},
        {"BM_ExportOneDownloadAsCsv", "export one download of 500: CSV with verdicts", 100},
        {"BM_ExportOneDownloadAsPdf", "export one download of 500: PDF (no goal)", 0},
        {"BM_CompareWithPreviousInspection", "compare 300 points with the previous inspection", 20},
        {"BM_OpenAndShowOneSite", "open 200 sites x 20 x 300 and show one site's inspections", 100},
        {"BM_InspectionReport1000Groups", "inspection report of 1000 groups as PDF", 500},
    };
    QTextStream out(stdout);
    out << "== figures (archive, median ms)\n";
    for (const auto& f : figures) {
        const double ms = reporter.real_ms(f.name);
        out << QStringLiteral("%1: %2 ms").arg(QString::fromLatin1(f.what)).arg(ms, 0, 'f', 1);
        if (f.goal_ms > 0) out << " " << eqbond::bench::goal_verdict(ms, f.goal_ms);
        out << "\n";
    }
    return 0;
}
