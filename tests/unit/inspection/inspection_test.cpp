// Inspections without a database: the comparison with the previous inspection, test plans read
// from their files and applied to a download's groups, and long test points in the report.
#include <gtest/gtest.h>

#include "inspection/inspection_comparison.h"
#include "inspection/inspection_report.h"
#include "inspection/test_plan.h"
#include "support/qstring_printer.h"

namespace eqbond {
namespace {

Group measured(int32_t number, int32_t milliohm) {
    return Group{number, milliohm, 0, 25, 6, 1, 10, 0};
}

// Values from 1000 milliohm up show their fourth decimal as 0 when the last three digits are 0,
// so 2000 -> 3000 is exactly +1000 mΩ and +50%.
TEST(Deterioration, RiseAndLimitAtTheirEdges) {
    const std::optional<BondingLimit> none;
    const BondingLimit limit{25000};  // 2.5 ohm
    struct Case {
        int32_t before, now;
        std::optional<BondingLimit> limit;
        DeteriorationRule rule;
        bool deteriorated;
    } cases[] = {
        {2000, 3000, none, {50, 10}, true},       // +50% exactly
        {2000, 3000, none, {51, 10}, false},      // short of the percentage
        {2000, 3000, none, {50, 1000}, true},     // +1000 mΩ exactly
        {2000, 3000, none, {50, 1001}, false},    // short of the milliohm
        {3000, 2000, none, {0, 0}, false},        // a fall never is
        {2000, 3000, limit, {900, 9000}, true},   // passed before, fails now
        {3000, 3100, limit, {900, 9000}, false},  // failed before too
        {2000, 45000, none, {900, 9000}, true},   // an overload after a value
        {45000, 2000, none, {0, 0}, false},
        {0, 1000, none, {50, 10}, true},  // from zero any rise is enough percent
        {0, 1000, none, {50, 1001}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.before << " -> " << c.now << " rule " << c.rule.percent
                                        << "% " << c.rule.milliohm << " mΩ");
        Inspection now;
        now.groups = {measured(1, 999), measured(2, c.now)};
        now.labels = {{2, QStringLiteral("PE")}};
        const PreviousValues previous{{QStringLiteral("PE"), {7, {}, measured(4, c.before)}}};
        const std::vector<PointComparison> points =
            compare_with_previous(now, previous, c.limit, c.rule);
        ASSERT_EQ(points.size(), 1u);  // the unlabelled group has none
        EXPECT_EQ(points[0].number, 2);
        EXPECT_EQ(points[0].deteriorated, c.deteriorated);
    }
}

TEST(Deterioration, ChangeIsBetweenMeasuredValuesAndAbsentWithoutAPreviousOne) {
    Inspection now;
    now.groups = {measured(1, 3000), measured(2, 1550), measured(3, 45000)};
    now.labels = {{1, "A"}, {2, "B"}, {3, "C"}};
    const PreviousValues previous{{"A", {7, {}, measured(9, 2000)}},
                                  {"C", {7, {}, measured(9, 2000)}}};
    const std::vector<PointComparison> points = compare_with_previous(now, previous, {}, {});
    ASSERT_EQ(points.size(), 3u);
    EXPECT_DOUBLE_EQ(*points[0].change_milliohm, 1000.0);
    EXPECT_DOUBLE_EQ(*points[0].change_percent, 50.0);
    EXPECT_EQ(points[0].previous->group.number, 9);
    EXPECT_FALSE(points[1].previous);
    EXPECT_FALSE(points[1].change_milliohm);
    EXPECT_FALSE(points[1].deteriorated);
    EXPECT_TRUE(points[2].previous);
    EXPECT_FALSE(points[2].change_milliohm);  // no number to an overload
}

// The instrument measures whole milliohms: 31 -> 200 is +545.2 %, whatever fourth decimal the
// display makes up (0.0316 -> 0.2004 would be +534.2 %); the point's own limit judges it.
TEST(Deterioration, MeasuredChangeAndTheOwnLimit) {
    struct Case {
        int32_t before, now;
        std::optional<JudgedLimit> own;
        double change_percent;
        bool deteriorated;
    } cases[] = {
        {31, 200, std::nullopt, 545.16, false},     // the rule asks for 1000 mΩ
        {190, 200, JudgedLimit{200}, 5.26, false},  // at its own limit: passes
        {190, 201, JudgedLimit{200}, 5.79, true},   // passed it before, fails it now
        {190, 201, std::nullopt, 5.79, false},      // the bonding limit of 0.3 ohm passes it
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.before << " -> " << c.now);
        Inspection now;
        now.groups = {measured(1, c.now)};
        now.labels = {{1, "A"}};
        if (c.own) now.own_limits[1] = *c.own;
        const PreviousValues previous{{"A", {7, {}, measured(9, c.before)}}};
        const std::vector<PointComparison> points =
            compare_with_previous(now, previous, BondingLimit{3000}, {1000, 1000});
        ASSERT_EQ(points.size(), 1u);
        EXPECT_NEAR(*points[0].change_percent, c.change_percent, 0.005);
        EXPECT_EQ(points[0].deteriorated, c.deteriorated);
    }
}

TEST(TestPlanFile, EncodingLinesAndBadLabels) {
    const QString long_label(201, QLatin1Char('x'));
    struct Case {
        QByteArray bytes;
        QStringList lines;
        PlanEncoding encoding;
        std::optional<PlanError> error;
    } cases[] = {
        {"手术室3 吊塔 PE | 0.2\nMRI 参考母排 |.1\nB2-12 cold water pipe\nJ |１０００\n",
         {"手术室3 吊塔 PE | 0.200", "MRI 参考母排 | 0.100", "B2-12 cold water pipe",
          "J | 1000.000"},
         PlanEncoding::Utf8,
         {}},
        {"A | 0,2", {}, PlanEncoding::Utf8, PlanError{1, {}, LimitProblem::NotNumber}},
        {"A\nB | 0.0005", {}, PlanEncoding::Utf8, PlanError{2, {}, LimitProblem::NotNumber}},
        {"A | 0.2 Ω", {}, PlanEncoding::Utf8, PlanError{1, {}, LimitProblem::NotNumber}},
        {"A |", {}, PlanEncoding::Utf8, PlanError{1, {}, LimitProblem::NotNumber}},
        {"| 0.2", {}, PlanEncoding::Utf8, PlanError{1, {}, LimitProblem::NotNumber}},
        {"A | B | 0.2", {}, PlanEncoding::Utf8, PlanError{1, {}, LimitProblem::NotNumber}},
        {"A | 0", {}, PlanEncoding::Utf8, PlanError{1, {}, LimitProblem::OutOfRange}},
        {"A | 1000.001", {}, PlanEncoding::Utf8, PlanError{1, {}, LimitProblem::OutOfRange}},
        {"A | 99999999999", {}, PlanEncoding::Utf8, PlanError{1, {}, LimitProblem::OutOfRange}},
        {"\xEF\xBB\xBF# room 3\r\n手术室3 无影灯\r\n\r\n  B2-12 pipe  \r\n#\n",
         {"手术室3 无影灯", "B2-12 pipe"},
         PlanEncoding::Utf8,
         {}},
        {"A\nB", {"A", "B"}, PlanEncoding::Utf8, {}},
        {"\xCA\xD6\xCA\xF5\xCA\xD2 1\n\xBD\xD3\xB5\xD8\n",
         {"手术室 1", "接地"},
         PlanEncoding::Gbk,
         {}},
        {QByteArray(200, 'y'), {QString(200, 'y')}, PlanEncoding::Utf8, {}},
        {"A\n# x\n" + long_label.toUtf8(),
         {},
         PlanEncoding::Utf8,
         PlanError{3, LabelProblem::TooLong, {}}},
        {"A\nB\x07 C\n", {}, PlanEncoding::Utf8, PlanError{2, LabelProblem::ControlCharacter, {}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes.left(40).toStdString());
        const ReadPlan plan = read_plan(c.bytes);
        EXPECT_EQ(plan.lines, c.lines);
        EXPECT_EQ(plan.encoding, c.encoding);
        ASSERT_EQ(bool(plan.error), bool(c.error));
        if (c.error) {
            EXPECT_EQ(plan.error->line, c.error->line);
            EXPECT_EQ(plan.error->label, c.error->label);
            EXPECT_EQ(plan.error->limit, c.error->limit);
        }
    }
}

TEST(TestPlanApplied, FromTheChosenGroupAsFarAsBothGo) {
    // Group 4 is missing from the download.
    const std::vector<Group> groups = {measured(1, 1), measured(2, 1), measured(3, 1),
                                       measured(5, 1), measured(6, 1)};
    const QStringList abc{"A", "B | 0.250", "C"};
    const QStringList six{"A", "B", "C", "D", "E", "F"};
    struct Case {
        QStringList plan;
        int32_t first;
        PointLabels labels;
        OwnLimits limits;
    } cases[] = {
        {abc, 2, {{2, "A"}, {3, "B"}, {5, "C"}}, {{3, {250}}}},  // shorter than the groups left
        {six, 3, {{3, "A"}, {5, "B"}, {6, "C"}}, {}},            // longer
        {abc, 4, {{5, "A"}, {6, "B"}}, {{6, {250}}}},  // from a group not held: the next one
        {abc, 7, {}, {}},
        {{}, 1, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.first);
        const PlannedPoints points = planned_points(c.plan, groups, c.first);
        EXPECT_EQ(points.labels, c.labels);
        EXPECT_EQ(points.limits, c.limits);
    }
}

TEST(InspectionReportRows, ALongTestPointGoesOnOverMoreRowsWithNothingLost) {
    const QString words = QStringLiteral(
        "B2-12 cold water pipe, east riser, level 2, behind the access panel next to the lift "
        "lobby and the fire door of the north stair");
    struct Case {
        QString label;
        QString joined_by;  // what the row breaks took out
    } cases[] = {
        {QString(200, QLatin1Char('x')), QString()},
        {QString(100, QChar(0x7EBF)), QString()},  // 线
        {words, QStringLiteral(" ")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label.left(20).toStdString());
        InspectionReportInput in;
        in.download.groups = {measured(1, 80)};
        in.download.labels = {{1, c.label}};
        QStringList parts;
        for (const ReportPage& page : inspection_report_pages(in))
            for (const ReportLine& line : page)
                if (line.kind == ReportLineKind::Row) parts << line.cells.value(1);
        EXPECT_GT(parts.size(), 1);
        EXPECT_EQ(parts.join(c.joined_by), c.label);
    }
}

}  // namespace
}  // namespace eqbond
