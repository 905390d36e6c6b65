// Making a database a team archive and connecting to it: a second set-up changes nothing and
// keeps what was pushed; a layout newer than this program, a database that is no team archive
// and every kind of failed login come back as one typed fault.
#include <gtest/gtest.h>

#include "integration/team/team_fixture.h"
#include "support/qstring_printer.h"
#include "team/team_schema.h"

namespace eqbond {
namespace {

using test::server;
using test::team_download;
using test::TeamArchiveTest;

using TeamSetUpTest = TeamArchiveTest;

TEST_F(TeamSetUpTest, SettingUpAgainChangesNothing) {
    QtTeamStore anna;
    ASSERT_TRUE(anna.connect(as("anna")));
    const TeamDownload d = team_download(7);
    ASSERT_TRUE(anna.push(d));
    const TeamSetUpOutcome again = set_up_team_archive(as("keeper"));
    ASSERT_TRUE(again.done) << again.fault->detail.toStdString();
    EXPECT_EQ(again.done->from_version, team_schema::kVersion);
    ASSERT_TRUE(anna.load(d.uuid));
    EXPECT_EQ(anna.load(d.uuid)->download.groups.size(), 7u);
}

// A server of layout 1 as inspectors used it: texts the program would not keep, a download owned
// by the group role. Brought forward in one transaction, nothing is lost; what broke the new rules
// is kept escaped, and the history says so.
TEST_F(TeamSetUpTest, TheFirstLayoutIsBroughtForwardWithNothingLost) {
    const QString old = database + QStringLiteral("_old");
    ASSERT_TRUE(server().create_database(old, QStringLiteral("keeper")));
    const TeamServerAddress keeper = server().login(QStringLiteral("keeper"), old);
    const QString layout1 =
        team_schema::steps_from(0, 1).join(QStringLiteral(";\n")) +
        QStringLiteral(
            "; UPDATE eqbond.layout SET version = 1; "
            "GRANT USAGE ON SCHEMA eqbond TO eqbond_inspector; "
            "GRANT SELECT ON eqbond.layout TO eqbond_inspector; "
            "GRANT SELECT, INSERT, UPDATE ON eqbond.sites TO eqbond_inspector; "
            "GRANT SELECT, INSERT, UPDATE, DELETE ON eqbond.downloads, eqbond.groups "
            "TO eqbond_inspector");
    ASSERT_EQ(server().psql(keeper, layout1).exit_code, 0);
    const char pushed[] =
        "INSERT INTO eqbond.sites (name) VALUES (E'North\\nDepot'), ('South'); "
        "INSERT INTO eqbond.downloads (uuid, site_id, notes, port_number, device, "
        "reported_total, groups_read, ending, groups_held, lowest_milliohm, highest_milliohm) "
        "SELECT gen_random_uuid(), id, repeat('n', 300), 1, 'COM1', 2, 2, 'complete', 2, 5, 9 "
        "FROM eqbond.sites; "
        "INSERT INTO eqbond.groups SELECT uuid, n, 5 + n, 0, 25, 1, 2, 3, 4, "
        "E'TP\\x1b[2J' || n FROM eqbond.downloads, generate_series(1, 2) n; "
        "SET ROLE eqbond_inspector; "
        "INSERT INTO eqbond.downloads (uuid, port_number, device, reported_total, groups_read, "
        "ending, groups_held, lowest_milliohm, highest_milliohm) VALUES "
        "(gen_random_uuid(), 1, E'COM\\t9', 0, 0, 'abandoned', 0, 0, 0)";
    const test::CommandResult inserted =
        server().psql(server().login(QStringLiteral("anna"), old), QString::fromLatin1(pushed));
    ASSERT_EQ(inserted.exit_code, 0) << inserted.out.toStdString();

    const TeamSetUpOutcome outcome = set_up_team_archive(keeper);
    ASSERT_TRUE(outcome.done) << outcome.fault->detail.toStdString();
    EXPECT_EQ(outcome.done->from_version, 1);
    const auto ask = [&](const char* sql) {
        return server()
            .psql(server().login(QStringLiteral("ben"), old), QString::fromLatin1(sql))
            .out;
    };
    struct Case {
        const char* sql;
        const char* out;
    };
    const Case cases[] = {
        {"SELECT count(*) FROM eqbond.downloads", "3"},
        {"SELECT count(*) FROM eqbond.groups", "4"},
        {"SELECT string_agg(name, '|' ORDER BY name) FROM eqbond.sites", "North\\nDepot|South"},
        {"SELECT DISTINCT label FROM eqbond.groups WHERE number = 1", "TP\\x1b[2J1"},
        {"SELECT DISTINCT device FROM eqbond.downloads WHERE groups_held = 0", "COM\\t9"},
        {"SELECT DISTINCT length(notes) FROM eqbond.downloads WHERE groups_held = 2", "300"},
        {"SELECT count(*) FROM eqbond.history WHERE action = 'escape'", "6"},
        {"SELECT old = E'North\\nDepot' FROM eqbond.history WHERE field = 'site name'", "t"},
        {"SELECT version FROM eqbond.layout", "5"},
    };
    for (const Case& c : cases) EXPECT_EQ(ask(c.sql), QString::fromUtf8(c.out)) << c.sql;
}

TEST_F(TeamSetUpTest, ANewerLayoutIsNeitherWrittenNorSetUp) {
    ASSERT_EQ(server().superuser_sql(database, "UPDATE eqbond.layout SET version = 99").exit_code,
              0);
    QtTeamStore anna;
    EXPECT_FALSE(anna.connect(as("anna")));
    ASSERT_TRUE(anna.fault());
    EXPECT_EQ(anna.fault()->kind, TeamFaultKind::LayoutNewer);
    EXPECT_FALSE(anna.push(team_download(1)));
    const TeamSetUpOutcome outcome = set_up_team_archive(as("keeper"));
    ASSERT_TRUE(outcome.fault);
    EXPECT_EQ(outcome.fault->kind, TeamFaultKind::LayoutNewer);
    EXPECT_EQ(server().superuser_sql(database, "SELECT version FROM eqbond.layout").out,
              QStringLiteral("99"));
}

TEST(TeamArchive, ADatabaseOfSomethingElseIsRecognized) {
    ASSERT_TRUE(server().create_database(QStringLiteral("other")));
    QtTeamStore store;
    EXPECT_FALSE(store.connect(server().superuser(QStringLiteral("other"))));
    ASSERT_TRUE(store.fault());
    EXPECT_EQ(store.fault()->kind, TeamFaultKind::NotTeamArchive);
    // Some other program's schema of the same name is left alone.
    ASSERT_EQ(server()
                  .superuser_sql(QStringLiteral("other"),
                                 "CREATE SCHEMA eqbond; CREATE TABLE eqbond.things (x int)")
                  .exit_code,
              0);
    const TeamSetUpOutcome outcome =
        set_up_team_archive(server().superuser(QStringLiteral("other")));
    ASSERT_TRUE(outcome.fault);
    EXPECT_EQ(outcome.fault->kind, TeamFaultKind::NotTeamArchive);
    EXPECT_EQ(store.connect(server().superuser(QStringLiteral("other"))), false);
    EXPECT_EQ(store.fault()->kind, TeamFaultKind::NotTeamArchive);
}

TEST_F(TeamSetUpTest, AFailedLoginIsOneTypedFault) {
    struct Case {
        const char* name;
        TeamServerAddress address;
        TeamFaultKind kind;
    };
    TeamServerAddress nobody_listens = as("anna");
    nobody_listens.port = test::free_port();
    const Case cases[] = {
        {"wrong password",
         server().login(QStringLiteral("anna"), QStringLiteral("guess"), database),
         TeamFaultKind::AuthenticationFailed},
        {"unknown role", server().login(QStringLiteral("carl"), QStringLiteral("x"), database),
         TeamFaultKind::AuthenticationFailed},
        {"no password", server().login(QStringLiteral("anna"), QString(), database),
         TeamFaultKind::AuthenticationFailed},
        {"outside the groups", as("outsider"), TeamFaultKind::NoPermission},
        {"no such database", server().login(QStringLiteral("anna"), QStringLiteral("nowhere")),
         TeamFaultKind::NotTeamArchive},
        {"nobody listens", nobody_listens, TeamFaultKind::Unreachable},
    };
    // No password file of the user running the tests may answer for them.
    qputenv("PGPASSFILE", "/nonexistent");
    for (const Case& c : cases) {
        QtTeamStore store;
        EXPECT_FALSE(store.connect(c.address)) << c.name;
        ASSERT_TRUE(store.fault()) << c.name;
        EXPECT_EQ(store.fault()->kind, c.kind)
            << c.name << ": " << store.fault()->detail.toStdString();
        EXPECT_FALSE(store.push(team_download(1))) << c.name;
    }
}

}  // namespace
}  // namespace eqbond
