#pragma once
// The program's serial line with the demo instrument standing at one COM number: that port is the
// in-process line, every other one the real line. The search, the port table, the supervision
// and the sender meet the demo as they meet any other port.
#include "base/serial_line.h"
#include "demo/demo_serial_line.h"
#include "link/port_table.h"

namespace eqbond::sim {

class LineWithDemo : public SerialLine {
  public:
    // Keeps `demo_port` of `table`, the real line's, for the demo: the system's devices are
    // placed around it, as around any device put at a fixed COM number.
    LineWithDemo(SerialLine& real_line, PortTable& table, int demo_port, SimulatorConfig config);

    DemoSerialLine& demo() { return demo_; }

    void close() override;
    void set_number(int port_number) override;
    OpenOutcome open() override { return current().open(); }
    void configure() override { current().configure(); }
    bool is_open() const override { return current().is_open(); }
    void write(const QByteArray& bytes) override { current().write(bytes); }
    QByteArray read(int max_bytes) override { return current().read(max_bytes); }
    void discard_input() override { current().discard_input(); }
    QString device_name(int port_number) const override;
    void rescan_ports() override { real_.rescan_ports(); }
    QString last_error() const override { return current().last_error(); }

  private:
    SerialLine& current() { return port_no_ == demo_port_ ? demo_ : real_; }
    const SerialLine& current() const {
        return port_no_ == demo_port_ ? static_cast<const SerialLine&>(demo_) : real_;
    }

    SerialLine& real_;
    DemoSerialLine demo_;
    int demo_port_;
    int port_no_ = 0;
};

}  // namespace eqbond::sim
