#include "trace/wire_trace.h"

#include <QDateTime>

#include "base/program.h"

namespace eqbond::trace {

WireTrace::WireTrace(SerialLine& line, const QString& path, qint64 cap)
    : file_(path, cap), recorder_(file_), line_(line, recorder_) {}

bool WireTrace::open(const QByteArray& recorded_by, QString* error) {
    return file_.open(header_lines(recorded_by, QDateTime::currentDateTime()), error);
}

void WireTrace::attach(Program& program) {
    program.ports.line = &line_;
    program.ports.link_observer = &recorder_;
}

std::unique_ptr<WireTrace> start_wire_trace(SerialLine& line, const QString& path,
                                            const QByteArray& recorded_by, QString* error) {
    auto trace = std::make_unique<WireTrace>(line, path);
    QString reason;
    if (!trace->open(recorded_by, &reason)) {
        if (error) *error = QStringLiteral("cannot write the trace %1: %2").arg(path, reason);
        return nullptr;
    }
    return trace;
}

}  // namespace eqbond::trace
