// The real serial line over a pseudo-terminal: command frames reach the instrument byte for
// byte, reply frames come back as one receive event per 12 bytes, and the line survives the
// device vanishing.
#include <gtest/gtest.h>

#include <vector>

#include "base/program.h"
#include "integration/support/linked_instrument.h"
#include "integration/support/wait.h"
#include "link/command_sender.h"
#include "link/qt_serial_line.h"
#include "sim/stored_groups.h"
#include "support/instrument_replies.h"

namespace eqbond::test {
namespace {

constexpr int kDeadlineMs = 5000;

QByteArray bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (int v : values) out.append(char(v));
    return out;
}

// The line opened on the instrument through open_next_port, as the program opens it.
struct OpenLine {
    QtSerialLine line;
    Program program;
    std::vector<QByteArray> frames_read;  // what each receive event read
    int error_events = 0;

    explicit OpenLine(const QString& device) : line(PortTable::fixed({device})) {
        program.ports.line = &line;
        program.state.link.port_number = 0;  // open_next_port steps to COM1
        program.state.link.sender_free = true;
        open_next_port(program);
        line.set_event_handler([this](PortEvent event) {
            if (event == PortEvent::Error) ++error_events;
            if (event == PortEvent::DataReceived) frames_read.push_back(line.read(12));
        });
    }
    void send(int32_t code) {
        program.state.link.pending_command = code;
        send_command(program);
    }
};

TEST(SerialLine, CommandFramesArriveByteExact) {
    LinkedInstrument instrument({});
    ASSERT_TRUE(instrument.start());
    OpenLine open(instrument.path());
    ASSERT_TRUE(open.line.is_open());
    const struct {
        int32_t code;
        QByteArray frame;
    } cases[] = {
        {60000, bytes({0x64, 0x65, 0xEA, 0x60})}, {50000, bytes({0x64, 0x65, 0xC3, 0x50})},
        {1, bytes({0x64, 0x65, 0x00, 0x01})},     {300, bytes({0x64, 0x65, 0x01, 0x2C})},
        {43000, bytes({0x64, 0x65, 0xA7, 0xF8})}, {40000, bytes({0x64, 0x65, 0x9C, 0x40})},
        {41000, bytes({0x64, 0x65, 0xA0, 0x28})}, {42000, bytes({0x64, 0x65, 0xA4, 0x10})},
        {51000, bytes({0x64, 0x65, 0xC7, 0x38})}, {10000, bytes({0x64, 0x65, 0x27, 0x10})},
    };
    QByteArray expected;
    for (const auto& c : cases) {
        open.send(c.code);
        expected += c.frame;
    }
    ASSERT_TRUE(wait_until([&] { return instrument->received_bytes().size() >= expected.size(); },
                           kDeadlineMs));
    EXPECT_EQ(instrument->received_bytes().toHex(' '), expected.toHex(' '));
    EXPECT_FALSE(instrument->backlight_on());  // 41000 then 42000
}

TEST(SerialLine, EachTwelveBytesRaiseOneReceiveEventWithThoseBytes) {
    LinkedInstrument instrument({});
    ASSERT_TRUE(instrument.start());
    OpenLine open(instrument.path());
    const std::vector<QByteArray> replies = {
        bytes({0x00, 0x7B, 0x00, 0x05, 0x00, 0x18, 0x03, 0x0F, 0x0E, 0x1E, 0x01, 0xD7}),
        bytes({0x00, 0x7B, 0x00, 0x07, 0x01, 0x18, 0x03, 0x0F, 0x0E, 0x1E, 0x00, 0xD9}),
        bytes({0x9C, 0x41, 0x00, 0x05, 0x00, 0x18, 0x03, 0x0F, 0x0E, 0x1E, 0x01, 0x39}),
        bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xF5}),
    };
    // Two frames in one write, then one frame in three pieces.
    instrument->send_raw(replies[0] + replies[1]);
    ASSERT_TRUE(wait_until([&] { return open.frames_read.size() >= 2; }, kDeadlineMs));
    instrument->send_raw(replies[2].left(5));
    instrument->send_raw(replies[2].mid(5, 6));
    instrument->send_raw(replies[2].mid(11) + replies[3]);
    ASSERT_TRUE(wait_until([&] { return open.frames_read.size() >= 4; }, kDeadlineMs));
    ASSERT_EQ(open.frames_read.size(), replies.size());
    for (size_t i = 0; i < replies.size(); ++i) {
        EXPECT_EQ(open.frames_read[i].toHex(' '), replies[i].toHex(' ')) << "frame " << i;
    }
}

TEST(SerialLine, RepliesPacedAtNineThousandSixHundredBaudArriveWhole) {
    sim::SimulatorConfig config;
    config.groups = sim::generate_groups(6, 3);
    config.paced = true;
    LinkedInstrument instrument(config);
    ASSERT_TRUE(instrument.start());
    OpenLine open(instrument.path());
    for (int group = 1; group <= 6; ++group) {
        open.send(group);
        ASSERT_TRUE(wait_until([&] { return int(open.frames_read.size()) >= group; }, kDeadlineMs));
        const sim::StoredGroup& g = config.groups[size_t(group - 1)];
        const QByteArray expected = reply_frame(g.value, group, g.battery, kind::kStatus,
                                                {g.year, g.month, g.day, g.hour, g.minute});
        EXPECT_EQ(open.frames_read.back().toHex(' '), expected.toHex(' ')) << "group " << group;
    }
}

TEST(SerialLine, DiscardingAfterABrokenFrameRealignsTheNextOne) {
    LinkedInstrument instrument({});
    ASSERT_TRUE(instrument.start());
    OpenLine open(instrument.path());
    const QByteArray good =
        bytes({0x00, 0x7B, 0x00, 0x05, 0x00, 0x18, 0x03, 0x0F, 0x0E, 0x1E, 0x01, 0xD7});
    open.line.set_event_handler([&](PortEvent event) {
        if (event != PortEvent::DataReceived) return;
        const QByteArray frame = open.line.read(12);
        open.frames_read.push_back(frame);
        if (!checksum_ok(frame)) open.line.discard_input();
    });
    // Three noise bytes shift the frame: its first read is broken, its tail must not spoil the
    // next. The instrument repeats the frame, as the program's request is repeated, until a
    // read comes out whole.
    instrument->send_raw(bytes({0x11, 0x22, 0x33}) + good);
    QTimer repeat;
    QObject::connect(&repeat, &QTimer::timeout, [&] { instrument->send_raw(good); });
    repeat.start(10);
    ASSERT_TRUE(wait_until(
        [&] { return !open.frames_read.empty() && checksum_ok(open.frames_read.back()); },
        kDeadlineMs));
    repeat.stop();
    ASSERT_GE(open.frames_read.size(), 2u);
    EXPECT_FALSE(checksum_ok(open.frames_read.front()));
    for (size_t i = 1; i < open.frames_read.size(); ++i) {
        // Only whole frames after the realignment: no read starts inside a frame.
        EXPECT_EQ(open.frames_read[i].toHex(' '), good.toHex(' ')) << "read " << i;
    }
}

TEST(SerialLine, UnpluggedDeviceClosesThePortAndItOpensAgainWhenBack) {
    LinkedInstrument instrument({});
    ASSERT_TRUE(instrument.start());
    OpenLine open(instrument.path());
    ASSERT_TRUE(open.line.is_open());
    instrument->unplug();
    ASSERT_TRUE(wait_until([&] { return !open.line.is_open(); }, kDeadlineMs));
    EXPECT_GE(open.error_events, 1);
    open.line.close();
    open.line.set_number(1);
    EXPECT_EQ(open.line.open(), OpenOutcome::InvalidNumber);  // the device is gone

    ASSERT_TRUE(instrument->plug_in());
    open.line.set_number(1);
    EXPECT_EQ(open.line.open(), OpenOutcome::Opened);
    open.line.configure();
    open.send(60000);
    ASSERT_TRUE(wait_until([&] { return !instrument->received_codes().empty(); }, kDeadlineMs));
    EXPECT_EQ(instrument->received_codes().back(), 60000);
}

}  // namespace
}  // namespace eqbond::test
