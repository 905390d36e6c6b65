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

TEST_F(TeamSetUpTest, SettingUpAgainBringsAnEarlierLayoutForwardAndKeepsTheArchive) {
    QtTeamStore anna;
    ASSERT_TRUE(anna.connect(as("anna")));
    const TeamDownload d = team_download(7);
    ASSERT_TRUE(anna.push(d));
    // As an eqbond of layout 1 left it: no plans.
    ASSERT_EQ(server()
                  .superuser_sql(database,
                                 "DROP TABLE eqbond.plans; UPDATE eqbond.layout SET version = 1")
                  .exit_code,
              0);
    for (const int from : {1, team_schema::kVersion}) {
        const TeamSetUpOutcome again = set_up_team_archive(server().superuser(database));
        ASSERT_TRUE(again.done);
        EXPECT_EQ(again.done->from_version, from);
        EXPECT_EQ(again.done->to_version, team_schema::kVersion);
    }
    ASSERT_TRUE(anna.keep_plan({d.site.name, d.location, {QStringLiteral("PE")}}));
    ASSERT_TRUE(anna.load(d.uuid)) << anna.fault()->detail.toStdString();
    EXPECT_EQ(anna.load(d.uuid)->download.groups.size(), 7u);
}

TEST_F(TeamSetUpTest, ANewerLayoutIsNeitherWrittenNorSetUp) {
    ASSERT_EQ(server().superuser_sql(database, "UPDATE eqbond.layout SET version = 99").exit_code,
              0);
    QtTeamStore anna;
    EXPECT_FALSE(anna.connect(as("anna")));
    ASSERT_TRUE(anna.fault());
    EXPECT_EQ(anna.fault()->kind, TeamFaultKind::LayoutNewer);
    EXPECT_FALSE(anna.push(team_download(1)));
    const TeamSetUpOutcome outcome = set_up_team_archive(server().superuser(database));
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
