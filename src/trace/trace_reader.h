#pragma once
// Reads a wire trace back, for replaying it and for scripts written in C++ (the tests).
#include <QByteArray>
#include <QString>
#include <vector>

#include "trace/trace_format.h"

namespace eqbond::trace {

struct ParsedTrace {
    std::vector<TraceLine> lines;
    int bad_line = 0;  // number of the first line that could not be read; 0 = none
    QString expected;  // what that line should have held, and what it held
    bool ok() const { return expected.isEmpty(); }
};

// One line without its line end, read into `out`; false with `expected` filled when malformed.
bool parse_line(const QByteArray& text, TraceLine* out, QString* expected);

// Every line of a trace; comments ('#') and blank lines are skipped, times only go forward.
ParsedTrace parse_trace(const QByteArray& text);

// The file at `path`; a file that cannot be read is reported as line 0.
ParsedTrace read_trace(const QString& path);

}  // namespace eqbond::trace
