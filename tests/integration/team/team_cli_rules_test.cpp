// eqbond-cli and the server's rules: a download's history, texts from the server printed with
// their control characters escaped, and a busy server that ends a command with code 6 instead of
// hanging it.
#include <gtest/gtest.h>

#include <QProcess>
#include <QThread>

#include "integration/support/cli_run.h"
#include "integration/team/team_fixture.h"
#include "support/qstring_printer.h"

namespace eqbond {
namespace {

using test::CliResult;
using test::run_cli;
using test::server;
using TeamCliRules = test::TeamArchiveTest;

TEST_F(TeamCliRules, HistoryPrintsOneEscapedLinePerChange) {
    QtTeamStore anna;
    ASSERT_TRUE(anna.connect(as("anna")));
    TeamDownload d = test::team_download(3);
    ASSERT_TRUE(anna.push(d));
    d.notes = QStringLiteral("wet");
    ASSERT_TRUE(anna.push(d));
    // A text that holds a tab and a new line in the history, as an earlier layout's might.
    ASSERT_EQ(server()
                  .superuser_sql(database,
                                 "ALTER TABLE eqbond.history DISABLE TRIGGER stays; "
                                 "UPDATE eqbond.history SET new = E'wet\\tand\\ncold' "
                                 "WHERE field = 'notes'")
                  .exit_code,
              0);
    const CliResult r = run_cli({"team", "history", d.uuid, "--server", uri("ben")});
    ASSERT_EQ(r.exit_code, 0) << r.err.toStdString();
    const QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2) << r.out.toStdString();
    const QStringList push = lines[0].split(QLatin1Char('\t'));
    const QStringList change = lines[1].split(QLatin1Char('\t'));
    ASSERT_EQ(push.size(), 6);
    ASSERT_EQ(change.size(), 6);
    EXPECT_TRUE(QDateTime::fromString(push[0], Qt::ISODateWithMs).isValid())
        << push[0].toStdString();
    EXPECT_EQ(push.mid(1), (QStringList{"anna", "push", "", "", "3 groups"}));
    EXPECT_EQ(change.mid(1),
              (QStringList{"anna", "change", "notes", "dry weather", "wet\\tand\\ncold"}));
}

TEST_F(TeamCliRules, TheOfficeDescribesAndLabelsUnderTheServersRules) {
    QtTeamStore anna;
    ASSERT_TRUE(anna.connect(as("anna")));
    const TeamDownload d = test::team_download(3);
    ASSERT_TRUE(anna.push(d));
    const QString unknown = test::team_download(1).uuid;
    const struct Case {
        const char* role;
        QStringList arguments;
        int exit_code;
    } cases[] = {
        {"anna", {"describe", d.uuid, "--notes", "wet\nand cold", "--site", "South"}, 0},
        {"ben", {"describe", d.uuid, "--notes", "ben's"}, 6},
        {"boss", {"label", d.uuid, "--group", "3", "--point", "PE bar"}, 0},
        {"ben", {"label", d.uuid, "--group", "3", "--point", "ben's"}, 6},
        {"anna", {"label", d.uuid, "--group", "4", "--point", "none"}, 1},
        {"anna",
         {"label", d.uuid, "--group", "2", "--point",
          "a\x1b"
          "b"},
         1},
        {"anna", {"describe", unknown, "--location", "Hall"}, 1},
        {"anna", {"label", d.uuid, "--group", "1", "--point", "PE", "--limit", "0"}, 1},
        {"anna", {"label", d.uuid, "--group", "1", "--point", "", "--limit", "0.2"}, 1},
        {"anna", {"label", d.uuid, "--group", "1", "--point", "PE | 0.2"}, 1},
    };
    for (const Case& c : cases) {
        const CliResult r =
            run_cli(QStringList{"team"} + c.arguments + QStringList{"--server", uri(c.role)});
        EXPECT_EQ(r.exit_code, c.exit_code)
            << c.role << " " << c.arguments.join(' ').toStdString() << ": " << r.err.toStdString();
    }
    const std::optional<StoredTeamDownload> stored = anna.load(d.uuid);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->download.notes, QStringLiteral("wet\nand cold"));
    EXPECT_EQ(stored->download.site.name, QStringLiteral("South"));
    EXPECT_EQ(stored->download.labels.at(2), QStringLiteral("PE bar"));
    EXPECT_EQ(stored->download.location, d.location);
}

TEST_F(TeamCliRules, ListShowsControlCharactersFromTheServerEscaped) {
    QtTeamStore anna;
    ASSERT_TRUE(anna.connect(as("anna")));
    const TeamDownload d = test::team_download(2, QStringLiteral("North"));
    ASSERT_TRUE(anna.push(d));
    // As a server that did not check its texts would hold it.
    ASSERT_EQ(server()
                  .superuser_sql(database,
                                 "ALTER TABLE eqbond.sites DROP CONSTRAINT texts_fit; "
                                 "ALTER TABLE eqbond.sites DISABLE TRIGGER rules; "
                                 "UPDATE eqbond.sites SET name = E'North\\n"
                                 "forged\\tline\\x1b[2J'")
                  .exit_code,
              0);
    const CliResult r = run_cli({"team", "list", "--server", uri("ben")});
    ASSERT_EQ(r.exit_code, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.count(QLatin1Char('\n')), 1) << r.out.toStdString();
    EXPECT_EQ(r.out.split(QLatin1Char('\t')).value(3),
              QStringLiteral("North\\nforged\\tline\\x1b[2J"));
}

TEST_F(TeamCliRules, ABusyServerEndsTheCommandInsteadOfHangingIt) {
    // Someone holds the downloads table for a minute (here the superuser: no inspector may).
    QProcess holder;
    const TeamServerAddress super = server().superuser(database);
    holder.start(test::kPostgresBin + QStringLiteral("psql"),
                 {"-h", super.host, "-p", QString::number(super.port), "-U", super.user, "-d",
                  database, "-X", "-q", "-c",
                  "BEGIN; LOCK TABLE eqbond.downloads IN ACCESS EXCLUSIVE MODE; "
                  "SELECT pg_sleep(60); COMMIT"});
    ASSERT_TRUE(holder.waitForStarted());
    const auto held = [&] {
        return server()
                   .superuser_sql(database,
                                  "SELECT count(*) FROM pg_locks WHERE mode = "
                                  "'AccessExclusiveLock' AND relation = "
                                  "'eqbond.downloads'::regclass AND granted")
                   .out == QLatin1String("1");
    };
    for (int i = 0; i < 100 && !held(); ++i) QThread::msleep(100);
    ASSERT_TRUE(held());
    for (const QStringList& command :
         {QStringList{"team", "list"},
          QStringList{"team", "delete", test::team_download(1).uuid}}) {
        const CliResult r = run_cli(command + QStringList{"--server", uri("anna")});
        EXPECT_EQ(r.exit_code, 6) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(QStringLiteral("server busy"))) << r.err.toStdString();
    }
    holder.kill();
    holder.waitForFinished();
}

}  // namespace
}  // namespace eqbond
