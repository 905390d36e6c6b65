// What is kept together in a real archive file: a recorded download and its details, test
// points and the plan they came from, a site and the details that name it. A change the file
// refuses halfway (a trigger another program put there) leaves all of it as it was.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "archive/qt_sqlite_file.h"
#include "base/program.h"
#include "inspection/archive_window.h"
#include "inspection/download_recorder.h"
#include "inspection/inspection_settings.h"
#include "inspection/qt_sqlite_inspections.h"
#include "integration/archive/archive_files.h"
#include "support/qstring_printer.h"

namespace eqbond {
namespace {

struct KeptTogether : ::testing::Test {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("a.sqlite"));
    QtSqliteFile file;
    QtSqliteInspections archive{file};
    ArchiveWindowPorts ports{archive, archive};
    ArchiveWindowState window;
    int64_t id = 0;
    Site yard;

    void SetUp() override {
        ASSERT_TRUE(file.open(path));
        const auto [download, groups] = test::made_download(5);
        id = *archive.save_download(download, groups);
        yard = *archive.site_named(QStringLiteral("Yard"));
        ASSERT_TRUE(archive.set_details(id, {yard.id, QStringLiteral("Hall"), {}, {}, {}}));
        ASSERT_TRUE(archive.set_labels(id, {{1, QStringLiteral("old")}}));
        ASSERT_TRUE(archive.save_plan(yard.id, QStringLiteral("Hall"), {"P1", "P2"}));
        refresh_archive_window(window, ports);
        choose_download(window, ports, id);
    }
    // What another program reads in the file.
    QVariant read(const QString& sql) { return test::OtherConnection(path).run(sql); }
};

TEST_F(KeptTogether, ARecordedDownloadIsNeverSeenWithoutItsDetails) {
    save_inspection_defaults({QStringLiteral("王工"), QStringLiteral("SN-7")});
    std::vector<QVariant> seen;  // the newest download's inspector, each time the file changed
    QObject::connect(&file, &QtSqliteFile::changed, [&] {
        seen.push_back(read(QStringLiteral("SELECT inspector FROM downloads ORDER BY id DESC")));
    });
    DownloadRecorder recorder(archive);
    Program program;
    program.state.link.instrument_group_count = 2;
    recorder.read_began(program);
    for (int n = 1; n <= 2; ++n) recorder.group_stored(program, Group{n, 90, 0, 25, 1, 1, 8, n});
    program.state.link.next_group = 3;
    recorder.read_completed(program);
    save_inspection_defaults({});
    ASSERT_FALSE(seen.empty());
    for (const QVariant& inspector : seen) EXPECT_EQ(inspector.toString(), QStringLiteral("王工"));
}

TEST_F(KeptTogether, APlanThatCannotBeKeptLeavesTheTestPointsAsTheyWere) {
    read(
        QStringLiteral("CREATE TRIGGER no_plans BEFORE INSERT ON test_plans"
                       " BEGIN SELECT RAISE(ABORT, 'no plans here'); END"));
    apply_kept_plan(window, ports);
    EXPECT_EQ(window.plan_message.note, PlanNote::NotStored);
    EXPECT_EQ(
        read(QStringLiteral("SELECT label FROM download_groups WHERE group_no = 1")).toString(),
        QStringLiteral("old"));
}

TEST_F(KeptTogether, DetailsThatCannotBeSavedLeaveTheSitesAsTheyWere) {
    // The file takes no notes "refused": the details are not saved.
    read(
        QStringLiteral("CREATE TRIGGER no_notes BEFORE UPDATE OF notes ON downloads"
                       " WHEN NEW.notes = 'refused' BEGIN SELECT RAISE(IGNORE); END"));
    const struct Case {
        const char* name;
        int64_t site_id;  // 0: a new site
        const char* site_name;
    } cases[] = {{"a new site", 0, "New yard"}, {"the site's address changed", yard.id, "Yard"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DetailsForm typed = window.details;
        typed.site_id = c.site_id;
        typed.site_name = QString::fromUtf8(c.site_name);
        typed.site_address = QStringLiteral("2 Other Road");
        typed.notes = QStringLiteral("refused");
        EXPECT_FALSE(save_details(window, ports, typed));
        EXPECT_EQ(window.details_message.note, DetailsNote::Failed);
        EXPECT_EQ(read(QStringLiteral("SELECT COUNT(*) FROM sites")).toInt(), 1);
        EXPECT_EQ(read(QStringLiteral("SELECT address FROM sites")).toString(), QString());
    }
}

}  // namespace
}  // namespace eqbond
