// The lab's people on the team server: only an admin names a login role, through the program or
// plain SQL, and only a login the server has with a name the program would keep; every inspector
// reads the list, and the history records each change.
#include <gtest/gtest.h>

#include "integration/support/cli_run.h"
#include "integration/team/team_fixture.h"
#include "support/qstring_printer.h"

namespace eqbond {
namespace {

using test::CliResult;
using test::run_cli;
using test::server;
using TeamPeopleTest = test::TeamArchiveTest;

TEST_F(TeamPeopleTest, OnlyAnAdminNamesALoginRoleAndEveryChangeIsRecorded) {
    const struct Step {
        const char* role;
        const char* sql;     // plain SQL as the role, or else:
        const char* name;    // `team people anna NAME` as the role
        int exit_code;       // what either ended with
        const char* people;  // the list after the step, as `team people` prints it
    } steps[] = {
        {"anna", nullptr, "安娜", 6, ""},
        {"anna", "INSERT INTO eqbond.people VALUES ('anna', 'A')", nullptr, 1, ""},
        {"anna", "SELECT eqbond.keep_person('anna', 'A')", nullptr, 1, ""},
        {"boss", nullptr, "安娜", 0, "anna\t安娜\n"},
        // An admin writes through the program's function only: no table lock for anyone.
        {"boss", "UPDATE eqbond.people SET name = 'X'", nullptr, 1, "anna\t安娜\n"},
        {"boss", "LOCK TABLE eqbond.people IN ACCESS EXCLUSIVE MODE", nullptr, 1, "anna\t安娜\n"},
        {"boss", "SELECT eqbond.keep_person('ben', E'Ben\\nB.')", nullptr, 1, "anna\t安娜\n"},
        {"boss", "SELECT eqbond.keep_person('nobody', 'N')", nullptr, 1, "anna\t安娜\n"},
        {"boss", "SELECT eqbond.keep_person('eqbond_admin', 'N')", nullptr, 1, "anna\t安娜\n"},
        {"boss", nullptr, "Anna \x1b[2J", 1, "anna\t安娜\n"},
        {"boss", nullptr, "安娜 A.", 0, "anna\t安娜 A.\n"},
        {"boss", nullptr, "", 0, ""},
    };
    for (const Step& s : steps) {
        const QString what = QString::fromUtf8(s.sql ? s.sql : s.name);
        if (s.sql) {
            EXPECT_EQ(sql_as(s.role, what).exit_code == 0, s.exit_code == 0)
                << s.role << " " << what.toStdString();
        } else {
            const CliResult r = run_cli(
                {"team", "people", "anna", QString::fromUtf8(s.name), "--server", uri(s.role)});
            EXPECT_EQ(r.exit_code, s.exit_code)
                << s.role << " " << what.toStdString() << r.err.toStdString();
        }
        const CliResult listed = run_cli({"team", "people", "--server", uri("ben")});
        EXPECT_EQ(listed.exit_code, 0) << listed.err.toStdString();
        EXPECT_EQ(listed.out, QString::fromUtf8(s.people)) << s.role << " " << what.toStdString();
    }
    EXPECT_EQ(
        server()
            .superuser_sql(database,
                           "SELECT string_agg(role || ' ' || action || ' ' || field || ' ' "
                           "|| coalesce(new, '-'), '|' ORDER BY id) FROM eqbond.history "
                           "WHERE action LIKE '% person'")
            .out,
        QStringLiteral(
            "boss add person anna 安娜|boss change person anna 安娜 A.|boss delete person anna -"));
}

}  // namespace
}  // namespace eqbond
