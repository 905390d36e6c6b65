// The text report as GBK bytes, compared byte for byte.
#include "report/text_report.h"

#include <gtest/gtest.h>

#include <QByteArrayList>
#include <functional>

#include "base/record_store.h"
#include "base/value_format.h"
#include "support/report_fakes.h"

namespace eqbond {
namespace {

using test::put_group;
using test::put_groups;

const QByteArray kZu("\xD7\xE9");       // 组
const QByteArray kOhm("\xA6\xB8");      // Ω
const QByteArray kLowMark("\xA1\xF6");  // ■
const QByteArray kCrLf("\r\n");

// 组数, 电阻值, 日期, 时间 in GBK.
const QByteArray kHeadingHalf = QByteArray("\xD7\xE9\xCA\xFD") + "     " +
                                "\xB5\xE7\xD7\xE8\xD6\xB5" + "       " + "\xC8\xD5\xC6\xDA" +
                                "     " + "\xCA\xB1\xBC\xE4";
const QByteArray kLine1 = QByteArray(25, ' ') + kCrLf;
const QByteArray kLine2 =
    kHeadingHalf + QByteArray(28, ' ') + kHeadingHalf + QByteArray(17, ' ') + kCrLf;
const QByteArray kSeparatorBlock =
    " \r\n \r\n \r\n" + QByteArray(" ") + QByteArray("- ").repeated(72) + kCrLf;

// One entry as bytes: number, 组: , the value's seven single-byte characters and Ω, date, time,
// mark.
QByteArray entry(const char* number, const char* value7, const char* date, const char* time,
                 bool low = false) {
    return QByteArray(number) + kZu + ": " + value7 + kOhm + "   " + date + "  " + time + "  " +
           (low ? kLowMark : QByteArray("  "));
}

QByteArray left(const QByteArray& e) {
    return e + QByteArray(24, ' ');
}
QByteArray right(const QByteArray& e) {
    return e + " ";
}

QByteArray file(const QByteArrayList& entry_lines) {
    QByteArray out = kLine1 + kLine2;
    for (const QByteArray& line : entry_lines) out += line + kCrLf;
    return out;
}

// What put_groups stores for group g.
QByteArray numbered(int g) {
    const QByteArray number = QByteArray::number(g).rightJustified(4, '0');
    const QByteArray value = format_resistance(g).chopped(1).toLatin1();
    return entry(number.constData(), value.constData(), "24/05/17", "09:05");
}

TEST(TextReport, HeadingsKeepTheirByteColumns) {
    ASSERT_EQ(kLine2.size(), 115 + 2);
    EXPECT_EQ(kLine2.indexOf(QByteArray("\xD7\xE9\xCA\xFD"), 1), 63);
    EXPECT_EQ(text_report(RecordStore{}, 1), kLine1 + kLine2);
}

TEST(TextReport, SmallReportsByteForByte) {
    const struct {
        const char* what;
        std::function<void(RecordStore&)> fill;
        int32_t next_group;
        QByteArray expected;
    } cases[] = {
        {"no groups read", [](RecordStore&) {}, 1, file({})},
        {"4 groups: 1|3, 2|4",
         [](RecordStore& s) {
             put_group(s, 1, 123, "24/05/17", "09:05");
             put_group(s, 2, 12345, "24/05/18", "14:30");
             put_group(s, 3, 0, "05/12/01", "00:00");
             put_group(s, 4, 40000, "99/01/31", "23:59");
         },
         5,
         file({left(entry("0001", " 0.1236", "24/05/17", "09:05")) +
                   right(entry("0003", " 0.0000", "05/12/01", "00:00")),
               left(entry("0002", "12.3454", "24/05/18", "14:30")) +
                   right(entry("0004", "40.0000", "99/01/31", "23:59"))})},
        {"5 groups: 1|4, 2|5, 3 alone", [](RecordStore& s) { put_groups(s, 5); }, 6,
         file({left(numbered(1)) + right(numbered(4)), left(numbered(2)) + right(numbered(5)),
               left(numbered(3))})},
        {"low battery in either column",
         [](RecordStore& s) {
             put_group(s, 1, 123, "24/05/17", "09:05", true);
             put_group(s, 2, 12345, "24/05/18", "14:30", true);
         },
         3,
         file({left(entry("0001", " 0.1236", "24/05/17", "09:05", true)) +
               right(entry("0002", "12.3454", "24/05/18", "14:30", true))})},
        {"an overload",
         [](RecordStore& s) {
             put_group(s, 1, 65535, "24/05/17", "09:05");
             put_group(s, 2, 9999, "24/05/17", "09:06");
         },
         3,
         file({left(entry("0001", "  O L  ", "24/05/17", "09:05")) +
               right(entry("0002", " 9.9999", "24/05/17", "09:06"))})},
        {"an empty left slot lets the right entry start the line",
         [](RecordStore& s) {
             put_groups(s, 4);
             s.groups[1].number = 0;
         },
         5, file({right(numbered(3)), left(numbered(2)) + right(numbered(4))})},
        {"group numbers of 7000 and above are left out",
         [](RecordStore& s) {
             put_groups(s, 2);
             s.groups[2].number = 7000;
         },
         3, file({left(numbered(1))})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        RecordStore store;
        c.fill(store);
        EXPECT_EQ(text_report(store, c.next_group), c.expected);
    }
}

TEST(TextReport, EntryLinesKeepTheirByteColumns) {
    RecordStore store;
    put_group(store, 1, 123, "24/05/17", "09:05", true);
    put_group(store, 2, 12345, "24/05/18", "14:30");
    const QByteArray line = text_report(store, 3).split('\n').at(2) + '\n';
    ASSERT_EQ(line.size(), 105);
    EXPECT_EQ(line.mid(0, 4), "0001");
    EXPECT_EQ(line.mid(8, 9), " 0.1236" + kOhm);
    EXPECT_EQ(line.mid(20, 8), "24/05/17");
    EXPECT_EQ(line.mid(30, 5), "09:05");
    EXPECT_EQ(line.mid(37, 2), kLowMark);
    EXPECT_EQ(line.mid(63, 4), "0002");
    EXPECT_EQ(line.mid(100, 5), "   \r\n");
}

TEST(TextReport, SeparatorAfterEveryHundredEntryLines) {
    const struct {
        int groups;
        int entry_lines;
        std::vector<int> separator_after;  // entry lines followed by the separator block
    } cases[] = {
        {200, 100, {100}}, {250, 125, {100}},      {199, 100, {100}},
        {198, 99, {}},     {402, 201, {100, 200}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.groups);
        RecordStore store;
        put_groups(store, c.groups);
        const QByteArray bytes = text_report(store, c.groups + 1);
        QByteArray expected = kLine1 + kLine2;
        const int rows = (c.groups + 1) / 2;
        ASSERT_EQ(rows, c.entry_lines);
        for (int r = 1; r <= rows; ++r) {
            expected += left(numbered(r));
            if (r + rows <= c.groups) expected += right(numbered(r + rows));
            expected += kCrLf;
            if (std::count(c.separator_after.begin(), c.separator_after.end(), r)) {
                expected += kSeparatorBlock;
            }
        }
        EXPECT_EQ(bytes, expected);
    }
}

TEST(TextReport, TwoHundredAndFiftyGroupsEndWithTheLastEntryLine) {
    RecordStore store;
    put_groups(store, 250);
    const QByteArray bytes = text_report(store, 251);
    EXPECT_TRUE(bytes.endsWith(left(numbered(125)) + right(numbered(250)) + kCrLf));
    EXPECT_EQ(bytes.count(kSeparatorBlock), 1);
    const QByteArray after_hundred = left(numbered(100)) + right(numbered(225)) + kCrLf;
    EXPECT_EQ(bytes.indexOf(after_hundred + kSeparatorBlock + left(numbered(101))),
              bytes.indexOf(after_hundred));
}

}  // namespace
}  // namespace eqbond
