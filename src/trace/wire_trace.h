#pragma once
// A wire trace of one program run: the file, the recorder and the traced line, put in the
// program's ports in place of the real line. Without one the program runs exactly as before.
#include <QString>
#include <memory>

#include "trace/trace_file.h"
#include "trace/trace_recorder.h"
#include "trace/tracing_serial_line.h"

namespace eqbond {
struct Program;
}

namespace eqbond::trace {

class WireTrace {
  public:
    // `line` is the real serial line; `recorded_by` names the program in the header.
    WireTrace(SerialLine& line, const QString& path, qint64 cap = TraceFile::kDefaultCap);

    // Creates the file; false with the reason when it cannot be written.
    bool open(const QByteArray& recorded_by, QString* error);
    // The traced line and the observer of link moments into the program's ports.
    void attach(Program& program);
    // The real line's events (errors), which reach the program beside the SerialLine interface.
    void note_port_event(PortEvent event) { line_.note_port_event(event); }

    TracingSerialLine& line() { return line_; }

  private:
    TraceFile file_;
    TraceRecorder recorder_;
    TracingSerialLine line_;
};

// For the programs' --trace options: a trace of `line` opened at `path`, or nothing with the
// reason in `error`.
std::unique_ptr<WireTrace> start_wire_trace(SerialLine& line, const QString& path,
                                            const QByteArray& recorded_by, QString* error);

}  // namespace eqbond::trace
