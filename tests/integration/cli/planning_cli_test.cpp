// eqbond-cli planning on real archive files: test points with limits of their own, re-test dates
// with what is due, and the instrument register; bad input ends with code 1 and changes nothing.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "archive/qt_sqlite_file.h"
#include "inspection/qt_sqlite_inspections.h"
#include "integration/support/cli_run.h"
#include "support/pdf_text.h"
#include "support/qstring_printer.h"

namespace eqbond {
namespace {

using test::CliResult;

struct PlanningCli : ::testing::Test {
    QTemporaryDir folder;
    QString archive = folder.filePath(QStringLiteral("archive.sqlite"));

    CliResult run(QStringList arguments) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), folder.filePath(QStringLiteral("config")));
        return test::run_cli(arguments << QStringLiteral("--archive") << archive, env);
    }
    // A download of groups measured `days_ago` with these milliohm, at `site` and `location`,
    // labelled from `plan` from group 1.
    void record(const char* site, const char* location, int days_ago, std::vector<int32_t> milliohm,
                QStringList plan = {}, const char* instrument = "") {
        QtSqliteFile file;
        ASSERT_TRUE(file.open(archive));
        QtSqliteInspections store(file);
        const QDate day = QDate::currentDate().addDays(-days_ago);
        std::vector<Group> groups;
        for (size_t n = 0; n < milliohm.size(); ++n)
            groups.push_back(Group{int32_t(n) + 1, milliohm[n], 0, day.year() - 2000, day.month(),
                                   day.day(), 9, 0});
        Download d;
        d.started = d.finished = QDateTime(day, QTime(10, 0)).addSecs(++reads_);
        d.groups_read = d.reported_total = int32_t(groups.size());
        NewInspection given;
        given.site.name = QString::fromUtf8(site);
        given.details.location = QString::fromUtf8(location);
        given.details.instrument_serial = QString::fromUtf8(instrument);
        given.plan = plan;
        ASSERT_TRUE(store.save_download(d, groups, given));
    }
    QStringList csv_rows(const char* id) {
        const QString csv = folder.filePath(QStringLiteral("out.csv"));
        EXPECT_EQ(run({"archive", "export", id, "--csv", csv}).exit_code, 0);
        QFile f(csv);
        f.open(QIODevice::ReadOnly);
        return QString::fromUtf8(f.readAll()).split(QStringLiteral("\r\n"));
    }
    int reads_ = 0;
};

// 200 mΩ passes its own 0.2 Ω; the point without a limit is judged by --limit; a limit given
// afterwards to one group judges it from then on.
TEST_F(PlanningCli, EachTestPointIsJudgedByItsOwnLimit) {
    record("Yard", "Hall", 1, {200, 200, 201, 100}, {"A | 0.2", "B", "C | 0.2", "D | 0.1"});
    const struct Step {
        QStringList arguments;
        const char* listed;  // archive list --limit 0.1: passing and failing
    } steps[] = {
        {{}, "2 pass\t2 fail"},
        {{"archive", "label", "1", "--group", "2", "--point", "B", "--limit", "0.200"},
         "3 pass\t1 fail"},
        {{"archive", "label", "1", "--group", "2", "--point", "B"}, "2 pass\t2 fail"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.arguments.join(' ').toStdString());
        if (!step.arguments.isEmpty()) {
            ASSERT_EQ(run(step.arguments).exit_code, 0);
        }
        const CliResult list = run({"archive", "list", "--limit", "0.1"});
        EXPECT_TRUE(list.out.contains(QString::fromUtf8(step.listed))) << list.out.toStdString();
    }
    const QStringList rows = csv_rows("1");
    EXPECT_TRUE(rows[0].endsWith(QStringLiteral(",测试点,上次电阻(mΩ),变化(%),限值(Ω)")));
    EXPECT_TRUE(rows[1].endsWith(QStringLiteral(",A,,,0.200"))) << rows[1].toStdString();
    EXPECT_TRUE(rows[2].endsWith(QStringLiteral(",B,,,"))) << rows[2].toStdString();
    EXPECT_TRUE(rows[3].contains(QStringLiteral(",不合格,C,"))) << rows[3].toStdString();
}

TEST_F(PlanningCli, DueListsOverdueDueAndOkWithThePointsNeverMeasured) {
    record("Old", "1F", 400, {100});                       // 12 months past: overdue
    record("Soon", "2F", 350, {100}, {"P1", "P2", "P3"});  // due within 30 days
    record("Soon", "2F", 340, {100, 100});                 // measured last: P2 and P3 never were
    record("New", "3F", 10, {100});
    ASSERT_EQ(run({"archive", "label", "3", "--group", "2", "--point", "P1"}).exit_code, 0);
    ASSERT_EQ(run({"archive", "interval", "--site", "New", "--months", "6"}).exit_code, 0);
    ASSERT_EQ(run({"archive", "interval", "--site", "Old", "--location", "1F", "--months", "24"})
                  .exit_code,
              0);
    const QDate today = QDate::currentDate();
    const auto line = [&](const char* status, int days_ago, int months, const char* site,
                          const char* location, int unmeasured) {
        const QDate last = today.addDays(-days_ago);
        return QStringLiteral("%1\t%2\t%3\t%4\t%5\t%6")
            .arg(QString::fromUtf8(status), last.addMonths(months).toString(Qt::ISODate),
                 last.toString(Qt::ISODate), QString::fromUtf8(site), QString::fromUtf8(location))
            .arg(unmeasured);
    };
    const struct Case {
        QStringList options;
        QStringList lines;
    } cases[] = {
        {{},
         {line("due", 340, 12, "Soon", "2F", 2), line("ok", 10, 6, "New", "3F", 0),
          line("ok", 400, 24, "Old", "1F", 0)}},
        {{"--within", "0"},
         {line("ok", 340, 12, "Soon", "2F", 2), line("ok", 10, 6, "New", "3F", 0),
          line("ok", 400, 24, "Old", "1F", 0)}},
        {{"--site", "New", "--within", "200"}, {line("due", 10, 6, "New", "3F", 0)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.options.join(' ').toStdString());
        const CliResult r = run(QStringList{"archive", "due"} + c.options);
        ASSERT_EQ(r.exit_code, 0) << r.err.toStdString();
        EXPECT_EQ(r.out, c.lines.join('\n') + '\n');
    }
    ASSERT_EQ(run({"archive", "interval", "--site", "Old", "--location", "1F", "--months", "12"})
                  .exit_code,
              0);
    EXPECT_TRUE(run({"archive", "due"}).out.startsWith(line("overdue", 400, 12, "Old", "1F", 0)));
}

TEST_F(PlanningCli, AnInspectionAfterTheCalibrationDueDateIsMarked) {
    record("Yard", "Hall", 30, {100}, {}, "SN-1");
    record("Yard", "Hall", 1, {100}, {}, "SN-1");
    record("Yard", "Hall", 1, {100}, {}, "SN-2");  // not registered: not judged
    const QString due = QDate::currentDate().addDays(-10).toString(Qt::ISODate);
    ASSERT_EQ(run({"instrument", "add", "SN-1", "--calibrated", "2025-01-02", "--due", due,
                   "--certificate", "K-77", "--model", "Tester 4"})
                  .exit_code,
              0);
    EXPECT_EQ(run({"instrument", "list"}).out,
              QStringLiteral("SN-1\t2025-01-02\t%1\tK-77\tTester 4\n").arg(due));
    const QStringList listed = run({"archive", "list"}).out.split('\n');
    ASSERT_GE(listed.size(), 3);
    EXPECT_TRUE(listed[0].endsWith(QStringLiteral("\tYard\tHall\t"))) << listed[0].toStdString();
    EXPECT_TRUE(listed[1].endsWith(QStringLiteral("\tcalibration expired")))
        << listed[1].toStdString();
    EXPECT_TRUE(listed[2].endsWith(QStringLiteral("\tHall\t"))) << listed[2].toStdString();
    const QString pdf = folder.filePath(QStringLiteral("r.pdf"));
    ASSERT_EQ(run({"archive", "report", "2", "--pdf", pdf, "--lang", "en"}).exit_code, 0);
    if (!test::poppler_installed()) GTEST_SKIP() << "poppler-utils are not installed";
    const QString text = test::pdf_text(pdf).simplified();
    for (const QString& said : {QStringLiteral("K-77"), due, QStringLiteral("calibration expired")})
        EXPECT_TRUE(text.contains(said)) << said.toStdString() << "\n" << text.toStdString();
}

TEST_F(PlanningCli, BadInputEndsWithCode1AndChangesNothing) {
    record("Yard", "Hall", 1, {100, 200}, {"A", "B"});
    const auto write = [&](const char* name, const char* text) {
        QFile f(folder.filePath(QString::fromUtf8(name)));
        f.open(QIODevice::WriteOnly);
        f.write(text);
        return f.fileName();
    };
    const auto state = [&] {
        return run({"archive", "list", "--limit", "0.1"}).out + run({"archive", "due"}).out +
               run({"instrument", "list"}).out + csv_rows("1").join('\n');
    };
    const QString before = state();
    const QStringList bad[] = {
        {"archive", "label", "1", "--plan", write("p1.txt", "A | 0,2\n")},
        {"archive", "label", "1", "--plan", write("p2.txt", "A\nB | 1000.5\n")},
        {"archive", "label", "1", "--plan", write("p3.txt", "A | 0.2 | x\n")},
        {"archive", "label", "1", "--group", "1", "--point", "A", "--limit", "0"},
        {"archive", "label", "1", "--group", "1", "--point", "A", "--limit", "0.0001"},
        {"archive", "label", "1", "--group", "1", "--point", "A|B"},
        {"archive", "label", "1", "--group", "9", "--point", "A"},
        {"archive", "label", "1", "--group", "1", "--point", "", "--limit", "0.2"},
        {"archive", "interval", "--site", "Yard", "--months", "0"},
        {"archive", "interval", "--site", "Yard", "--months", "121"},
        {"archive", "interval", "--site", "Nowhere", "--months", "6"},
        {"archive", "interval", "--site", "Yard", "--location", "Attic", "--months", "6"},
        {"archive", "interval", "--months", "6"},
        {"archive", "due", "--within", "soon"},
        {"instrument", "add", "SN-1", "--calibrated", "2026-02-30", "--due", "2027-01-01"},
        {"instrument", "add", "SN-1", "--calibrated", "2026-01-01", "--due", "1.1.2027"},
        {"instrument", "add", "SN-1", "--calibrated", "2026-01-01", "--due", "2025-12-31"},
        {"instrument", "add", "SN-1", "--calibrated", "2026-01-01"},
        {"instrument", "add", " ", "--calibrated", "2026-01-01", "--due", "2027-01-01"},
    };
    for (const QStringList& arguments : bad) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const CliResult r = run(arguments);
        EXPECT_EQ(r.exit_code, 1);
        EXPECT_TRUE(r.err.contains(QStringLiteral("eqbond-cli: "))) << r.err.toStdString();
    }
    EXPECT_EQ(state(), before);
}

}  // namespace
}  // namespace eqbond
