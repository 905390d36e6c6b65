// The local archive's side of pushing: what waits, what a push carries, and that a change made
// during a push keeps the download waiting.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <functional>

#include "archive/qt_sqlite_file.h"
#include "inspection/qt_sqlite_inspections.h"
#include "integration/archive/archive_files.h"
#include "team/qt_sqlite_push_queue.h"

namespace eqbond {
namespace {

struct LocalArchive : ::testing::Test {
    QTemporaryDir folder;
    QtSqliteFile archive_file;
    QtSqliteInspections archive{archive_file};
    QtSqlitePushQueue queue{archive_file};
    int64_t id = 0;

    void SetUp() override {
        ASSERT_TRUE(archive_file.open(folder.filePath(QStringLiteral("a.sqlite"))));
        const auto [download, groups] = test::made_download(4);
        id = *archive.save_download(download, groups);
    }
    void mark_all_pushed() {
        const std::vector<WaitingDownload> waiting = *queue.waiting();
        for (const WaitingDownload& w : waiting)
            ASSERT_EQ(queue.mark_pushed(w, QDateTime::currentDateTimeUtc()), Marking::Marked);
    }
};

TEST_F(LocalArchive, ANewDownloadWaitsUntilMarkedPushed) {
    const auto waiting = queue.waiting();
    ASSERT_EQ(waiting->size(), 1u);
    EXPECT_EQ(waiting->front().uuid, archive.load(id)->uuid);
    EXPECT_FALSE(queue.last_push());
    const QDateTime when = QDateTime::fromMSecsSinceEpoch(1'765'000'000'000LL);
    EXPECT_EQ(queue.mark_pushed(waiting->front(), when), Marking::Marked);
    EXPECT_TRUE(queue.waiting()->empty());
    EXPECT_EQ(*queue.last_push(), when);
}

TEST_F(LocalArchive, EveryEditMakesItWaitAgain) {
    const Site site = *archive.site_named(QStringLiteral("Depot"));
    const std::vector<std::pair<const char*, std::function<bool()>>> edits{
        {"details",
         [&] {
             return archive.set_details(id, {site.id, "Hall", "Anna", "SN", ""});
         }},
        {"one label", [&] { return archive.set_label(id, 2, QStringLiteral("TP-2")); }},
        {"labels",
         [&] {
             return archive.set_labels(id, {{1, "TP-1"}, {3, "TP-3"}});
         }},
        {"site",
         [&] {
             return archive.update_site({site.id, site.name, "1 Road", "Transit"});
         }},
    };
    for (const auto& [name, edit] : edits) {
        mark_all_pushed();
        ASSERT_TRUE(edit()) << name;
        EXPECT_EQ(queue.waiting()->size(), 1u) << name;
    }
}

TEST_F(LocalArchive, AChangeDuringThePushKeepsItWaiting) {
    const WaitingDownload read_for_push = queue.waiting()->front();
    ASSERT_TRUE(archive.set_label(id, 1, QStringLiteral("TP-1")));
    EXPECT_EQ(queue.mark_pushed(read_for_push, QDateTime::currentDateTimeUtc()),
              Marking::ChangedMeanwhile);
    ASSERT_EQ(queue.waiting()->size(), 1u);
    EXPECT_EQ(queue.mark_pushed(queue.waiting()->front(), QDateTime::currentDateTimeUtc()),
              Marking::Marked);
}

TEST_F(LocalArchive, TheTeamDownloadCarriesDetailsSiteAndLabelsInGroupOrder) {
    Site site = *archive.site_named(QStringLiteral("北站 Depot"));
    site.address = QStringLiteral("1 Rail Road");
    site.customer = QStringLiteral("City Transit");
    ASSERT_TRUE(archive.update_site(site));
    ASSERT_TRUE(archive.set_details(id, {site.id, "Platform 2", "Anna", "SN-1", "dry"}));
    ASSERT_TRUE(archive.set_labels(id, {{3, "TP-3"}, {1, "TP-1"}}));
    const TeamDownload d = *queue.team_download(id);
    EXPECT_EQ(d.uuid, archive.load(id)->uuid);
    EXPECT_EQ(d.site.name, site.name);
    EXPECT_EQ(d.site.address, site.address);
    EXPECT_EQ(d.site.customer, site.customer);
    EXPECT_EQ(d.location, QStringLiteral("Platform 2"));
    EXPECT_EQ(d.inspector, QStringLiteral("Anna"));
    EXPECT_EQ(d.instrument_serial, QStringLiteral("SN-1"));
    EXPECT_EQ(d.notes, QStringLiteral("dry"));
    ASSERT_EQ(d.groups.size(), 4u);
    const std::vector<std::optional<QString>> labels{QStringLiteral("TP-1"), std::nullopt,
                                                     QStringLiteral("TP-3"), std::nullopt};
    EXPECT_EQ(d.labels, labels);
}

}  // namespace
}  // namespace eqbond
