// No edit silently lost: a download changed in the office and on the laptop is merged field by
// field when the laptop pushes, a field changed on both sides is a conflict that overwrites
// nothing (exit code 7), and a download deleted in the office does not come back: the laptop
// keeps it, marked, and offers it no more.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "archive/qt_sqlite_file.h"
#include "inspection/qt_sqlite_inspections.h"
#include "integration/archive/archive_files.h"
#include "integration/support/cli_run.h"
#include "integration/team/team_fixture.h"
#include "support/qstring_printer.h"
#include "team/qt_sqlite_push_queue.h"

namespace eqbond {
namespace {

struct LostUpdate : test::TeamArchiveTest {
    QTemporaryDir folder;
    QtSqliteFile archive_file;
    QtSqliteInspections archive{archive_file};
    QtSqlitePushQueue queue{archive_file};
    QtTeamStore office;
    int64_t id = 0;
    QString uuid;

    void SetUp() override {
        test::TeamArchiveTest::SetUp();
        ASSERT_TRUE(archive_file.open(file()));
        const auto [download, groups] = test::made_download(5, 1);
        id = *archive.save_download(download, groups);
        const Site site = *archive.site_named(QStringLiteral("Depot"));
        ASSERT_TRUE(archive.set_details(id, {site.id, "Hall", "Anna", "SN-1", "dry"}));
        ASSERT_TRUE(archive.set_label(id, 2, QStringLiteral("PE")));
        uuid = queue.waiting()->front().uuid;
        ASSERT_EQ(push().exit_code, 0);
        ASSERT_TRUE(office.connect(as("boss")));
    }
    QString file() const { return folder.filePath(QStringLiteral("laptop.sqlite")); }
    test::CliResult push() {
        return test::run_cli({"team", "push", "--server", uri("anna"), "--archive", file()});
    }
    void edit_here(const QString& notes) {
        InspectionDetails details = archive.load(id)->details;
        details.notes = notes;
        ASSERT_TRUE(archive.set_details(id, details));
    }
};

TEST_F(LostUpdate, BothSidesKeptConflictsNamedAndADeletionNotUndone) {
    // The office corrects the location, the laptop the notes: both kept, both places.
    TeamDetailsChange location;
    location.location = QStringLiteral("Hall 2");
    ASSERT_TRUE(office.describe(uuid, location));
    edit_here(QStringLiteral("wet"));
    test::CliResult r = push();
    EXPECT_EQ(r.exit_code, 0) << r.err.toStdString();
    std::optional<StoredTeamDownload> there = office.load(uuid);
    ASSERT_TRUE(there);
    EXPECT_EQ(there->download.location, QStringLiteral("Hall 2"));
    EXPECT_EQ(there->download.notes, QStringLiteral("wet"));
    EXPECT_EQ(archive.load(id)->details.location, QStringLiteral("Hall 2"));
    EXPECT_TRUE(queue.waiting()->empty());

    // Both change the same test point: the server keeps its own, the laptop its own.
    ASSERT_TRUE(office.label(uuid, 2, QStringLiteral("PE bar")));
    ASSERT_TRUE(archive.set_label(id, 2, QStringLiteral("Pipe")));
    edit_here(QStringLiteral("wet, windy"));
    r = push();
    EXPECT_EQ(r.exit_code, 7) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(
        QStringLiteral("conflict: %1 group 2 test point: server \"PE bar\" here \"Pipe\"\n")
            .arg(uuid)))
        << r.err.toStdString();
    there = office.load(uuid);
    EXPECT_EQ(there->download.labels.at(1), QStringLiteral("PE bar"));
    EXPECT_EQ(there->download.notes, QStringLiteral("wet, windy"));  // the rest went
    EXPECT_EQ(archive.load(id)->labels.at(2), QStringLiteral("Pipe"));
    EXPECT_EQ(queue.waiting()->size(), 1u);

    // Deleted in the office: the laptop's next push does not bring it back.
    ASSERT_TRUE(office.remove(uuid));
    r = push();
    EXPECT_EQ(r.exit_code, 7) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(uuid + QStringLiteral(": deleted on the server")))
        << r.err.toStdString();
    EXPECT_FALSE(office.load(uuid));
    EXPECT_TRUE(archive.load(id));
    // Kept here and marked so: the next push neither offers it nor names it again.
    const std::vector<ListedInspection> listed = archive.list(std::nullopt);
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_TRUE(listed.front().deleted_on_server);
    EXPECT_TRUE(queue.waiting()->empty());
    r = push();
    EXPECT_EQ(r.exit_code, 0) << r.err.toStdString();
    EXPECT_FALSE(r.err.contains(uuid)) << r.err.toStdString();

    // The history says who did what.
    r = test::run_cli({"team", "history", uuid, "--server", uri("ben")});
    QStringList who;
    for (const QString& line : r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        who << line.section(QLatin1Char('\t'), 1, 3);
    EXPECT_EQ(who, (QStringList{"anna\tpush\t", "boss\tchange\tlocation", "anna\tchange\tnotes",
                                "boss\tchange\tgroup 2 test point", "anna\tchange\tnotes",
                                "boss\tdelete\t"}));
}

}  // namespace
}  // namespace eqbond
