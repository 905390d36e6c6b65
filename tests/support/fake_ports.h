#pragma once
// Fakes of the core's ports that record what the handlers asked for.
#include <QByteArray>
#include <QString>
#include <deque>
#include <map>
#include <vector>

#include "base/program.h"
#include "base/protocol.h"
#include "base/serial_line.h"
#include "base/texts.h"
#include "program/window_views.h"

namespace eqbond::test {

class FakeLine : public SerialLine {
  public:
    // Open outcome per COM number; numbers not listed are invalid.
    std::map<int, OpenOutcome> outcomes;
    std::vector<QByteArray> written;
    QByteArray incoming;
    int number = 0;
    bool open_ = false;
    int opens = 0, closes = 0, configures = 0, discards = 0, rescans = 0;

    void close() override {
        ++closes;
        open_ = false;
    }
    void set_number(int port_number) override { number = port_number; }
    OpenOutcome open() override {
        ++opens;
        auto it = outcomes.find(number);
        const OpenOutcome outcome = it == outcomes.end() ? OpenOutcome::InvalidNumber : it->second;
        open_ = outcome == OpenOutcome::Opened;
        return outcome;
    }
    void configure() override { ++configures; }
    bool is_open() const override { return open_; }
    void write(const QByteArray& bytes) override { written.push_back(bytes); }
    QByteArray read(int max_bytes) override {
        const QByteArray out = incoming.left(max_bytes);
        incoming.remove(0, out.size());
        return out;
    }
    void discard_input() override {
        ++discards;
        incoming.clear();
    }
    QString device_name(int port_number) const override {
        return outcomes.count(port_number) ? QStringLiteral("/dev/fake%1").arg(port_number)
                                           : QString();
    }
    void rescan_ports() override { ++rescans; }

    // Command codes written so far, in order.
    std::vector<int32_t> codes() const {
        std::vector<int32_t> out;
        for (const QByteArray& frame : written) out.push_back(command_code(frame));
        return out;
    }
};

class FakeMessageBox : public MessageBox {
  public:
    std::vector<std::pair<QString, QString>> shown;
    void show(const QString& title, const QString& text) override {
        shown.emplace_back(title, text);
    }
    std::optional<QString> typed;  // the answer to ask_text; nothing: cancelled
    std::vector<QString> asked;
    std::optional<QString> ask_text(const QString&, const QString& text) override {
        asked.push_back(text);
        return typed;
    }
};

// A program over fakes, with the line opened at `port` by the start-up routine's open_next_port.
struct FakeProgram {
    FakeLine line;
    FakeMessageBox messages;
    Program program;
    FakeProgram() {
        program.ports.line = &line;
        program.ports.message_box = &messages;
    }
    ProgramState& state() { return program.state; }
};

}  // namespace eqbond::test
