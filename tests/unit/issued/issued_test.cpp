// What an issued report said, compared with what it would say now; its number read back from
// text; and whether asking again issues, gives the same, or needs a reason.
#include <gtest/gtest.h>

#include <functional>

#include "issued/issued_content.h"
#include "issued/report_issuing.h"
#include "support/qstring_printer.h"

namespace eqbond {
namespace {

InspectionReportInput two_groups() {
    InspectionReportInput in;
    in.download.groups = {Group{1, 80, 0, 26, 12, 1, 9, 0}, Group{2, 150, 0, 26, 12, 1, 9, 1}};
    in.download.labels = {{2, QStringLiteral("PE bar")}};
    in.download.details.location = QStringLiteral("3F");
    in.limit = BondingLimit{2000};  // 0.2 ohm
    return in;
}

TEST(IssuedContent, SaysWhatWouldNowReadOtherwise) {
    struct Case {
        const char* name;
        std::function<void(InspectionReportInput&)> change;
        QStringList changes;
    } cases[] = {
        {"nothing", [](InspectionReportInput&) {}, {}},
        {"a test point",
         [](InspectionReportInput& in) { in.download.labels[2] = "PE rail"; },
         {"group 2's test point"}},
        {"a location",
         [](InspectionReportInput& in) { in.download.details.location = "4F"; },
         {"the location"}},
        {"a group's own limit, failing it",
         [](InspectionReportInput& in) { in.download.own_limits[2] = JudgedLimit{100}; },
         {"group 2's limit", "group 2's verdict"}},
        {"a group more",
         [](InspectionReportInput& in) {
             in.download.groups.push_back(Group{3, 90, 0, 26, 12, 1, 9, 2});
         },
         {"group 3"}},
        {"no limit",
         [](InspectionReportInput& in) { in.limit.reset(); },
         {"the limit", "group 1's limit", "group 1's verdict", "group 2's limit",
          "group 2's verdict"}},
    };
    const QByteArray issued = issued_content(two_groups());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        InspectionReportInput now = two_groups();
        c.change(now);
        EXPECT_EQ(content_changes(issued, issued_content(now)), c.changes);
        EXPECT_EQ(issued_content(now) == issued, c.changes.isEmpty());
    }
}

TEST(ReportNumber, ReadBackFromText) {
    struct Case {
        const char* text;
        std::optional<NumberedRevision> found;
    } cases[] = {
        {"<rdf:li>EQ-2026-0007 revision 2</rdf:li>", NumberedRevision{"EQ-2026-0007", 2}},
        {"LAB2-2027-12345 revision 10 ", NumberedRevision{"LAB2-2027-12345", 10}},
        {"EQ-2026-0007 第 2 版", std::nullopt},
        {"EQ-26-0007 revision 2", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(numbered_revision_in(QString::fromUtf8(c.text)), c.found);
    }
    EXPECT_EQ(numbered_revision_in(numbered_revision_text({report_number("EQ", 2026, 7), 3})),
              (NumberedRevision{"EQ-2026-0007", 3}));
}

TEST(ReportIssuing, IssuesGivesAgainOrNeedsAReason) {
    IssuedReport first;
    first.id = {"EQ-2026-0001", 1};
    first.content = issued_content(two_groups());
    InspectionReportInput changed = two_groups();
    changed.limit = BondingLimit{1000};
    struct Case {
        std::vector<IssuedReport> revisions;
        QByteArray content;
        const char* reason;
        IssueStep step;
    } cases[] = {
        {{}, first.content, "", IssueStep::First},
        {{first}, first.content, "", IssueStep::AlreadyIssued},
        {{first}, first.content, "why", IssueStep::AlreadyIssued},
        {{first}, issued_content(changed), "", IssueStep::NeedsReason},
        {{first}, issued_content(changed), "why", IssueStep::Amend},
    };
    for (const Case& c : cases) {
        const IssueDecision decision =
            decide_issue(c.revisions, c.content, QString::fromUtf8(c.reason));
        EXPECT_EQ(decision.step, c.step);
        EXPECT_EQ(decision.latest.has_value(), !c.revisions.empty());
    }
}

TEST(IssuedReportPages, EveryPageSaysWhichReportItIsAndOnlyTheLastEndsIt) {
    for (const int groups : {1, 200}) {
        SCOPED_TRACE(groups);
        InspectionReportInput in = two_groups();
        in.download.groups.clear();
        for (int n = 1; n <= groups; ++n)
            in.download.groups.push_back(Group{n, 80, 0, 26, 12, 1, 9, 0});
        in.identity = ReportIdentity{"EQ-2026-0007", 2, 1, "new limit", {}, {}, "ab12"};
        const std::vector<ReportPage> pages = inspection_report_pages(in);
        for (size_t i = 0; i < pages.size(); ++i) {
            const ReportPage& page = pages[i];
            ASSERT_FALSE(page.empty());
            EXPECT_EQ(page.front().kind, ReportLineKind::Identity);
            EXPECT_TRUE(page.front().cells.value(0).contains("EQ-2026-0007"));
            int taken = 0, ends = 0;
            for (const ReportLine& line : page) {
                taken += lines_taken(line);
                ends += line.kind == ReportLineKind::End;
            }
            EXPECT_LE(taken, kReportLinesPerPage + 1);  // and the page number
            EXPECT_EQ(ends, i + 1 == pages.size() ? 1 : 0);
        }
        EXPECT_EQ(pages.size() > 1, groups > 1);
    }
}

}  // namespace
}  // namespace eqbond
