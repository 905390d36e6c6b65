// The server's rules against plain SQL as each role: what was measured stays, the history cannot
// be touched, sites keep to their adder and the admins, ownership is the login's whatever role is
// set, and no inspector can lock a table against the others.
#include <gtest/gtest.h>

#include "integration/team/team_fixture.h"
#include "support/qstring_printer.h"

namespace eqbond {
namespace {

using test::team_download;
using test::TeamArchiveTest;

struct TeamRules : TeamArchiveTest {
    TeamDownload annas = team_download(4, QStringLiteral("North"));
    TeamDownload bens = team_download(4, QStringLiteral("South"));

    void SetUp() override {
        TeamArchiveTest::SetUp();
        QtTeamStore anna, ben;
        ASSERT_TRUE(anna.connect(as("anna")) && ben.connect(as("ben")));
        ASSERT_TRUE(anna.push(annas) && ben.push(bens));
    }
};

struct Attack {
    const char* role;
    QString sql;
    QString out;  // psql's answer, or "error" for a refusal
};

void expect_answers(const TeamArchiveTest& test, const std::vector<Attack>& attacks) {
    for (const Attack& a : attacks) {
        const test::CommandResult r = test.sql_as(a.role, a.sql);
        if (a.out == QLatin1String("error"))
            EXPECT_NE(r.exit_code, 0)
                << a.role << ": " << a.sql.toStdString() << " -> " << r.out.toStdString();
        else
            EXPECT_EQ(r.out, a.out) << a.role << ": " << a.sql.toStdString();
    }
}

TEST_F(TeamRules, PlainSqlCannotRewriteReadingsHistoryOrOthersSites) {
    const QString anna_rows = QStringLiteral(" WHERE download_uuid = '%1'").arg(annas.uuid);
    const QString anna_download = QStringLiteral(" WHERE uuid = '%1'").arg(annas.uuid);
    expect_answers(
        *this,
        {
            // Readings: nobody, the owner and the admin included.
            {"anna", "UPDATE eqbond.groups SET milliohm = 1" + anna_rows, "error"},
            {"boss", "UPDATE eqbond.groups SET hour = 3" + anna_rows, "error"},
            {"anna", "UPDATE eqbond.downloads SET started = now()" + anna_download, "error"},
            {"boss", "UPDATE eqbond.downloads SET lowest_milliohm = 0" + anna_download, "error"},
            {"anna",
             QStringLiteral("INSERT INTO eqbond.groups VALUES ('%1', 99, 1, 0, 25, 1, 1, 1, 1)")
                 .arg(annas.uuid),
             "error"},
            {"anna", "DELETE FROM eqbond.groups" + anna_rows, "error"},
            {"keeper", "DELETE FROM eqbond.groups" + anna_rows, "error"},
            {"keeper", "UPDATE eqbond.groups SET milliohm = 1" + anna_rows, "error"},
            // Details and test points may change.
            {"anna", "UPDATE eqbond.groups SET label = 'PE'" + anna_rows + " AND number = 2", ""},
            {"anna",
             "UPDATE eqbond.downloads SET notes = 'ok'" + anna_download + " RETURNING notes", "ok"},
            // The history: read by all, changed by none.
            {"ben", "SELECT count(*) > 0 FROM eqbond.history", "t"},
            {"anna", "DELETE FROM eqbond.history", "error"},
            {"boss", "UPDATE eqbond.history SET role = 'ben'", "error"},
            {"keeper", "DELETE FROM eqbond.history", "error"},
            {"keeper", "TRUNCATE eqbond.history", "error"},
            {"anna", "INSERT INTO eqbond.history (action) VALUES ('push')", "error"},
            // Sites: ben neither re-addresses nor renames anna's; anna does not rename her own.
            {"ben", "UPDATE eqbond.sites SET address = 'x' WHERE name = 'North' RETURNING 1", ""},
            {"ben", "UPDATE eqbond.sites SET name = 'x' WHERE name = 'North' RETURNING 1", ""},
            {"anna", "UPDATE eqbond.sites SET name = 'Nord' WHERE name = 'North'", "error"},
            {"anna",
             "UPDATE eqbond.sites SET customer = 'Rail' WHERE name = 'North' RETURNING customer",
             "Rail"},
            {"boss", "UPDATE eqbond.sites SET name = 'Nord' WHERE name = 'North' RETURNING name",
             "Nord"},
            {"anna", "INSERT INTO eqbond.sites (name, added_by) VALUES ('East', 'ben')", "error"},
            {"anna", "INSERT INTO eqbond.sites (name) VALUES (E'East\\nWest')", "error"},
            {"anna", "INSERT INTO eqbond.sites (name) VALUES (repeat('x', 201))", "error"},
            {"anna", "INSERT INTO eqbond.sites (name) VALUES ('East') RETURNING added_by", "anna"},
            {"ben", "SELECT eqbond.delete_site(id) FROM eqbond.sites WHERE name = 'East'", "error"},
            {"boss", "SELECT eqbond.delete_site(id) FROM eqbond.sites WHERE name = 'South'",
             "error"},  // used by a download
            {"boss", "SELECT eqbond.delete_site(id) FROM eqbond.sites WHERE name = 'East'", "t"},
            // Locks: an inspector holds no table privilege that allows an exclusive one.
            {"anna", "BEGIN; LOCK TABLE eqbond.downloads IN ACCESS EXCLUSIVE MODE; COMMIT",
             "error"},
            {"ben", "BEGIN; LOCK TABLE eqbond.groups IN EXCLUSIVE MODE; COMMIT", "error"},
            {"boss", "BEGIN; LOCK TABLE eqbond.sites IN SHARE ROW EXCLUSIVE MODE; COMMIT", "error"},
            {"anna", "BEGIN; LOCK TABLE eqbond.history IN ACCESS EXCLUSIVE MODE; COMMIT", "error"},
        });
}

TEST_F(TeamRules, OwnershipIsTheLoginsWhateverRoleIsSet) {
    const char insert[] =
        "INSERT INTO eqbond.downloads (uuid, port_number, device, reported_total, groups_read, "
        "ending, groups_held, lowest_milliohm, highest_milliohm) VALUES (gen_random_uuid(), 1, "
        "'', 0, 0, 'complete', 0, 0, 0) RETURNING owner";
    const QString sql = QString::fromLatin1(insert);
    expect_answers(*this,
                   {
                       {"anna", "SET ROLE eqbond_inspector; " + sql, "anna"},
                       {"boss", "SET ROLE eqbond_admin; " + sql, "boss"},
                       {"boss",
                        QString(sql)
                            .replace("(uuid,", "(owner, uuid,")
                            .replace("VALUES (", "VALUES ('anna', "),
                        "error"},
                       {"anna", "UPDATE eqbond.downloads SET owner = 'eqbond_inspector'", "error"},
                   });
    // Through the connection's own options, and through the program.
    TeamServerAddress disguised = as("anna");
    disguised.options.emplace_back(QStringLiteral("options"),
                                   QStringLiteral("-c role=eqbond_inspector"));
    QtTeamStore store;
    ASSERT_TRUE(store.connect(disguised)) << store.fault()->detail.toStdString();
    const TeamDownload d = team_download(2);
    ASSERT_TRUE(store.push(d)) << store.fault()->detail.toStdString();
    EXPECT_EQ(store.load(d.uuid)->owner, QStringLiteral("anna"));
    EXPECT_EQ(store.role(), QStringLiteral("anna"));
    // Ben, as the group role, may not change what anna pushed.
    TeamServerAddress ben = as("ben");
    ben.options = disguised.options;
    QtTeamStore bens_store;
    ASSERT_TRUE(bens_store.connect(ben));
    EXPECT_FALSE(bens_store.remove(d.uuid));
    ASSERT_TRUE(bens_store.fault());
    EXPECT_EQ(bens_store.fault()->kind, TeamFaultKind::RefusedByRules);
}

TEST_F(TeamRules, TheHistoryRecordsEveryChangeAndOutlivesTheDownload) {
    QtTeamStore anna, boss;
    ASSERT_TRUE(anna.connect(as("anna")) && boss.connect(as("boss")));
    TeamDownload d = annas;
    d.notes = QStringLiteral("checked twice");
    d.labels[1] = QStringLiteral("PE bar");
    ASSERT_TRUE(boss.push(d));
    ASSERT_TRUE(anna.push(d));  // the same again: nothing to record
    ASSERT_TRUE(boss.remove(d.uuid));
    // Pushed again after the deletion: it does not come back.
    EXPECT_FALSE(anna.push(d));
    ASSERT_TRUE(anna.fault());
    EXPECT_EQ(anna.fault()->kind, TeamFaultKind::DeletedThere);

    const auto history = anna.history(d.uuid);
    ASSERT_TRUE(history);
    std::vector<QStringList> seen;
    for (const TeamHistoryEntry& e : *history) {
        seen.push_back({e.role, e.action, e.field, e.old_value, e.new_value});
        EXPECT_TRUE(e.at.isValid());
    }
    const std::vector<QStringList> expected = {
        {"anna", "push", "", "", "4 groups"},
        {"boss", "change", "notes", "dry weather", "checked twice"},
        {"boss", "change", "group 2 test point", "", "PE bar"},
        {"boss", "delete", "", "4 groups", ""},
    };
    EXPECT_EQ(seen, expected);
}

}  // namespace
}  // namespace eqbond
