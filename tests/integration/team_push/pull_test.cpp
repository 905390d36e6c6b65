// A pull brings what the office changed into this computer's archive, field by field: a field
// changed only there is taken, one changed on both sides is named and overwrites nothing, and a
// download deleted there is named once and kept here, marked so.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <functional>

#include "archive/qt_sqlite_file.h"
#include "inspection/qt_sqlite_inspections.h"
#include "integration/archive/archive_files.h"
#include "integration/support/cli_run.h"
#include "integration/team/team_fixture.h"
#include "support/qstring_printer.h"
#include "team/qt_sqlite_push_queue.h"

namespace eqbond {
namespace {

// A laptop with one download pushed by anna, in its own file.
struct Laptop {
    QtSqliteFile file;
    QtSqliteInspections archive{file};
    QString path;
    int64_t id = 0;
    QString uuid;
};

struct Pull : test::TeamArchiveTest {
    QTemporaryDir folder;

    test::CliResult cli(const char* action, const Laptop& laptop) {
        return test::run_cli({"team", action, "--server", uri("anna"), "--archive", laptop.path});
    }
    void set_up(Laptop& laptop, const QString& name) {
        laptop.path = folder.filePath(name + QStringLiteral(".sqlite"));
        ASSERT_TRUE(laptop.file.open(laptop.path));
        const auto [download, groups] = test::made_download(5, 1);
        laptop.id = *laptop.archive.save_download(download, groups);
        const Site site = *laptop.archive.site_named(QStringLiteral("Depot"));
        ASSERT_TRUE(
            laptop.archive.set_details(laptop.id, {site.id, "Hall", "Anna", "SN-1", "dry"}));
        ASSERT_TRUE(laptop.archive.set_label(laptop.id, 2, QStringLiteral("PE")));
        laptop.uuid = QtSqlitePushQueue(laptop.file).waiting()->front().uuid;
        ASSERT_EQ(cli("push", laptop).exit_code, 0);
    }
};

struct PullCase {
    const char* name;
    std::function<bool(QtTeamStore&, const QString&)> office;
    const char* point_here;  // group 2's test point given here first; null: none
    int exit_code;
    const char* out;
    const char* err;  // the line naming the download, %1 its UUID; empty: none
    const char* location_after;
    const char* point_after;
    bool marked_deleted;  // kept here, marked deleted on the server, named once only
};

TEST_F(Pull, TakesWhatChangedOnlyThereNamesConflictsAndDeletions) {
    const auto relocate_and_label = [](QtTeamStore& office, const QString& uuid) {
        TeamDetailsChange change;
        change.location = QStringLiteral("Hall 2");
        return office.describe(uuid, change) && office.label(uuid, 2, QStringLiteral("PE bar"));
    };
    const PullCase cases[] = {
        {"taken", relocate_and_label, nullptr, 0, "pulled: 1\n", "", "Hall 2", "PE bar", false},
        {"conflict", relocate_and_label, "Pipe", 7, "pulled: 1\n",
         "conflict: %1 group 2 test point: server \"PE bar\" here \"Pipe\"", "Hall 2", "Pipe",
         false},
        {"deleted", [](QtTeamStore& office, const QString& uuid) { return office.remove(uuid); },
         nullptr, 7, "pulled: 0\n", "eqbond-cli: refused: %1: deleted on the server", "Hall", "PE",
         true},
    };
    QtTeamStore office;
    ASSERT_TRUE(office.connect(as("boss")));
    for (const PullCase& c : cases) {
        SCOPED_TRACE(c.name);
        Laptop laptop;
        set_up(laptop, QString::fromUtf8(c.name));
        if (HasFatalFailure()) return;
        if (c.point_here) {
            ASSERT_TRUE(laptop.archive.set_label(laptop.id, 2, QString::fromUtf8(c.point_here)));
        }
        ASSERT_TRUE(c.office(office, laptop.uuid));
        const test::CliResult r = cli("pull", laptop);
        EXPECT_EQ(r.exit_code, c.exit_code) << r.err.toStdString();
        EXPECT_EQ(r.out, QString::fromUtf8(c.out));
        const QStringList named = r.err.split(QLatin1Char('\n')).filter(laptop.uuid);
        EXPECT_EQ(named.join(QLatin1Char('\n')),
                  c.err[0] ? QString::fromUtf8(c.err).arg(laptop.uuid) : QString());
        const std::optional<Inspection> here = laptop.archive.load(laptop.id);
        ASSERT_TRUE(here);
        EXPECT_EQ(here->details.location, QString::fromUtf8(c.location_after));
        EXPECT_EQ(here->labels.at(2), QString::fromUtf8(c.point_after));
        EXPECT_EQ(laptop.archive.list(std::nullopt).front().deleted_on_server, c.marked_deleted);
        // A pull takes nothing twice; what stays in conflict stays named.
        const test::CliResult again = cli("pull", laptop);
        EXPECT_EQ(again.out, QStringLiteral("pulled: 0\n"));
        EXPECT_EQ(again.err.contains(laptop.uuid), c.exit_code == 7 && !c.marked_deleted);
    }
}

}  // namespace
}  // namespace eqbond
