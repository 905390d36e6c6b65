// The background pusher against the real server: downloads land whole and once; without a server
// they wait and the pauses between attempts grow; a wrong password is reported once; a moment when
// another program holds the local file passes.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QUuid>

#include "archive/qt_sqlite_file.h"
#include "inspection/qt_sqlite_inspections.h"
#include "integration/archive/archive_files.h"
#include "integration/support/wait.h"
#include "integration/team/team_fixture.h"
#include "issued/issued_content.h"
#include "issued/qt_sqlite_issued.h"
#include "team/qt_sqlite_issued_queue.h"
#include "team/qt_sqlite_push_queue.h"
#include "team/qt_team_pusher.h"

namespace eqbond {
namespace {

using std::chrono::milliseconds;

TEST(TeamRetryPause, GrowsFromTheBaseToSixtyTimesIt) {
    const std::vector<std::pair<int, int>> failures_and_seconds{
        {0, 0}, {1, 5}, {2, 10}, {3, 20}, {4, 40}, {5, 80}, {6, 160}, {7, 300}, {40, 300}};
    for (const auto& [failures, seconds] : failures_and_seconds)
        EXPECT_EQ(team_retry_pause(failures, milliseconds(5000)), milliseconds(seconds * 1000))
            << failures;
}

TEST(TeamConnectTimeout, IsAddedOnlyWhenTheAddressGivesNone) {
    const std::vector<std::pair<QString, QString>> given_and_used{
        {QStringLiteral("host=lab-db"), QStringLiteral("10")},
        {QStringLiteral("host=lab-db connect_timeout=3"), QStringLiteral("3")}};
    for (const auto& [given, used] : given_and_used) {
        QString why;
        const TeamServerAddress address =
            with_connect_timeout(*read_team_server_address(given, &why));
        ASSERT_EQ(address.options.size(), 1u);
        EXPECT_EQ(address.options.front().second, used);
    }
}

struct Pusher : test::TeamArchiveTest {
    QTemporaryDir folder;
    QtSqliteFile archive_file;
    QtSqliteInspections archive{archive_file};
    QtSqlitePushQueue queue{archive_file};
    std::vector<TeamPushStatus> statuses;
    std::vector<TeamFault> faults;

    QString file() const { return folder.filePath(QStringLiteral("local.sqlite")); }
    void SetUp() override {
        test::TeamArchiveTest::SetUp();
        ASSERT_TRUE(archive_file.open(file()));
    }
    // `count` downloads of 30 groups, each labelled and at one site.
    void archive_downloads(int count) {
        const Site site = *archive.site_named(QStringLiteral("Depot"));
        for (int n = 1; n <= count; ++n) {
            const auto [download, groups] = test::made_download(30, n);
            const int64_t id = *archive.save_download(download, groups);
            ASSERT_TRUE(archive.set_details(id, {site.id, "Hall", "Anna", "SN-1", ""}));
            ASSERT_TRUE(archive.set_labels(id, {{1, "TP-1"}, {30, "TP-30"}}));
        }
    }
    std::unique_ptr<QtTeamPusher> pusher(const TeamServerAddress& address, milliseconds base) {
        auto p = std::make_unique<QtTeamPusher>(file(), address, base);
        QObject::connect(p.get(), &QtTeamPusher::status_changed,
                         [this](const TeamPushStatus& s) { statuses.push_back(s); });
        QObject::connect(p.get(), &QtTeamPusher::fault_reported,
                         [this](const TeamFault& f) { faults.push_back(f); });
        p->start();
        return p;
    }
    bool attempts_seen(int count) {
        return test::wait_until(
            [&] { return !statuses.empty() && statuses.back().attempts >= count; }, 30000);
    }
};

TEST_F(Pusher, EveryDownloadLandsOnceWithAllItsGroups) {
    archive_downloads(3);
    const auto waiting = *queue.waiting();
    const auto p = pusher(as("anna"), QtTeamPusher::kRetryBase);
    ASSERT_TRUE(test::wait_until([&] { return !statuses.empty(); }, 30000));
    EXPECT_EQ(statuses.back().waiting, 0);
    EXPECT_FALSE(statuses.back().fault);
    EXPECT_TRUE(statuses.back().last_push);
    // A change goes again by itself.
    ASSERT_TRUE(archive.set_label(waiting.front().id, 2, QStringLiteral("TP-2")));
    p->push_soon();
    ASSERT_TRUE(attempts_seen(2));
    EXPECT_EQ(statuses.back().waiting, 0);
    EXPECT_TRUE(queue.waiting()->empty());

    QtTeamStore store;
    ASSERT_TRUE(store.connect(as("ben")));
    EXPECT_EQ(store.list({})->size(), waiting.size());
    for (const WaitingDownload& w : waiting) {
        const std::optional<StoredTeamDownload> stored = store.load(w.uuid);
        ASSERT_TRUE(stored) << w.uuid.toStdString();
        EXPECT_EQ(stored->download.groups.size(), 30u);
        EXPECT_EQ(stored->download.site.name, QStringLiteral("Depot"));
        EXPECT_EQ(stored->download.labels.front(), QStringLiteral("TP-1"));
        EXPECT_EQ(stored->download.labels.back(), QStringLiteral("TP-30"));
        EXPECT_EQ(stored->owner, QStringLiteral("anna"));
    }
    EXPECT_EQ(store.load(waiting.front().uuid)->download.labels[1], QStringLiteral("TP-2"));
}

// Another laptop of the same prefix pushed its report of the number first: the pusher sends the
// others, reports the clash once by number and keeps it waiting.
TEST_F(Pusher, IssuedReportsGoAndAClashKeepsWaiting) {
    QtSqliteIssued issued(archive_file);
    IssuedReport draft;
    draft.download_uuid = QUuid::createUuid().toString(QUuid::WithoutBraces);
    draft.issued = QStringLiteral("2026-03-04T10:11:12+01:00");
    draft.content = QByteArrayLiteral("{}");
    std::vector<IssuedReport> reports;
    for (int n = 0; n < 2; ++n)
        reports.push_back(*issued.issue(draft, QStringLiteral("EQ"), 2026, [](const auto& r) {
            return std::optional(numbered_revision_text(r.id).toUtf8());
        }));
    IssuedReport others = reports.front();
    others.pdf = "another laptop's";
    others.sha256 = sha256_hex(others.pdf);
    QtTeamStore ben;
    ASSERT_TRUE(ben.connect(as("ben")));
    ASSERT_EQ(ben.push_issued(others), IssuedArrival::Added);

    const auto p = pusher(as("anna"), QtTeamPusher::kRetryBase);
    // The fault and the status after it come as two queued signals.
    ASSERT_TRUE(test::wait_until(
        [&] { return !faults.empty() && !statuses.empty() && statuses.back().fault; }, 30000));
    EXPECT_EQ(faults.front().kind, TeamFaultKind::RefusedByRules);
    EXPECT_TRUE(faults.front().detail.startsWith(numbered_revision_text(reports.front().id)))
        << faults.front().detail.toStdString();
    EXPECT_EQ(ben.holds_issued(reports.back().id), true);
    const std::optional<std::vector<NumberedRevision>> waiting =
        QtSqliteIssuedQueue(archive_file).waiting_issued();
    ASSERT_TRUE(waiting);
    EXPECT_EQ(*waiting, std::vector<NumberedRevision>{reports.front().id});
    EXPECT_EQ(statuses.back().waiting, 1);  // never "all pushed" while a report waits
}

TEST_F(Pusher, AnOfficeEditReachesThisComputerAfterTheNextRound) {
    archive_downloads(1);
    const WaitingDownload one = queue.waiting()->front();
    const auto p = pusher(as("anna"), QtTeamPusher::kRetryBase);
    ASSERT_TRUE(attempts_seen(1));
    QtTeamStore office;
    ASSERT_TRUE(office.connect(as("boss")));
    TeamDetailsChange change;
    change.location = QStringLiteral("Hall 2");
    ASSERT_TRUE(office.describe(one.uuid, change));
    p->push_now();
    ASSERT_TRUE(attempts_seen(2));
    EXPECT_EQ(statuses.back().pulled, 1);
    EXPECT_EQ(archive.load(one.id)->details.location, QStringLiteral("Hall 2"));
    EXPECT_TRUE(queue.waiting()->empty());  // taken from there, nothing to push back
}

TEST_F(Pusher, AMomentWhenAnotherProgramHoldsTheFilePassesAndThePushEndsByItself) {
    archive_downloads(1);
    QtTeamStore store;
    ASSERT_TRUE(store.connect(as("ben")));
    {
        // Held from before the push until the pusher gave up marking it, and longer.
        test::OtherConnection other(file());
        ASSERT_EQ(other.run(QStringLiteral("BEGIN IMMEDIATE")), QVariant());
        const auto p = pusher(as("anna"), milliseconds(10));
        ASSERT_TRUE(test::wait_until([&] { return store.list({})->size() == 1u; }, 30000));
        // Its marking tries three times, a second each.
        test::wait_until([] { return false; }, 4000);
        EXPECT_EQ(queue.waiting()->size(), 1u);
        other.run(QStringLiteral("ROLLBACK"));
        EXPECT_TRUE(test::wait_until([&] { return queue.waiting()->empty(); }, 30000));
    }
}

TEST_F(Pusher, WithoutAServerDownloadsWaitAndThePausesGrow) {
    archive_downloads(2);
    TeamServerAddress nobody = as("anna");
    nobody.port = test::free_port();
    const auto p = pusher(nobody, milliseconds(10));
    ASSERT_TRUE(attempts_seen(5));
    const std::vector<milliseconds> expected{milliseconds(10), milliseconds(20), milliseconds(40),
                                             milliseconds(80), milliseconds(160)};
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(statuses[i].retry_in, expected[i]) << i;
        EXPECT_EQ(statuses[i].waiting, 2);
        ASSERT_TRUE(statuses[i].fault);
        EXPECT_EQ(statuses[i].fault->kind, TeamFaultKind::Unreachable);
    }
    EXPECT_EQ(faults.size(), 1u);
    EXPECT_EQ(queue.waiting()->size(), 2u);
}

TEST_F(Pusher, AWrongPasswordIsReportedOnceAndNotTriedAgainUntilAsked) {
    archive_downloads(1);
    const auto p = pusher(test::server().login("anna", "wrong", database), milliseconds(10));
    ASSERT_TRUE(attempts_seen(1));
    ASSERT_EQ(faults.size(), 1u);
    EXPECT_EQ(faults.front().kind, TeamFaultKind::AuthenticationFailed);
    EXPECT_EQ(statuses.back().retry_in, milliseconds(0));
    // Pauses of 10, 20, 40 and 80 ms would have come and gone; a new download does not ask.
    p->push_soon();
    test::wait_until([] { return false; }, 300);
    EXPECT_EQ(statuses.back().attempts, 1);
    // Asked by the user, it tries at once and still says nothing new.
    p->push_now();
    ASSERT_TRUE(attempts_seen(2));
    EXPECT_EQ(faults.size(), 1u);
    EXPECT_EQ(queue.waiting()->size(), 1u);
}

}  // namespace
}  // namespace eqbond
