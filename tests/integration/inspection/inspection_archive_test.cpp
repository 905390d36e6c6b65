// Inspections in a real archive file: the previous value of each test point, and sites that stay
// while they have inspections.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "archive/qt_sqlite_file.h"
#include "inspection/qt_sqlite_inspections.h"
#include "integration/archive/archive_files.h"
#include "support/qstring_printer.h"

namespace eqbond {
namespace {

struct InspectionFile : ::testing::Test {
    QTemporaryDir dir;
    QtSqliteFile archive_file;
    QtSqliteInspections archive{archive_file};
    void SetUp() override {
        ASSERT_TRUE(archive_file.open(dir.filePath(QStringLiteral("a.sqlite"))));
    }
    // A download read at minute `seed` of the site's location with these labels.
    int64_t inspection(int seed, const QString& site, const QString& location,
                       const PointLabels& labels) {
        const auto [download, groups] = test::made_download(5, seed);
        const int64_t id = archive.save_download(download, groups).value_or(0);
        EXPECT_TRUE(archive.set_details(
            id, {archive.site_named(site)->id, location, QStringLiteral("Li"), {}, {}}));
        EXPECT_TRUE(archive.set_labels(id, labels));
        return id;
    }
};

TEST_F(InspectionFile, ThePreviousValueIsTheSamePointInTheLatestEarlierInspection) {
    const QString a = QStringLiteral("北区医院"), b = QStringLiteral("Plant 2");
    const QString room = QStringLiteral("3F 手术室"), icu = QStringLiteral("ICU");
    const int64_t first = inspection(1, a, room, {{1, "P1"}, {2, "P2"}, {3, "P2"}});
    inspection(2, b, room, {{1, "P1"}, {2, "P3"}});              // another site
    inspection(3, a, icu, {{1, "P1"}, {2, "P3"}});               // another location
    const int64_t fourth = inspection(4, a, room, {{5, "P3"}});  // P1 and P2 missing
    const int64_t now = inspection(6, a, room, {{1, "P1"}, {2, "P2"}, {3, "P3"}, {4, "P4"}});
    inspection(7, a, room, {{1, "P1"}, {2, "P3"}});  // later: never the previous one

    const PreviousValues previous = archive.previous_values(now);
    struct Expected {
        const char* label;
        int64_t download;
        int32_t group;
    } expected[] = {{"P1", first, 1}, {"P2", first, 3}, {"P3", fourth, 5}};
    ASSERT_EQ(previous.size(), std::size(expected));  // P4 was never measured before
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.label);
        const auto found = previous.find(QString::fromUtf8(e.label));
        ASSERT_NE(found, previous.end());
        EXPECT_EQ(found->second.download_id, e.download);
        EXPECT_EQ(found->second.group, archive.load(e.download)->groups[size_t(e.group - 1)]);
    }
    EXPECT_TRUE(archive.previous_values(first).empty());

    const std::vector<PointValue> history =
        archive.point_history(archive.site_named(a)->id, room, QStringLiteral("P3"));
    ASSERT_EQ(history.size(), 3u);  // oldest first
    EXPECT_EQ(history[0].download_id, fourth);
    EXPECT_EQ(history[1].download_id, now);
    EXPECT_LT(history[1].started, history[2].started);
}

TEST_F(InspectionFile, ASiteStaysWhileItHasInspections) {
    const int64_t old = inspection(1, QStringLiteral("Yard"), QStringLiteral("Dock"), {});
    const int64_t recent = inspection(5, QStringLiteral("Yard"), QStringLiteral("Hall"), {});
    const Site yard = *archive.site_named(QStringLiteral("Yard"));
    EXPECT_TRUE(archive.save_plan(yard.id, QStringLiteral("Hall"), {"PE bar", "Pipe"}));
    EXPECT_EQ(archive.plan(yard.id, QStringLiteral("Hall")), QStringList({"PE bar", "Pipe"}));
    EXPECT_EQ(archive.locations(yard.id), QStringList({"Hall", "Dock"}));
    const std::vector<ListedInspection> listed = archive.list_site(yard.id, std::nullopt);
    ASSERT_EQ(listed.size(), 2u);
    EXPECT_EQ(listed[0].id, recent);
    EXPECT_EQ(listed[0].site_name, QStringLiteral("Yard"));
    EXPECT_EQ(listed[0].location, QStringLiteral("Hall"));

    EXPECT_EQ(archive.delete_site(yard.id), SiteDeletion::InUse);
    EXPECT_FALSE(archive.set_details(old, {yard.id + 1, {}, {}, {}, {}}));  // no such site
    EXPECT_TRUE(archive.set_label(old, 2, QStringLiteral("PE")));
    EXPECT_TRUE(archive.set_label(old, 2, QStringLiteral(" ")));  // cleared
    EXPECT_TRUE(archive.load(old)->labels.empty());
    EXPECT_EQ(archive.load(old)->details.site_id, yard.id);
    EXPECT_TRUE(archive.delete_download(old));
    EXPECT_EQ(archive.sites().size(), 1u);  // deleting a download keeps its site
    EXPECT_EQ(archive.delete_site(yard.id), SiteDeletion::InUse);
    EXPECT_TRUE(archive.delete_download(recent));
    EXPECT_EQ(archive.delete_site(yard.id), SiteDeletion::Deleted);
    EXPECT_EQ(archive.delete_site(yard.id), SiteDeletion::Unknown);
    EXPECT_TRUE(archive.sites().empty());
    EXPECT_FALSE(archive.fault());
}

}  // namespace
}  // namespace eqbond
