#pragma once
// A started program over the fake line; the instrument's side is played with its replies.
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
#include "support/instrument_replies.h"

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
