// The team view's copy of a large team archive: a download listed by its summary holds no groups,
// lists the server's lowest and highest values, cannot change nor wait to be pushed, and becomes
// whole once copied whole; a summary never replaces a download held whole.
#include <gtest/gtest.h>

#include <QSqlQuery>
#include <QTemporaryDir>
#include <set>
#include <tuple>

#include "inspection/qt_sqlite_inspections.h"
#include "integration/team/team_fixture.h"
#include "support/qstring_printer.h"
#include "team/qt_sqlite_team_copy.h"
#include "team/qt_team_copy_browsing.h"
#include "team/team_copy_editing.h"

namespace eqbond {
namespace {

StoredTeamDownload stored(const TeamDownload& d, int hour) {
    StoredTeamDownload s;
    s.download = d;
    s.download.download.started = QDateTime(QDate(2026, 3, 2), QTime(hour, 0));
    s.download.download.finished = s.download.download.started.addSecs(40);
    s.owner = QStringLiteral("anna");
    s.pushed = QDateTime(QDate(2026, 3, 3), QTime(hour, 0));
    s.revision = 1;
    return s;
}

TeamCopySummary summary(StoredTeamDownload s) {
    const int32_t groups = int32_t(s.download.groups.size());
    s.download.groups.clear();
    s.download.labels.clear();
    return {s, groups, 1234, 5678};
}

// A copy in a file of its own, with the views of it the team view uses.
struct OpenCopy {
    QTemporaryDir folder;
    QtSqliteFile file;
    bool opened = file.open(folder.filePath(QStringLiteral("copy.sqlite")));
    QtSqliteTeamCopy copy{file};
    QtSqliteInspections records{file};
    QtTeamCopyBrowsing browsing{file, records};
    auto parts() { return std::tie(file, copy, records, browsing); }
};

TEST(TeamCopySummaries, ASummaryHoldsNoGroupsAndCannotChangeUntilCopiedWhole) {
    const struct Case {
        const char* name;
        bool whole_before;  // copied whole before its summary came
        bool whole_after;   // copied whole after its summary came
        bool whole;
    } cases[] = {
        {"listed by its summary", false, false, false},
        {"held whole: a summary leaves it so", true, false, true},
        {"opened: copied whole", false, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OpenCopy open;
        ASSERT_TRUE(open.opened);
        auto [file, copy, records, browsing] = open.parts();
        TeamCopyEditing editing(
            records, records, [](const TeamPlan&) {},
            [&](int64_t id) { return copy.summary_only(id) == std::optional<bool>(false); });
        const StoredTeamDownload earlier = stored(test::team_download(3), 9);
        const StoredTeamDownload later = stored(test::team_download(4), 10);
        EXPECT_TRUE(!c.whole_before || copy.keep_team_copy(later));
        ASSERT_TRUE(copy.keep_team_summaries({summary(earlier), summary(later)}));
        EXPECT_TRUE(!c.whole_after || copy.keep_team_copy(later));

        const std::vector<ListedInspection> listed = browsing.list(std::nullopt);
        ASSERT_EQ(listed.size(), 2u);
        const ListedInspection& row = listed.front();  // the later
        EXPECT_EQ(row.groups_held, 4);
        EXPECT_EQ(row.lowest_milliohm == 1234 && row.highest_milliohm == 5678, !c.whole);
        EXPECT_EQ(copy.team_copies()->at(later.download.uuid).whole, c.whole);
        EXPECT_EQ(records.load(row.id)->groups.size(), c.whole ? 4u : 0u);
        EXPECT_EQ(*copy.summaries_before(row.id), std::vector<QString>{earlier.download.uuid});

        InspectionDetails details = records.load(row.id)->details;
        details.notes = QStringLiteral("changed here");
        SiteChoice site;
        site.id = details.site_id.value_or(0);
        EXPECT_EQ(editing.describe(row.id, site, details), c.whole);
        // Marked changed behind the view's back: a summary still has nothing to push.
        QSqlQuery q = file.query();
        ASSERT_TRUE(q.exec(QStringLiteral("UPDATE downloads SET changed_since_push = 1")));
        ASSERT_EQ(copy.waiting()->size(), c.whole ? 1u : 0u);
    }
}

// A site's branch lists all of its downloads: each shows its own summary's values, however many
// there are (they are read in chunks).
TEST(TeamCopySummaries, EveryListedDownloadShowsItsOwnSummary) {
    for (const int count : {1, 500, 501, 1203}) {
        SCOPED_TRACE(count);
        OpenCopy open;
        ASSERT_TRUE(open.opened);
        auto [file, copy, records, browsing] = open.parts();
        std::vector<TeamCopySummary> summaries;
        for (int n = 0; n < count; ++n) {
            StoredTeamDownload s = stored(test::team_download(0), n % 24);
            s.download.notes = QString::number(n);
            summaries.push_back({s, 3, n, 2 * n + 1});
        }
        ASSERT_TRUE(copy.keep_team_summaries(summaries));
        const std::vector<ListedInspection> listed = browsing.list_site(
            *records.load(browsing.list(std::nullopt).front().id)->details.site_id, std::nullopt);
        ASSERT_EQ(listed.size(), size_t(count));
        std::set<int> lowest;
        for (const ListedInspection& row : listed) {
            EXPECT_EQ(row.highest_milliohm, 2 * row.lowest_milliohm + 1);
            EXPECT_EQ(QString::number(row.lowest_milliohm), records.load(row.id)->details.notes);
            lowest.insert(row.lowest_milliohm);
        }
        EXPECT_EQ(lowest.size(), size_t(count));
    }
}

}  // namespace
}  // namespace eqbond
