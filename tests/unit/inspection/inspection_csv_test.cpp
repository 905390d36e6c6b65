// The archive's CSV file of a download whose groups carry test points: three more columns at the
// end of each row, and every column before them byte for byte as without labels.
#include <gtest/gtest.h>

#include "archive/archive_export.h"
#include "inspection/inspection_export.h"
#include "support/qstring_printer.h"

namespace eqbond {
namespace {

QList<QByteArray> rows_of(const QByteArray& csv) {
    return csv.split('\n');
}

TEST(InspectionCsv, LabelsAddThreeLastColumnsAndLeaveTheOthersAsTheyWere) {
    Inspection plain;
    plain.groups = {Group{1, 2000, 0, 25, 6, 1, 9, 5}, Group{2, 45000, 1, 25, 6, 1, 9, 6},
                    Group{3, 80, 0, 25, 6, 2, 10, 7}};
    Inspection labelled = plain;
    labelled.labels = {{1, QStringLiteral("B2-12, cold water")}, {3, QStringLiteral("手术室3")}};
    const PreviousValues previous{
        {QStringLiteral("B2-12, cold water"), {4, {}, Group{7, 1000, 0, 24, 6, 1, 9, 0}}}};

    for (const std::optional<BondingLimit> limit :
         {std::optional<BondingLimit>(), std::optional<BondingLimit>({1000})}) {
        SCOPED_TRACE(limit.has_value());
        const QList<QByteArray> before = rows_of(archived_csv(plain, limit));
        const QList<QByteArray> after = rows_of(inspection_csv(labelled, limit, previous));
        ASSERT_EQ(after.size(), before.size());
        const QByteArray added[] = {",测试点,上次电阻(mΩ),变化(%)",
                                    ",\"B2-12, cold water\",1000,100.0", ",,,", ",手术室3,,"};
        for (int i = 0; i < 4; ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(after[i], before[i].chopped(1) + added[i] + "\r");
        }
    }
}

// Each group is judged by its test point's own limit, else the bonding limit; the limit it was
// judged by is the last column, and the columns before 判定 stay as without limits.
TEST(InspectionCsv, OwnLimitsJudgeTheirGroupsAndGoInTheLastColumn) {
    Inspection plain;
    plain.groups = {Group{1, 200, 0, 25, 6, 1, 9, 5}, Group{2, 200, 0, 25, 6, 1, 9, 6},
                    Group{3, 201, 0, 25, 6, 2, 10, 7}};
    Inspection limited = plain;
    limited.labels = {{1, "A"}, {2, "B"}, {3, "C"}};
    limited.own_limits = {{1, {200}}, {3, {200}}};
    const struct {
        std::optional<BondingLimit> bonding;
        QByteArray added[4];
    } cases[] = {
        {{},
         {",判定,测试点,上次电阻(mΩ),变化(%),限值(Ω)", ",合格,A,,,0.200", ",,B,,,",
          ",不合格,C,,,0.200"}},
        {BondingLimit{1000},
         {",判定,测试点,上次电阻(mΩ),变化(%),限值(Ω)", ",合格,A,,,0.200", ",不合格,B,,,0.100",
          ",不合格,C,,,0.200"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bonding.has_value());
        const QList<QByteArray> before = rows_of(archived_csv(plain, std::nullopt));
        const QList<QByteArray> after = rows_of(inspection_csv(limited, c.bonding, {}));
        ASSERT_EQ(after.size(), before.size());
        for (int i = 0; i < 4; ++i) EXPECT_EQ(after[i], before[i].chopped(1) + c.added[i] + "\r");
    }
}

}  // namespace
}  // namespace eqbond
