// The receive event: idle replies, the read of the stored groups, broken frames.
#include <gtest/gtest.h>

#include <numeric>

#include "history/history_page.h"
#include "link/instrument_buttons.h"
#include "link/read_watchdog.h"
#include "link_bench.h"
#include "program/window_views.h"
#include "records/live_reading.h"
#include "support/qstring_printer.h"

namespace eqbond {
namespace {

using test::Bench;
using test::group_frame;
using test::hex;
using test::lead_frame;
using test::measurement_frame;
using test::status_frame;

const QString kRead = QStringLiteral("读    取");
const QString kPause = QStringLiteral("暂    停");
const QString kContinue = QStringLiteral("继   续");

std::vector<int32_t> range(int first, int last) {
    std::vector<int32_t> out(size_t(last - first + 1));
    std::iota(out.begin(), out.end(), first);
    return out;
}

// Linked, the instrument reporting `groups`, and a read started (group 1 requested).
struct Reading : Bench {
    explicit Reading(int groups) {
        link_up(groups);
        on_read_clicked(program);
    }
    void deliver(int first, int last) {
        for (int g = first; g <= last; ++g) receive(group_frame(g, 1000 + g));
    }
};

TEST(IdleReplies, EachKindDoesItsOwnPart) {
    const struct {
        const char* name;
        QByteArray frame;
        const char* label6;
        const char* label8;
        int32_t instrument_group_count;
        bool battery_label;
    } cases[] = {
        {"status", status_frame(17), "0.0000", "", 17, false},
        {"status no data", status_frame(65535), "0.0000", "", 65535, false},
        {"measurement", measurement_frame(123, 9), " 0.1236Ω", "", 9, false},
        {"lead", lead_frame(550, 8), " 0.5500Ω", "线阻", 8, false},
        {"other kind", test::reply_frame(777, 33, 1, 7), " 4.3216Ω", "线阻", 4, true},
        {"battery low", status_frame(2, 1), "0.0000", "", 2, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Bench b;
        b.link().instrument_group_count = 4;
        // A lead resistance shown, which only the known kinds replace.
        b.s().main_window.reading_shown = ReadingShown::LeadResistance;
        b.s().main_window.reading_milliohm = 4321;
        b.receive(c.frame);
        EXPECT_TRUE(b.link().reply_seen);
        EXPECT_EQ(b.ui().reading_label, QString::fromUtf8(c.label6));
        EXPECT_EQ(b.ui().reading_kind_label, QString::fromUtf8(c.label8));
        EXPECT_EQ(b.link().instrument_group_count, c.instrument_group_count);
        EXPECT_EQ(b.ui().battery_warning_visible, c.battery_label);
        EXPECT_TRUE(b.line.written.empty()) << "idle replies never send";
    }
}

TEST(IdleReplies, TheExampleMeasurementFrame) {
    Bench b;
    const std::optional<Reply> reply = b.receive(hex("007B00050018030F0E1E01D7"));
    ASSERT_TRUE(reply);
    EXPECT_EQ(*reply, (Reply{123, 5, 0, 24, 3, 15, 14, 30, kind::kMeasurement}));
    EXPECT_EQ(b.link().instrument_group_count, 5);
    EXPECT_EQ(b.ui().reading_label, QStringLiteral(" 0.1236Ω"));
    b.receive(hex("9C4100050018030F0E1E0139"));
    EXPECT_EQ(b.ui().reading_label, QStringLiteral("  O L  Ω"));
}

TEST(BrokenFrames, AreDroppedWithoutTouchingAnything) {
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"bad checksum", hex("007B00050018030F0E1E01D8")},
        {"changed byte", hex("007C00050018030F0E1E01D7")},
        {"short", hex("007B00050018030F0E1E01")},
        {"nothing", QByteArray()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Bench b;
        b.link().instrument_group_count = 4;
        EXPECT_FALSE(b.receive(c.bytes));
        EXPECT_FALSE(b.link().reply_seen);
        EXPECT_EQ(b.link().instrument_group_count, 4);
        EXPECT_EQ(b.ui().reading_label, QStringLiteral("- - - - -"));
        EXPECT_EQ(b.s().stats.avg_count, 0);
    }
}

TEST(BrokenFrames, EventsOtherThanDataReceivedReadNothing) {
    Bench b;
    b.line.incoming = measurement_frame(123);
    on_receive(b.program, PortEvent::Error);
    on_receive(b.program, PortEvent::Other);
    EXPECT_EQ(b.line.incoming.size(), 12);
    EXPECT_FALSE(b.link().reply_seen);
}

TEST(BrokenFrames, AStrayByteIsDroppedWithItsFrameAndTheNextFrameReadsAligned) {
    Bench b;
    b.receive(QByteArray(1, char(0x55)) + measurement_frame(123));
    EXPECT_FALSE(b.link().reply_seen);
    EXPECT_EQ(b.line.discards, 1);
    EXPECT_TRUE(b.line.incoming.isEmpty()) << "the tail of the broken frame is gone";
    b.receive(measurement_frame(456));
    EXPECT_TRUE(b.link().reply_seen);
    EXPECT_EQ(b.ui().reading_label, QStringLiteral(" 0.4565Ω"));
    EXPECT_EQ(b.line.discards, 1);
}

TEST(BrokenFrames, AStrayByteDuringAReadCostsOneReRequest) {
    Reading b(3);
    b.receive(QByteArray(1, char(0)) + group_frame(1));
    EXPECT_EQ(b.link().next_group, 1);
    b.link().group_pending_last_tick = 1;
    watch_read(b.program);  // re-request 1
    b.deliver(1, 3);
    EXPECT_FALSE(b.link().reading());
    EXPECT_EQ(b.codes(), (std::vector<int32_t>{1, 1, 2, 3}));
    EXPECT_EQ(b.s().records.at(1).number, 1);
}

TEST(Read, ThreeGroups) {
    Reading b(3);
    EXPECT_EQ(b.codes(), std::vector<int32_t>{1});
    EXPECT_EQ(b.line.written[0], hex("64650001"));
    b.deliver(1, 2);
    EXPECT_EQ(b.codes(), (std::vector<int32_t>{1, 2, 3}));
    EXPECT_TRUE(b.link().reading());
    EXPECT_EQ(b.ui().listing, QString()) << "nothing rendered before the end";
    b.s().history.current_page = 2;
    b.deliver(3, 3);
    EXPECT_EQ(b.codes(), (std::vector<int32_t>{1, 2, 3})) << "no request after the last group";
    EXPECT_FALSE(b.link().reading());
    EXPECT_EQ(b.ui().read_button, kRead);
    EXPECT_EQ(b.s().records.last_stored_group, 3);
    EXPECT_EQ(b.s().history.page_count, 1);
    EXPECT_EQ(b.s().history.current_page, 1);
    EXPECT_EQ(b.link().resume_group, 1);
    EXPECT_EQ(b.link().read_progress, 0);
    EXPECT_EQ(b.link().next_group, 4);
    EXPECT_EQ(b.ui().listing, history_page_text(b.s().records, 1));
    EXPECT_TRUE(b.ui().listing.contains(QStringLiteral("0003组:  1.0039Ω")));
    for (int g = 1; g <= 3; ++g) EXPECT_EQ(b.s().records.at(g).number, g);
}

TEST(Read, TheExampleStoredGroupFrame) {
    Reading b(9);
    b.link().next_group = 7;
    b.receive(hex("007B00070118030F0E1E00D9"));
    const RecordStore& r = b.s().records;
    EXPECT_EQ(r.at(7), (Group{7, 123, 1, 24, 3, 15, 14, 30}));
    EXPECT_EQ(r.last_stored_group, 7);
    EXPECT_EQ(b.codes().back(), 8);
    EXPECT_FALSE(b.ui().battery_warning_visible)
        << "the battery of a stored group is not the live one";
}

TEST(Read, HundredGroupsRenderPageOneAt42AndAtTheEnd) {
    Reading b(100);
    b.deliver(1, 40);
    EXPECT_EQ(b.ui().listing, QString());
    b.s().history.current_page = 3;
    b.deliver(41, 41);
    EXPECT_EQ(b.link().next_group, 42);
    EXPECT_EQ(b.s().history.current_page, 1);
    const QString early = b.ui().listing;
    EXPECT_EQ(early, history_page_text(b.s().records, 1));
    EXPECT_TRUE(early.contains(QStringLiteral("0041组: ")));
    EXPECT_FALSE(early.contains(QStringLiteral("0042组: ")));
    EXPECT_TRUE(b.link().reading());

    b.s().main_window.listing_text = QStringLiteral("untouched");
    b.deliver(42, 99);
    EXPECT_EQ(b.ui().listing, QStringLiteral("untouched"));
    EXPECT_EQ(b.s().history.page_count, 3);
    b.deliver(100, 100);
    EXPECT_EQ(b.ui().listing, history_page_text(b.s().records, 1));
    EXPECT_TRUE(b.ui().listing.contains(QStringLiteral("0042组: ")));
    EXPECT_EQ(b.codes(), range(1, 100));
    EXPECT_EQ(b.s().history.page_count, 3);
    EXPECT_EQ(b.s().records.last_stored_group, 100);
}

TEST(Read, PageCountFollowsTheReportedTotal) {
    const struct {
        int groups;
        int32_t pages;
    } cases[] = {{1, 1}, {41, 1}, {42, 1}, {43, 2}, {84, 2}, {85, 3}};
    for (const auto& c : cases) {
        Reading b(c.groups);
        b.deliver(1, 1);
        EXPECT_EQ(b.s().history.page_count, c.pages) << c.groups;
    }
}

TEST(Read, WrongGroupsAndDuplicatesAreDropped) {
    Reading b(10);
    b.deliver(1, 4);
    ASSERT_EQ(b.link().next_group, 5);
    const std::vector<int32_t> sent = b.codes();
    const struct {
        const char* name;
        QByteArray frame;
    } drops[] = {
        {"duplicate of 4", group_frame(4, 999)},
        {"group 6 too early", group_frame(6)},
        {"group 5 as a measurement", test::reply_frame(55, 5, 0, 1)},
        {"group 5 as lead resistance", test::reply_frame(55, 5, 0, 3)},
    };
    for (const auto& d : drops) {
        SCOPED_TRACE(d.name);
        b.link().reply_seen = false;
        b.receive(d.frame);
        EXPECT_TRUE(b.link().reply_seen);
        EXPECT_EQ(b.link().next_group, 5);
        EXPECT_EQ(b.codes(), sent);
        EXPECT_EQ(b.s().records.last_stored_group, 4);
        EXPECT_EQ(b.s().records.at(4).milliohm, 1004);
        EXPECT_EQ(b.s().records.at(6).number, 0);
    }
}

TEST(Read, KindOneFrameDuringAReadOnlyCountsForTheLink) {
    Reading b(10);
    b.deliver(1, 2);
    b.link().reply_seen = false;
    const ProgramState before = b.s();
    const size_t written = b.line.written.size();
    b.receive(measurement_frame(30000, 77, 1));
    EXPECT_TRUE(b.link().reply_seen);
    EXPECT_EQ(b.line.written.size(), written);
    EXPECT_EQ(b.link().instrument_group_count, before.link.instrument_group_count);
    EXPECT_EQ(b.link().next_group, before.link.next_group);
    EXPECT_TRUE(b.link().reading());
    EXPECT_EQ(b.link().re_requests, before.link.re_requests);
    EXPECT_EQ(b.ui().reading_label, main_window_view(before).reading_label);
    EXPECT_EQ(b.ui().battery_warning_visible, main_window_view(before).battery_warning_visible);
    EXPECT_EQ(b.s().stats.avg_count, before.stats.avg_count);
    EXPECT_EQ(maximum_text(b.s().stats), maximum_text(before.stats));
    EXPECT_EQ(b.s().chart.chart_samples, before.chart.chart_samples);
    EXPECT_EQ(b.s().records.groups, before.records.groups);
    EXPECT_EQ(b.s().records.last_stored_group, before.records.last_stored_group);
    EXPECT_EQ(b.ui().listing, main_window_view(before).listing);
}

TEST(Read, PauseAtSeventeenThenContinue) {
    Reading b(30);
    b.deliver(1, 16);
    ASSERT_EQ(b.link().next_group, 17);
    ASSERT_EQ(b.codes().back(), 17);
    b.s().history.current_page = 2;
    on_read_clicked(b.program);  // pause
    EXPECT_EQ(b.ui().read_button, kContinue);
    EXPECT_EQ(b.link().resume_group, 17);
    EXPECT_FALSE(b.link().reading());
    EXPECT_EQ(b.s().history.current_page, 1);
    b.line.written.clear();
    for (int i = 0; i < 10; ++i) watch_read(b.program);
    EXPECT_TRUE(b.line.written.empty()) << "no re-requests while paused";

    b.s().history.current_page = 2;
    on_read_clicked(b.program);  // continue
    EXPECT_EQ(b.ui().read_button, kPause);
    EXPECT_TRUE(b.link().reading());
    EXPECT_EQ(b.codes(), std::vector<int32_t>{17});
    EXPECT_TRUE(b.ui().listing_visible);
    EXPECT_FALSE(b.ui().chart_visible);
    EXPECT_EQ(b.s().history.current_page, 1);
    b.deliver(17, 30);
    EXPECT_FALSE(b.link().reading());
    EXPECT_EQ(b.codes(), range(17, 30));
    EXPECT_EQ(b.s().records.last_stored_group, 30);
}

TEST(Read, ContinueDoesNotSwitchViews) {
    Reading b(30);
    b.deliver(1, 5);
    on_read_clicked(b.program);                     // pause
    b.s().main_window.work_view = WorkView::Chart;  // the chart brought back meanwhile
    on_read_clicked(b.program);                     // continue
    EXPECT_TRUE(b.ui().chart_visible);
    EXPECT_FALSE(b.ui().listing_visible);
    EXPECT_EQ(b.link().resume_group, 6);
}

TEST(Read, AGroupArrivingJustAfterThePauseIsTakenAsStatus) {
    Reading b(30);
    b.deliver(1, 16);
    on_read_clicked(b.program);  // pause
    b.receive(group_frame(17));
    EXPECT_EQ(b.link().instrument_group_count, 17);
    EXPECT_EQ(b.ui().reading_label, QStringLiteral("0.0000"));
    EXPECT_EQ(b.s().records.at(17).number, 0);
}

TEST(Read, TestButtonDuringAReadAbandonsIt) {
    Reading b(10);
    b.deliver(1, 3);
    on_test_clicked(b.program);
    EXPECT_FALSE(b.link().reading());
    EXPECT_EQ(b.ui().read_button, kRead);
    EXPECT_EQ(b.codes().back(), 40000);
    EXPECT_TRUE(b.ui().chart_visible);
    EXPECT_FALSE(b.ui().listing_visible);
    for (int g = 1; g <= 3; ++g) EXPECT_EQ(b.s().records.at(g).number, g);
    const size_t written = b.line.written.size();
    b.receive(group_frame(4));  // the answer to the last request, now an idle status
    EXPECT_EQ(b.s().records.at(4).number, 0);
    EXPECT_EQ(b.link().instrument_group_count, 4);
    EXPECT_EQ(b.line.written.size(), written);

    // The next read starts afresh at group 1.
    b.line.written.clear();
    on_read_clicked(b.program);
    EXPECT_EQ(b.codes(), std::vector<int32_t>{1});
}

TEST(Read, ClearDuringAReadEmptiesTheStoreAndTheReadRefillsIt) {
    Reading b(10);
    b.deliver(1, 5);
    b.s().history.current_page = 1;
    on_clear_clicked(b.program);
    EXPECT_EQ(b.ui().listing, QStringLiteral("   "));
    EXPECT_EQ(b.s().records.last_stored_group, 0);
    EXPECT_EQ(b.s().history.page_count, 0);
    EXPECT_TRUE(b.link().reading());
    EXPECT_EQ(b.link().next_group, 6);
    EXPECT_EQ(b.link().instrument_group_count, 10);
    for (int g = 0; g <= 5; ++g) {
        EXPECT_EQ(b.s().records.at(g), Group{});
    }
    b.deliver(6, 10);
    EXPECT_FALSE(b.link().reading());
    EXPECT_EQ(b.s().records.last_stored_group, 10);
    EXPECT_EQ(b.s().history.page_count, 1);
    EXPECT_EQ(b.s().records.at(1).number, 0);
    EXPECT_EQ(b.s().records.at(6).number, 6);
}

TEST(Read, NotLinkedShowsTheMessageAndSendsNothing) {
    for (ReadState before : {ReadState::Idle, ReadState::Reading, ReadState::Paused}) {
        SCOPED_TRACE(int(before));
        Bench b;
        b.receive(status_frame(5));  // a reply, but the supervision has not declared the link yet
        b.link().read_state = before;
        b.s().history.current_page = 3;
        on_read_clicked(b.program);
        ASSERT_EQ(b.messages.shown.size(), 1u);
        EXPECT_EQ(b.messages.shown[0].first, QStringLiteral("系统提示!"));
        EXPECT_EQ(b.messages.shown[0].second, QStringLiteral("连接失败."));
        EXPECT_EQ(b.ui().read_button, kRead);
        EXPECT_FALSE(b.link().reading());
        EXPECT_EQ(b.s().history.current_page, 1);
        EXPECT_TRUE(b.line.written.empty());
        EXPECT_TRUE(b.ui().chart_visible);
    }
}

TEST(Read, NoStoredDataShowsTheMessageAndStaysPaused) {
    for (int total : {0, 65535}) {
        SCOPED_TRACE(total);
        Bench b;
        b.link_up(total);
        on_read_clicked(b.program);
        ASSERT_EQ(b.messages.shown.size(), 1u);
        EXPECT_EQ(b.messages.shown[0].first, QStringLiteral("系统提示!"));
        EXPECT_EQ(b.messages.shown[0].second, QStringLiteral("仪表数据为0."));
        EXPECT_TRUE(b.link().reading());
        EXPECT_EQ(b.ui().read_button, kPause);
        EXPECT_TRUE(b.line.written.empty());
        EXPECT_TRUE(b.ui().listing_visible);
        on_read_clicked(b.program);  // the button ends that state
        EXPECT_EQ(b.ui().read_button, kContinue);
        EXPECT_FALSE(b.link().reading());
    }
}

TEST(Read, MoreThan10000GroupsEndsAfterGroup10000) {
    Reading b(12000);
    b.deliver(1, 9999);
    EXPECT_TRUE(b.link().reading());
    b.s().history.current_page = 5;
    b.deliver(10000, 10000);
    EXPECT_FALSE(b.link().reading());
    EXPECT_EQ(b.ui().read_button, kRead);
    EXPECT_EQ(b.link().resume_group, 1);
    EXPECT_EQ(b.link().read_progress, 0);
    EXPECT_EQ(b.s().history.current_page, 1);
    EXPECT_EQ(b.ui().listing, history_page_text(b.s().records, 1));
    EXPECT_EQ(b.s().records.last_stored_group, 10000);
    EXPECT_EQ(b.s().records.at(10000).number, 10000);
    const std::vector<int32_t> sent = b.codes();
    EXPECT_EQ(sent, range(1, 10000));
    // Nothing later asks for more: not the watchdog, not a stray frame.
    for (int i = 0; i < 10; ++i) watch_read(b.program);
    b.receive(group_frame(10001));
    EXPECT_EQ(b.codes(), sent);
    EXPECT_EQ(b.s().records.last_stored_group, 10000);

    // The instrument is emptied and then refilled: the read that finds no data keeps
    // next_group where the big read left it, and neither the watchdog nor a continue may turn
    // it into a request.
    b.line.written.clear();
    b.receive(status_frame(0));
    on_read_clicked(b.program);  // "仪表数据为0.", stays paused on "暂    停"
    ASSERT_TRUE(b.link().reading());
    for (int i = 0; i < 10; ++i) watch_read(b.program);
    on_read_clicked(b.program);  // pause
    ASSERT_EQ(b.ui().read_button, kContinue);
    b.receive(status_frame(50));
    on_read_clicked(b.program);  // continue
    for (int i = 0; i < 10; ++i) watch_read(b.program);
    for (int32_t code : b.codes()) EXPECT_LE(code, 10000);
}

TEST(Timer9, ActivityTextAndPageButtons) {
    Reading b(3);
    b.s().main_window.page_buttons_enabled = false;
    show_read_activity(b.program);
    EXPECT_EQ(b.ui().activity_label, QStringLiteral("正在读取....."));
    EXPECT_TRUE(b.ui().page_buttons_enabled);
    b.deliver(1, 3);
    show_read_activity(b.program);
    EXPECT_EQ(b.ui().activity_label, QString());
    EXPECT_TRUE(b.ui().page_buttons_enabled) << "the listing is still shown";

    on_verify_clicked(b.program);  // back to the chart
    show_read_activity(b.program);
    EXPECT_FALSE(b.ui().page_buttons_enabled);

    b.s().main_window.activity = Activity::Searching;
    show_read_activity(b.program);
    EXPECT_EQ(b.ui().activity_label, QStringLiteral("正在查找设备....")) << "other texts stay";
}

TEST(RemoteButtons, EachSendsItsCodeWhateverTheLink) {
    const struct {
        const char* name;
        void (*click)(Program&);
        int32_t code;
        bool shows_chart;
    } cases[] = {
        {"test", on_test_clicked, 40000, true},
        {"verify", on_verify_clicked, 51000, true},
        {"reset", on_reset_clicked, 43000, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Bench b;  // port open, not linked
        b.s().main_window.work_view = WorkView::Listing;
        c.click(b.program);
        EXPECT_EQ(b.codes(), std::vector<int32_t>{c.code});
        EXPECT_EQ(b.ui().chart_visible, c.shows_chart);
        EXPECT_EQ(b.ui().listing_visible, !c.shows_chart);
        EXPECT_TRUE(b.messages.shown.empty());

        Bench closed(test::kNoPorts);
        c.click(closed.program);
        EXPECT_TRUE(closed.line.written.empty());
    }
}

TEST(RemoteButtons, BacklightAlternatesOnAndOff) {
    Bench b;
    EXPECT_EQ(b.ui().backlight_button, QStringLiteral("开背光灯"));
    on_backlight_clicked(b.program);
    EXPECT_EQ(b.ui().backlight_button, QStringLiteral("关背光灯"));
    on_backlight_clicked(b.program);
    EXPECT_EQ(b.ui().backlight_button, QStringLiteral("开背光灯"));
    EXPECT_EQ(b.codes(), (std::vector<int32_t>{41000, 42000}));
    EXPECT_EQ(b.line.written[0], hex("6465A028"));
    EXPECT_EQ(b.line.written[1], hex("6465A410"));
}

}  // namespace
}  // namespace eqbond
