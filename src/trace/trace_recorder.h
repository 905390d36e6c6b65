#pragma once
// Turns what happens on the line and in the program into trace lines, stamped with the time since
// the trace started and the device of the port in use.
#include <QByteArray>
#include <QElapsedTimer>
#include <QString>
#include <cstdint>

#include "base/ports.h"
#include "trace/trace_format.h"

namespace eqbond::trace {

class TraceFile;

class TraceRecorder : public LinkObserver {
  public:
    explicit TraceRecorder(TraceFile& file);

    // The device the following lines name.
    void set_device(const QString& device);

    // A frame about to be written: stamped now, put in the file once release_written() is
    // called after the write, so that the trace costs the frame no time on its way out, or
    // before any other line that comes first (an error the write raised).
    void written(const QByteArray& frame);
    void release_written();
    void read(const QByteArray& chunk);
    void event(Event event, const QByteArray& details);

    void on_link_moment(LinkMoment moment, const Program& program) override;

  private:
    // The line with the time and device, formatted.
    QByteArray stamped(TraceLine line) const;
    void put(TraceLine line);

    TraceFile& file_;
    QByteArray held_;      // the line of a frame on its way out
    QElapsedTimer clock_;  // monotonic
    QByteArray device_;
    int32_t last_code_ = -1;  // the request written last, to name what answers it
};

}  // namespace eqbond::trace
