#pragma once
// The program's link without a window: the core's state and handlers over the real serial line,
// with the timers that search, probe, poll and watch a read. The command-line tool and the
// integration tests drive the instrument through it exactly as the window does.
#include <QObject>
#include <functional>
#include <memory>

#include "base/program.h"
#include "demo/line_with_demo.h"
#include "link/port_table.h"
#include "link/system_serial_line.h"
#include "program/program_timers.h"
#include "trace/wire_trace.h"

namespace eqbond {

class LinkSession : public QObject {
    Q_OBJECT
  public:
    LinkSession(PortTable table, MessageBox& messages, QObject* parent = nullptr);
    ~LinkSession() override;

    Program& program() { return program_; }
    SystemSerialLine& line() { return line_; }

    // Puts a simulated instrument at COM`port`, answered inside this process on the demo line
    // as eqbond --demo answers; before trace_to() and start().
    void put_demo_instrument(int port, sim::SimulatorConfig config);

    // Records a wire trace of the session in `path`; before start(). False with the reason when
    // the file cannot be written.
    bool trace_to(const QString& path, const QByteArray& recorded_by, QString* error);

    // Runs the start-up routine and starts the timers; the search begins at COM`first_port`.
    void start(int first_port = 1);
    void stop();

    // Called with every good reply after the core has taken it.
    std::function<void(const Program&, const Reply&)> after_receive;

  private:
    void on_port_event(PortEvent event);

    Program program_;
    SystemSerialLine line_;
    std::unique_ptr<sim::LineWithDemo> demo_line_;
    std::unique_ptr<trace::WireTrace> trace_;
    ProgramTimers timers_;
};

}  // namespace eqbond
