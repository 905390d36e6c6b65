// The wire trace over fakes: what it says each frame means, that the traced line changes nothing
// it passes on, and that its file stays within its cap.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "link/instrument_buttons.h"
#include "link/read_watchdog.h"
#include "program/startup.h"
#include "support/qstring_printer.h"
#include "trace/trace_file.h"
#include "trace/trace_reader.h"
#include "trace/wire_meaning.h"
#include "trace/wire_trace.h"
#include "unit/link/link_bench.h"

namespace eqbond {
namespace {

using test::group_frame;
using test::hex;
using test::status_frame;
using trace::Direction;
using trace::Event;
using trace::TraceLine;

TEST(WireMeaning, SaysWhatEachFrameMeans) {
    const struct {
        const char* bytes;
        int32_t last_code;  // the request before a reply; -1 for a command frame
        const char* meaning;
    } cases[] = {
        {"6465EA60", -1, "probe"},
        {"6465C350", -1, "poll"},
        {"6465012C", -1, "group 300"},
        {"64659C40", -1, "test"},
        {"6465C738", -1, "verify"},
        {"6465A7F8", -1, "reset"},
        {"6465A028", -1, "backlight on"},
        {"6465A410", -1, "backlight off"},
        {"6465AFC8", -1, "unknown code 45000"},
        {"007B00050018030F0E1E01D7", 50000,
         "measurement: 123 milliohm, 5 groups stored, battery good, 24/03/15 14:30, checksum good"},
        {"9C4100050018030F0E1E0139", 50000,
         "measurement: 40001 milliohm (overload), 5 groups stored, battery good, 24/03/15 14:30, "
         "checksum good"},
        {"007B00070118030F0E1E00D9", 7,
         "group 7: 123 milliohm, battery low, 24/03/15 14:30, checksum good"},
        {"007B00070118030F0E1E00D9", 8,
         "group 7: 123 milliohm, not the group asked for (8), battery low, 24/03/15 14:30, "
         "checksum good"},
        {"007B00070118030F0E1E00D9", 60000,
         "status: 7 groups stored, battery low, 24/03/15 14:30, checksum good"},
        {"0000FFFF0018030F0E1E0054", 60000,
         "status: no groups stored (65535), battery good, 24/03/15 14:30, checksum good"},
        {"005500050018030100000379", 50000,
         "lead resistance: 85 milliohm, 5 groups stored, battery good, 24/03/01 00:00, checksum "
         "good"},
        {"007C00050018030F0E1E01D7", 50000, "checksum bad: bytes 0-10 sum to D8, byte 11 is D7"},
        {"007B000500", 50000, "short read: 5 of 12 bytes"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes);
        const QByteArray bytes = hex(c.bytes);
        const QByteArray meaning = c.last_code < 0 ? trace::command_meaning(bytes)
                                                   : trace::reply_meaning(bytes, c.last_code);
        EXPECT_EQ(meaning.toStdString(), c.meaning);
    }
}

// The core over a fake line, traced into a file or not traced at all.
struct CoreOverFakes {
    test::FakeLine line;
    test::FakeMessageBox messages;
    Program program;
    std::unique_ptr<trace::WireTrace> wire_trace;

    explicit CoreOverFakes(const QString& trace_path = {}) {
        line.outcomes = {{2, OpenOutcome::Opened}};
        program.ports.line = &line;
        program.ports.message_box = &messages;
        if (!trace_path.isEmpty()) {
            QString error;
            wire_trace = trace::start_wire_trace(line, trace_path, "unit test", &error);
            EXPECT_TRUE(wire_trace) << error.toStdString();
            if (wire_trace) wire_trace->attach(program);
        }
    }
    void receive(const QByteArray& bytes) {
        line.incoming += bytes;
        on_receive(program, PortEvent::DataReceived);
    }
};

// Start-up, the link found, a read of three groups with one broken frame, the link lost.
std::vector<QByteArray> play_session(CoreOverFakes& r) {
    const QByteArray broken = QByteArray(1, char(0x55)) + group_frame(1).left(11);
    std::vector<QByteArray> sent = {status_frame(3), broken, group_frame(1), group_frame(2),
                                    group_frame(3)};
    load_main_window(r.program);
    supervise_link(r.program);  // probe
    r.receive(sent[0]);
    supervise_link(r.program);  // linked
    on_read_clicked(r.program);
    r.receive(sent[1] + group_frame(1).right(1));  // dropped with the tail that follows it
    watch_read(r.program);
    watch_read(r.program);  // re-requests group 1
    for (size_t i = 2; i < sent.size(); ++i) r.receive(sent[i]);
    for (int tick = 0; tick < 8; ++tick) supervise_link(r.program);  // silent: the link is lost
    return sent;
}

TEST(TracedLine, ChangesNothingItPassesOnAndRecordsEveryFrameAndMoment) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("wire.trace"));
    CoreOverFakes plain;
    CoreOverFakes traced(path);
    play_session(plain);
    const std::vector<QByteArray> sent = play_session(traced);

    EXPECT_EQ(traced.line.written, plain.line.written);
    EXPECT_EQ(traced.line.opens, plain.line.opens);
    EXPECT_EQ(traced.line.closes, plain.line.closes);
    EXPECT_EQ(traced.line.discards, plain.line.discards);
    EXPECT_EQ(traced.program.state.records.last_stored_group, 3);
    EXPECT_EQ(main_window_view(traced.program.state).link_status_label,
              main_window_view(plain.program.state).link_status_label);
    EXPECT_EQ(main_window_view(traced.program.state).port_name_label,
              main_window_view(plain.program.state).port_name_label);

    const trace::ParsedTrace recorded = trace::read_trace(path);
    ASSERT_TRUE(recorded.ok()) << recorded.bad_line << ": " << recorded.expected.toStdString();
    std::vector<QByteArray> written, read, moments;
    for (const TraceLine& line : recorded.lines) {
        if (line.direction == Direction::Written) written.push_back(line.bytes);
        if (line.direction == Direction::Read) read.push_back(line.bytes);
        if (line.direction == Direction::Event) moments.push_back(trace::event_name(line.event));
    }
    EXPECT_EQ(written, traced.line.written);
    EXPECT_EQ(read, sent) << "each chunk as the program read it";
    const std::vector<QByteArray> expected_moments = {"opened",    "link-found",    "read-started",
                                                      "discarded", "read-finished", "link-lost",
                                                      "closed",    "open-failed"};
    EXPECT_EQ(moments, expected_moments);
    EXPECT_EQ(recorded.lines.front().device, "/dev/fake2");
    EXPECT_EQ(recorded.lines.back().device, "COM7") << "a COM number without a device";
}

TEST(TraceFile, AtItsCapBecomesFileDot1AndStartsAgain) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("wire.trace"));
    const QByteArray header = "# header\n";
    constexpr qint64 kCap = 1000;
    trace::TraceFile file(path, kCap);
    ASSERT_TRUE(file.open(header, nullptr));
    for (int i = 0; i < 100; ++i) file.write(QByteArray::number(i).rightJustified(19, '.') + '\n');

    QFile current(path), older(path + QStringLiteral(".1"));
    ASSERT_TRUE(current.open(QIODevice::ReadOnly) && older.open(QIODevice::ReadOnly));
    const QByteArray now = current.readAll(), before = older.readAll();
    EXPECT_LE(now.size(), kCap);
    EXPECT_LE(before.size(), kCap);
    EXPECT_TRUE(now.startsWith(header) && before.startsWith(header));
    EXPECT_TRUE(now.endsWith("99\n"));
    // No line is lost between the two files: the current one goes on where the older one ends.
    const QList<QByteArray> before_lines = before.trimmed().split('\n');
    const QList<QByteArray> now_lines = now.trimmed().split('\n');
    const auto number = [](QByteArray line) { return line.replace('.', "").toInt(); };
    EXPECT_EQ(number(before_lines.back()) + 1, number(now_lines[1]));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 2) << "one rotation kept";
}

}  // namespace
}  // namespace eqbond
