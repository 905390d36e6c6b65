// A test point's own limit and the instrument register in the team archive: the limit travels and
// conflicts with its test point and judges its group in the export; the register is the admins' to
// change and every push brings it into the local archive; a server of layout 3 holding downloads
// gains both.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "integration/support/cli_run.h"
#include "integration/team/team_fixture.h"
#include "support/qstring_printer.h"
#include "team/team_rules_schema.h"

namespace eqbond {
namespace {

using test::CliResult;
using test::run_cli;
using test::server;
using TeamLimits = test::TeamArchiveTest;

TEST_F(TeamLimits, AnOwnLimitJudgesItsGroupInTheExportAndConflictsLikeItsTestPoint) {
    QtTeamStore anna;
    ASSERT_TRUE(anna.connect(as("anna")));
    TeamDownload d = test::team_download(3);  // groups 1 and 3 have test points
    for (Group& g : d.groups) g.milliohm = 150;
    d.limits = {{1, JudgedLimit{100}}, {3, JudgedLimit{200}}};
    ASSERT_TRUE(anna.push(d));

    const QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("team.csv"));
    const CliResult exported = run_cli(
        {"team", "export", d.uuid, "--csv", csv, "--limit", "0.12", "--server", uri("ben")});
    ASSERT_EQ(exported.exit_code, 0) << exported.err.toStdString();
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines =
        QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    const int header = int(lines.indexOf(QRegularExpression(QStringLiteral(".*判定.*"))));
    ASSERT_GE(header, 0) << lines.join('\n').toStdString();
    const QStringList headings = lines[header].split(QLatin1Char(','));
    EXPECT_EQ(headings.last(), QStringLiteral("限值(Ω)"));
    const int verdict = int(headings.indexOf(QStringLiteral("判定")));
    const struct Row {
        const char* verdict;
        const char* limit;  // its own, else the one given
    } rows[] = {{"不合格", "0.100"}, {"不合格", "0.120"}, {"合格", "0.200"}};
    ASSERT_EQ(lines.size(), header + 1 + int(std::size(rows))) << lines.join('\n').toStdString();
    for (int i = 0; i < int(std::size(rows)); ++i) {
        const QStringList fields = lines[header + 1 + i].split(QLatin1Char(','));
        EXPECT_EQ(fields.value(verdict), QString::fromUtf8(rows[i].verdict)) << "group " << i + 1;
        EXPECT_EQ(fields.last(), QString::fromLatin1(rows[i].limit)) << "group " << i + 1;
    }

    // The office changes group 1's limit on the server while the owner changes it here.
    d.base_revision = anna.pushed_revision();
    const CliResult labelled = run_cli({"team", "label", d.uuid, "--group", "1", "--point", "TP-1",
                                        "--limit", "0.5", "--server", uri("boss")});
    ASSERT_EQ(labelled.exit_code, 0) << labelled.err.toStdString();
    d.limits[1] = JudgedLimit{300};
    ASSERT_TRUE(anna.push(d));
    ASSERT_TRUE(anna.pushed_merge());
    ASSERT_EQ(anna.pushed_merge()->conflicts.size(), 1u);
    const TeamConflict& conflict = anna.pushed_merge()->conflicts.front();
    EXPECT_EQ(conflict.field, QStringLiteral("group 1 limit"));
    EXPECT_EQ(conflict.server, QStringLiteral("0.500"));
    EXPECT_EQ(conflict.here, QStringLiteral("0.300"));
    EXPECT_EQ(anna.load(d.uuid)->download.limits.at(1), JudgedLimit{500});
}

TEST_F(TeamLimits, OnlyAnAdminChangesTheTeamsRegisterWhichEveryPushBringsHere) {
    const QTemporaryDir dir;
    const QString anna_archive = dir.filePath(QStringLiteral("anna.sqlite"));
    const QString boss_archive = dir.filePath(QStringLiteral("boss.sqlite"));
    const struct Kept {
        const QString& archive;
        const char* serial;
        const char* due;
    } kept[] = {{anna_archive, "SN-0042", "2025-06-01"},
                {anna_archive, "SN-7", "2027-01-01"},
                {boss_archive, "SN-0042", "2026-01-10"}};
    for (const Kept& k : kept)
        ASSERT_EQ(run_cli({"instrument", "add", k.serial, "--calibrated", "2025-01-10", "--due",
                           k.due, "--archive", k.archive})
                      .exit_code,
                  0);

    const char* const kPush = nullptr;
    const struct Step {
        const char* role;
        const char* sql;  // or a team push of the role's archive
        bool done;
        const char* team_register;  // serial and due, after the step
    } steps[] = {
        {"anna",
         "INSERT INTO eqbond.instruments (serial, calibrated, due) "
         "VALUES ('X', '2025-01-01', '2026-01-01')",
         false, ""},
        {"anna", kPush, true, ""},
        {"boss", kPush, true, "SN-0042 2026-01-10"},
        {"anna", "UPDATE eqbond.instruments SET due = '2030-01-01'", false, "SN-0042 2026-01-10"},
        {"anna", "DELETE FROM eqbond.instruments", false, "SN-0042 2026-01-10"},
        {"anna", kPush, true, "SN-0042 2026-01-10"},
        {"boss", "UPDATE eqbond.instruments SET due = '2026-02-01'", true, "SN-0042 2026-02-01"},
    };
    for (const Step& s : steps) {
        const QString role = QString::fromLatin1(s.role);
        bool done = false;
        if (s.sql) {
            done = sql_as(s.role, QString::fromUtf8(s.sql)).exit_code == 0;
        } else {
            const CliResult r =
                run_cli({"team", "push", "--server", uri(s.role), "--archive",
                         role == QLatin1String("anna") ? anna_archive : boss_archive});
            done = r.exit_code == 0;
            EXPECT_FALSE(r.err.contains(QStringLiteral("eqbond-cli"))) << r.err.toStdString();
        }
        EXPECT_EQ(done, s.done) << s.role << " " << (s.sql ? s.sql : "push");
        EXPECT_EQ(server()
                      .superuser_sql(database,
                                     "SELECT coalesce(string_agg(serial || ' ' || due, '|'), '') "
                                     "FROM eqbond.instruments")
                      .out,
                  QString::fromLatin1(s.team_register))
            << s.role << " " << (s.sql ? s.sql : "push");
    }
    // The team's entry won over anna's own; her other instrument stayed hers.
    const CliResult listed = run_cli({"instrument", "list", "--archive", anna_archive});
    EXPECT_EQ(
        listed.out,
        QStringLiteral("SN-0042\t2025-01-10\t2026-01-10\t\t\nSN-7\t2025-01-10\t2027-01-01\t\t\n"));
    EXPECT_EQ(server()
                  .superuser_sql(database,
                                 "SELECT string_agg(role || ' ' || action || ' ' || field, '|' "
                                 "ORDER BY id) FROM eqbond.history WHERE action LIKE '%instrument'")
                  .out,
              QStringLiteral("boss add instrument SN-0042|boss change instrument SN-0042 due"));
}

TEST_F(TeamLimits, ALayout3ServerHoldingDownloadsGainsLimitsAndTheRegister) {
    const QString old = database + QStringLiteral("_3");
    ASSERT_TRUE(server().create_database(old, QStringLiteral("keeper")));
    const TeamServerAddress keeper = server().login(QStringLiteral("keeper"), old);
    const QString layout3 =
        (team_schema::steps_from(0, 3) + team_schema::rules_grants()).join(QStringLiteral(";\n")) +
        QStringLiteral("; UPDATE eqbond.layout SET version = 3");
    const test::CommandResult made = server().psql(keeper, layout3);
    ASSERT_EQ(made.exit_code, 0) << made.out.toStdString();
    const QString uuid = QStringLiteral("5b0e7c1e-8d4f-4a51-9a39-2f0e4d6a1c01");
    const test::CommandResult pushed = server().psql(
        server().login(QStringLiteral("anna"), old),
        QStringLiteral(
            "INSERT INTO eqbond.downloads (uuid, port_number, device, reported_total, "
            "groups_read, ending, groups_held, lowest_milliohm, highest_milliohm) VALUES "
            "('%1', 1, 'COM1', 2, 2, 'complete', 2, 6, 7); "
            "INSERT INTO eqbond.groups (download_uuid, number, milliohm, battery, year, month, "
            "day, hour, minute, label) SELECT '%1', n, 5 + n, 0, 25, 1, 2, 3, 4, 'TP' || n "
            "FROM generate_series(1, 2) n")
            .arg(uuid));
    ASSERT_EQ(pushed.exit_code, 0) << pushed.out.toStdString();

    const TeamSetUpOutcome outcome = set_up_team_archive(keeper);
    ASSERT_TRUE(outcome.done) << outcome.fault->detail.toStdString();
    EXPECT_EQ(outcome.done->from_version, 3);
    QtTeamStore anna;
    ASSERT_TRUE(anna.connect(server().login(QStringLiteral("anna"), old)));
    ASSERT_TRUE(anna.label(uuid, 2, QStringLiteral("TP2"), JudgedLimit{200}));
    const struct Case {
        const char* sql;
        const char* out;
    } cases[] = {
        {"SELECT string_agg(number || ' ' || milliohm || ' ' || label || ' ' || "
         "coalesce(limit_milliohm::text, '-'), '|' ORDER BY number) FROM eqbond.groups",
         "1 6 TP1 -|2 7 TP2 200"},
        {"SELECT string_agg(action || ' ' || field || ' ' || coalesce(new, ''), '|' ORDER BY id) "
         "FROM eqbond.history",
         "push  2 groups|change group 2 limit 0.200"},
        {"SELECT count(*) FROM eqbond.instruments", "0"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(
            server().psql(server().login(QStringLiteral("ben"), old), QString::fromUtf8(c.sql)).out,
            QString::fromUtf8(c.out))
            << c.sql;
    // Outside the instrument's range, refused by the server itself.
    EXPECT_NE(server()
                  .psql(keeper, QStringLiteral("UPDATE eqbond.groups SET limit_milliohm = 0"))
                  .exit_code,
              0);
}

}  // namespace
}  // namespace eqbond
