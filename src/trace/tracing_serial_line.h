#pragma once
// A serial line that records in a wire trace everything done through it, and passes every call
// on to the real line unchanged.
#include "base/serial_line.h"

namespace eqbond::trace {

class TraceRecorder;

class TracingSerialLine : public SerialLine {
  public:
    TracingSerialLine(SerialLine& line, TraceRecorder& recorder);

    // The port's own events, which reach the program beside this interface.
    void note_port_event(PortEvent event);

    void close() override;
    void set_number(int port_number) override;
    OpenOutcome open() override;
    void configure() override { line_.configure(); }
    bool is_open() const override { return line_.is_open(); }
    void write(const QByteArray& bytes) override;
    QByteArray read(int max_bytes) override;
    void discard_input() override;
    QString device_name(int port_number) const override { return line_.device_name(port_number); }
    void rescan_ports() override { line_.rescan_ports(); }
    QString last_error() const override { return line_.last_error(); }

  private:
    QByteArray com_name() const;

    SerialLine& line_;
    TraceRecorder& recorder_;
    int port_no_ = 0;
    bool seen_open_ = false;  // the port was open when the trace last looked
};

}  // namespace eqbond::trace
