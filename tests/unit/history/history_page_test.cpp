// The listing text of one page, compared character for character.
#include "history/history_page.h"

#include <gtest/gtest.h>

#include <QStringList>

#include "base/program.h"
#include "base/protocol.h"
#include "base/record_store.h"
#include "program/window_views.h"
#include "support/instrument_replies.h"
#include "support/qstring_printer.h"

namespace eqbond {
namespace {

const QString kCrLf = QStringLiteral("\r\n");

QString spaces(int n) {
    return QString(n, QLatin1Char(' '));
}

QString header(const char* page) {
    return spaces(54) + QStringLiteral("第(  ") + QString::fromUtf8(page) + QStringLiteral(" 页)") +
           kCrLf;
}

QString empty_page(const char* page) {
    QString out = header(page);
    for (int r = 0; r < 21; ++r) out += kCrLf;
    return out;
}

// Group g stored with g ohm (g x 1000 milliohm, an overload above 40) at 14:g on 24/03/15.
void store(RecordStore& r, int g, int battery = 0) {
    r.store_group(g, test::reply_of(g * 1000, 0, battery, kind::kStatus, test::at_minute(g % 60)));
}

// The entry of such a group, built from literal pieces.
QString entry(int g, bool marked = false) {
    const QString number = QStringLiteral("%1").arg(g, 4, 10, QLatin1Char('0'));
    const QString ohms = g > 40   ? QStringLiteral("  O L  Ω")
                         : g < 10 ? QStringLiteral(" %1.0000Ω").arg(g)
                                  : QStringLiteral("%1.0000Ω").arg(g);
    const QString minute = QStringLiteral("%1").arg(g % 60, 2, 10, QLatin1Char('0'));
    return number + QStringLiteral("组: ") + ohms + QStringLiteral("   24/03/15  14:") + minute +
           QStringLiteral("  ") + (marked ? QStringLiteral("■") : spaces(8));
}

QStringList lines_of(const QString& text) {
    QStringList lines = text.split(kCrLf);
    EXPECT_EQ(lines.takeLast(), QString()) << "the text ends with CR LF";
    return lines;
}

TEST(HistoryPage, EmptyStore) {
    RecordStore r;
    EXPECT_EQ(history_page_text(r, 1), empty_page("1"));
    // The header exactly, once spelled out.
    EXPECT_EQ(
        history_page_text(r, 1).left(64),
        QStringLiteral("                                                      第(  1 页)\r\n"));
}

TEST(HistoryPage, ThirtyGroupsOnPageOne) {
    RecordStore r;
    for (int g = 1; g <= 30; ++g) store(r, g);
    QString expected = header("1");
    for (int row = 1; row <= 21; ++row) {
        expected += entry(row) + spaces(28);
        if (row + 21 <= 30) expected += entry(row + 21) + spaces(5);
        expected += kCrLf;
    }
    const QString text = history_page_text(r, 1);
    EXPECT_EQ(text, expected);

    const QStringList lines = lines_of(text);
    ASSERT_EQ(lines.size(), 22);
    EXPECT_EQ(lines[1], QStringLiteral("0001组:  1.0000Ω   24/03/15  14:01          "
                                       "                            "
                                       "0022组: 22.0000Ω   24/03/15  14:22               "));
    EXPECT_EQ(lines[1].size(), 119);
    EXPECT_EQ(lines[1].mid(71, 4), QStringLiteral("0022"));
    EXPECT_EQ(lines[9].mid(71, 4), QStringLiteral("0030"));
    EXPECT_EQ(lines[10], entry(10) + spaces(28));
    EXPECT_EQ(lines[21],
              QStringLiteral("0021组: 21.0000Ω   24/03/15  14:21          ") + spaces(28));
}

TEST(HistoryPage, ThirtyGroupsOnPageTwoIsEmpty) {
    RecordStore r;
    for (int g = 1; g <= 30; ++g) store(r, g);
    EXPECT_EQ(history_page_text(r, 2), empty_page("2"));
}

TEST(HistoryPage, SecondPageStartsAtGroup43) {
    RecordStore r;
    for (int g = 1; g <= 100; ++g) store(r, g);
    const QStringList lines = lines_of(history_page_text(r, 2));
    ASSERT_EQ(lines.size(), 22);
    EXPECT_EQ(lines[0], header("2").chopped(2));
    EXPECT_EQ(lines[1], entry(43) + spaces(28) + entry(64) + spaces(5));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("0043组:   O L  Ω")));
    EXPECT_EQ(lines[1].mid(71, 4), QStringLiteral("0064"));
    EXPECT_EQ(lines[21].mid(71, 4), QStringLiteral("0084"));
}

TEST(HistoryPage, LowBatteryMarkInEitherColumn) {
    RecordStore r;
    for (int g = 1; g <= 30; ++g) store(r, g, g == 3 || g == 25 ? 1 : 0);
    const QStringList lines = lines_of(history_page_text(r, 1));
    // Row 3: marked left entry, so the right entry starts seven columns early.
    EXPECT_EQ(lines[3], entry(3, true) + spaces(28) + entry(24) + spaces(5));
    EXPECT_EQ(lines[3].mid(35, 1), QStringLiteral("■"));
    EXPECT_EQ(lines[3].mid(64, 4), QStringLiteral("0024"));
    // Row 4: marked right entry.
    EXPECT_EQ(lines[4], entry(4) + spaces(28) + entry(25, true) + spaces(5));
    EXPECT_EQ(lines[4].mid(71, 4), QStringLiteral("0025"));
    EXPECT_EQ(lines[4].size(), 112);
    EXPECT_TRUE(lines[4].endsWith(QStringLiteral("14:25  ■     ")));
}

TEST(HistoryPage, OnlyBatteryByteOneMarks) {
    RecordStore r;
    store(r, 1, 2);
    store(r, 2, 255);
    const QStringList lines = lines_of(history_page_text(r, 1));
    EXPECT_EQ(lines[1], entry(1) + spaces(28));
    EXPECT_EQ(lines[2], entry(2) + spaces(28));
}

TEST(HistoryPage, GroupNumbersAroundTheEdges) {
    RecordStore r;
    for (int g : {999, 1000, 6999, 7000}) store(r, g);
    // Group 999 is row 33 of page 24 (slots 967..1008): right column of row 12.
    const QStringList p24 = lines_of(history_page_text(r, 24));
    EXPECT_EQ(p24[12], QStringLiteral("0999组:   O L  Ω   24/03/15  14:39          ") + spaces(5));
    EXPECT_EQ(p24[13], QStringLiteral("1000组:   O L  Ω   24/03/15  14:40          ") + spaces(5));
    // Group 6999 is on page 167 (slots 6973..7014), right column of row 6; 7000 is left out.
    const QStringList p167 = lines_of(history_page_text(r, 167));
    EXPECT_TRUE(p167[6].startsWith(QStringLiteral("6999组: ")));
    EXPECT_EQ(p167[7], QString());
    EXPECT_FALSE(history_page_text(r, 167).contains(QStringLiteral("7000")));
}

TEST(HistoryPage, RightSlotBesideAnEmptyLeftSlotStartsTheLine) {
    RecordStore r;
    store(r, 22);
    QString expected = header("1");
    expected += entry(22) + spaces(5) + kCrLf;
    for (int row = 2; row <= 21; ++row) expected += kCrLf;
    EXPECT_EQ(history_page_text(r, 1), expected);
}

TEST(HistoryPage, PageZeroNegativeAndPastTheStoreAreEmpty) {
    RecordStore r;
    for (int g = 1; g <= 42; ++g) store(r, g);
    store(r, 10000);
    EXPECT_EQ(history_page_text(r, 0), empty_page("0"));
    EXPECT_EQ(history_page_text(r, -1), empty_page("-1"));
    EXPECT_EQ(history_page_text(r, -32768), empty_page("-32768"));
    EXPECT_EQ(history_page_text(r, 239), empty_page("239"));  // slots 9997..10038
    EXPECT_EQ(history_page_text(r, 32767), empty_page("32767"));
}

TEST(HistoryPage, ShowPutsTheTextIntoTheListing) {
    Program p;
    store(p.state.records, 5);
    show_history_page(p, 1);
    EXPECT_EQ(main_window_view(p.state).listing, history_page_text(p.state.records, 1));
    EXPECT_TRUE(main_window_view(p.state).listing.contains(entry(5)));
}

}  // namespace
}  // namespace eqbond
