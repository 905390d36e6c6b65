#pragma once
// Turns what happens on the line and in the program into trace lines, stamped with the time since
// the trace started and the device of the port in use.
#include <QByteArray>
#include <QElapsedTimer>
#include <QString>
#include <cstdint>

#include "app/ports.h"
#include "trace/trace_format.h"

namespace eqbond::trace {

class TraceFile;

class TraceRecorder : public LinkObserver {
  public:
    explicit TraceRecorder(TraceFile& file);

    // The device the following lines name.
    void set_device(const QString& device);

    void written(const QByteArray& frame);
    void read(const QByteArray& chunk);
    void event(Event event, const QByteArray& details);

    void on_link_moment(LinkMoment moment, const Program& program) override;

  private:
    void put(TraceLine line);

    TraceFile& file_;
    QElapsedTimer clock_;  // monotonic
    QByteArray device_;
    int32_t last_code_ = -1;  // the request written last, to name what answers it
};

}  // namespace eqbond::trace
