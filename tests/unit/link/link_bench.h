#pragma once
// A started program over the fake line, with helpers that play the instrument's side.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <map>
#include <optional>

#include "base/protocol.h"
#include "link/receive_dispatcher.h"
#include "link/supervision.h"
#include "program/startup.h"
#include "program/window_views.h"
#include "support/fake_ports.h"

namespace eqbond::test {

// A fake line that also logs the order of the port calls.
class LoggingLine : public FakeLine {
  public:
    QStringList log;
    void close() override {
        log << QStringLiteral("close");
        FakeLine::close();
    }
    void set_number(int port_number) override {
        log << QStringLiteral("number %1").arg(port_number);
        FakeLine::set_number(port_number);
    }
    OpenOutcome open() override {
        log << QStringLiteral("open");
        return FakeLine::open();
    }
    void configure() override {
        log << QStringLiteral("configure");
        FakeLine::configure();
    }
};

inline Reply reply_of(int value, int group, int battery, int kind, int minute = 30) {
    Reply r;
    r.value = value;
    r.group = group;
    r.battery = battery;
    r.year = 24;
    r.month = 3;
    r.day = 15;
    r.hour = 14;
    r.minute = minute;
    r.kind = kind;
    return r;
}

// Good frames of each kind. A stored group carries its number in its minute field (mod 60), so
// slots can be told apart.
inline QByteArray status_frame(int groups, int battery = 0) {
    return encode_reply(reply_of(0, groups, battery, kind::kStatus));
}
inline QByteArray measurement_frame(int milliohm, int groups = 5, int battery = 0) {
    return encode_reply(reply_of(milliohm, groups, battery, kind::kMeasurement));
}
inline QByteArray lead_frame(int milliohm, int groups = 5) {
    return encode_reply(reply_of(milliohm, groups, 0, kind::kLeadResistance));
}
inline QByteArray group_frame(int group, int milliohm = 123, int battery = 0) {
    return encode_reply(reply_of(milliohm, group, battery, kind::kStatus, group % 60));
}

inline QByteArray hex(const char* text) {
    return QByteArray::fromHex(QByteArray(text));
}

using PortOutcomes = std::map<int, OpenOutcome>;
inline const PortOutcomes kNoPorts{};

// The main window loaded once, with the given ports present.
struct Bench {
    LoggingLine line;
    FakeMessageBox messages;
    Program program;

    explicit Bench(PortOutcomes outcomes = {{2, OpenOutcome::Opened}}) {
        line.outcomes = std::move(outcomes);
        program.ports.line = &line;
        program.ports.message_box = &messages;
        load_main_window(program);
    }
    ProgramState& s() { return program.state; }
    LinkState& link() { return program.state.link; }
    const MainWindowView ui() const { return main_window_view(program.state); }

    // The port's receive event with `bytes` waiting.
    std::optional<Reply> receive(const QByteArray& bytes) {
        line.incoming += bytes;
        return on_receive(program, PortEvent::DataReceived);
    }

    // The instrument on the start-up port answers a status reply and Timer2 declares the link.
    void link_up(int groups) {
        receive(status_frame(groups));
        supervise_link(program);
        line.written.clear();
        line.log.clear();
    }

    std::vector<int32_t> codes() const { return line.codes(); }
};

}  // namespace eqbond::test
