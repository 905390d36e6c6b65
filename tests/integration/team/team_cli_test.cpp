// eqbond-cli team against a real server: set-up, listing, export and deletion; a refusal and a
// failed login end with exit code 6 and a message naming the server without its password.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "archive/archive_export.h"
#include "archive/qt_sqlite_file.h"
#include "inspection/inspection_export.h"
#include "inspection/qt_sqlite_inspections.h"
#include "integration/support/cli_run.h"
#include "integration/team/team_fixture.h"
#include "support/qstring_printer.h"
#include "team/qt_sqlite_team_copy.h"
#include "team/qt_team_fetch.h"
#include "team/qt_team_store.h"
#include "team/team_copy_round.h"
#include "team/team_schema.h"

namespace eqbond {
namespace {

using test::CliResult;

CliResult cli(const QStringList& arguments) {
    return test::run_cli(arguments);
}

using TeamCli = test::TeamArchiveTest;

TEST_F(TeamCli, SetUpListExportDelete) {
    const TeamServerAddress super = test::server().superuser(database);
    const QString words = QStringLiteral("host='%1' port=%2 user=%3 dbname=%4")
                              .arg(super.host)
                              .arg(super.port)
                              .arg(super.user, database);
    CliResult r = cli({"team", "setup", "--server", words});
    ASSERT_EQ(r.exit_code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("was %1").arg(team_schema::kVersion)))
        << r.out.toStdString();

    QtTeamStore anna;
    ASSERT_TRUE(anna.connect(as("anna")));
    const TeamDownload d = test::team_download(200, QStringLiteral("Depot; 'x'"));
    ASSERT_TRUE(anna.push(d));

    r = cli({"team", "list", "--site", "Depot; 'x'", "--server", uri("ben")});
    ASSERT_EQ(r.exit_code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.startsWith(d.uuid + QLatin1Char('\t'))) << r.out.toStdString();
    EXPECT_EQ(r.out.count(QLatin1Char('\n')), 1);

    // Ben's later inspection of the same points: its files compare them with Anna's, as the
    // team view's copy does.
    TeamDownload later = test::team_download(200, QStringLiteral("Depot; 'x'"));
    later.download.started = d.download.started.addDays(365);
    later.inspector = QStringLiteral("Ben B.");
    for (Group& g : later.groups) g.milliohm += g.number % 3 ? 5 : 40;
    QtTeamStore ben;
    ASSERT_TRUE(ben.connect(as("ben")));
    ASSERT_TRUE(ben.push(later));
    QTemporaryDir folder;
    const QString txt = folder.filePath(QStringLiteral("team.txt"));
    const QString csv = folder.filePath(QStringLiteral("team.csv"));
    r = cli({"team", "export", later.uuid, "--txt", txt, "--csv", csv, "--limit", "0.5", "--server",
             uri("anna")});
    ASSERT_EQ(r.exit_code, 0) << r.err.toStdString();
    QtSqliteFile copy_file;
    QtSqliteInspections copy(copy_file);
    ASSERT_TRUE(copy_file.open(folder.filePath(QStringLiteral("copy.sqlite"))));
    QtSqliteTeamCopy team_copy(copy_file);
    std::vector<TeamPlan> no_plans;
    ASSERT_EQ(bring_team_copy_up_to_date(team_copy, ben, no_plans).copied, 2);
    const std::vector<ListedInspection> copied = copy.list(std::nullopt);
    // Opened in the view: its groups are read, then those of the earlier inspection there.
    const int64_t newest = copied.front().id;
    ASSERT_EQ(fetch_opened(team_copy, ben, newest, copy.load(newest)->uuid).fetched, 1);
    ASSERT_EQ(fetch_earlier(team_copy, ben, newest).fetched, 1);
    const std::optional<Inspection> expected = copy.load(newest);
    ASSERT_TRUE(expected);
    const PreviousValues previous = copy.previous_values(expected->id);
    EXPECT_EQ(previous.size(), 100u);
    for (const auto& [path, content] :
         {std::pair{txt, archived_text_report(*expected)},
          {csv, inspection_csv(*expected, typed_bonding_limit(QStringLiteral("0.5")), previous)}}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), content) << path.toStdString();
    }

    // Another's download: refused by the server, said without the password.
    r = cli({"team", "delete", d.uuid, "--server", uri("ben")});
    EXPECT_EQ(r.exit_code, 6);
    EXPECT_TRUE(r.err.contains(QStringLiteral("refuse"))) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("postgresql://ben@127.0.0.1")))
        << r.err.toStdString();
    EXPECT_FALSE(r.err.contains(QStringLiteral("ben-pw")));
    EXPECT_FALSE(r.err.contains(QStringLiteral("CONTEXT"))) << r.err.toStdString();
    r = cli({"team", "delete", d.uuid, "--server", uri("anna")});
    EXPECT_EQ(r.exit_code, 0) << r.err.toStdString();
    EXPECT_TRUE(cli({"team", "list", "--server", uri("anna")}).out.startsWith(later.uuid));
}

TEST_F(TeamCli, AFailedLoginEndsWithCodeSixAndNoPassword) {
    const CliResult r = cli({"team", "status", "--server", uri("anna", "s3cret;'")});
    EXPECT_EQ(r.exit_code, 6);
    EXPECT_TRUE(r.err.contains(QStringLiteral("authentication failed"))) << r.err.toStdString();
    EXPECT_FALSE(r.err.contains(QStringLiteral("s3cret")));
    EXPECT_FALSE(r.out.contains(QStringLiteral("s3cret")));
}

// Every inspector's locations, with the team's plan; the intervals are this computer's.
TEST_F(TeamCli, DueListsEveryInspectorsLocations) {
    QtTeamStore anna, ben;
    ASSERT_TRUE(anna.connect(as("anna")) && ben.connect(as("ben")));
    ASSERT_TRUE(anna.push(test::team_download(3, QStringLiteral("Depot"))));  // last 2025-04-04
    ASSERT_TRUE(ben.push(test::team_download(1, QStringLiteral("Yard"))));    // last 2025-02-02
    ASSERT_TRUE(anna.keep_plan(
        {QStringLiteral("Depot"),
         QStringLiteral("Platform 2"),
         {QStringLiteral("TP-1"), QStringLiteral("TP-2 | 0.100"), QStringLiteral("TP-3")}}));
    QTemporaryDir folder;
    const QString local = folder.filePath(QStringLiteral("archive.sqlite"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), folder.path());
    const auto due = [&] {
        return test::run_cli({"team", "due", "--server", uri("ben"), "--archive", local}, env);
    };
    const struct {
        int depot_months;  // 0: none kept here
        const char* lines;
    } cases[] = {
        {0,
         "overdue\t2026-02-02\t2025-02-02\tYard\tPlatform 2\t0\n"
         "overdue\t2026-04-04\t2025-04-04\tDepot\tPlatform 2\t1\n"},
        {120,
         "overdue\t2026-02-02\t2025-02-02\tYard\tPlatform 2\t0\n"
         "ok\t2035-04-04\t2025-04-04\tDepot\tPlatform 2\t1\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.depot_months);
        if (c.depot_months) {
            QtSqliteFile file;
            ASSERT_TRUE(file.open(local));
            ASSERT_TRUE(QtSqliteInspections(file).site_named(QStringLiteral("Depot")));
            ASSERT_EQ(test::run_cli({"archive", "interval", "--site", "Depot", "--months",
                                     QString::number(c.depot_months), "--archive", local},
                                    env)
                          .exit_code,
                      0);
        }
        const CliResult r = due();
        ASSERT_EQ(r.exit_code, 0) << r.err.toStdString();
        EXPECT_EQ(r.out, QString::fromUtf8(c.lines));
    }
}

}  // namespace
}  // namespace eqbond
