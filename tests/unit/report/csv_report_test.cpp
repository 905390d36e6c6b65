#include "report/csv_report.h"

#include <gtest/gtest.h>

#include "base/protocol.h"
#include "base/record_store.h"
#include "base/value_format.h"

namespace eqbond {
namespace {

TEST(CsvReport, TheMilliohmColumnIsEmptyForAnOverloadOnly) {
    const struct {
        int milliohm;
        const char* field;
    } cases[] = {{0, "0"}, {123, "123"}, {40000, "40000"}, {40001, ""}, {65535, ""}};
    for (const auto& c : cases)
        EXPECT_EQ(csv_group_fields(Group{1, c.milliohm})[1], QString::fromLatin1(c.field));
}

TEST(CsvReport, RowsQuoteWhatNeedsQuotingAndEndInCrLf) {
    const struct {
        QStringList fields;
        const char* row;
    } cases[] = {
        {{"1", "2"}, "1,2\r\n"},
        {{"a,b", "c"}, "\"a,b\",c\r\n"},
        {{"say \"hi\"", ""}, "\"say \"\"hi\"\"\",\r\n"},
        {{" 0.1236Ω"}, "\" 0.1236Ω\"\r\n"},
        {{"line\nbreak"}, "\"line\nbreak\"\r\n"},
    };
    for (const auto& c : cases) EXPECT_EQ(csv_row(c.fields), QString::fromUtf8(c.row));
}

TEST(CsvReport, OneRowPerStoredGroupInTheRangeUnderAChineseHeader) {
    RecordStore store;
    store.store_group(1, Reply{123, 1, 0, 24, 3, 15, 14, 30, 0});
    store.store_group(2, Reply{45000, 2, 1, 24, 12, 1, 9, 5, 0});
    store.store_group(4, Reply{12345, 4, 0, 25, 1, 2, 3, 4, 0});
    const QByteArray bytes = csv_report(store, 1, 3);
    ASSERT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ(QString::fromUtf8(bytes.mid(3)),
              QStringLiteral("组号,电阻(mΩ),电阻值,日期,时间,电池电压低\r\n"
                             "1,123,\" 0.1236Ω\",2024-03-15,14:30,0\r\n"
                             "2,,\"  O L  Ω\",2024-12-01,09:05,1\r\n"));
    EXPECT_TRUE(QString::fromUtf8(csv_report(store, 4, 4))
                    .endsWith(QStringLiteral("4,12345,12.3454Ω,2025-01-02,03:04,0\r\n")));
}

}  // namespace
}  // namespace eqbond
