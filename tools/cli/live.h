#pragma once
#include <QStringList>

namespace eqbond::cli {

struct LiveOptions {
    QStringList ports;
    int timeout_seconds = 30;
    int count = 0;       // 0: until interrupted
    QString trace_path;  // empty: no wire trace
};

// Prints live readings as CSV lines on standard output. Returns the process exit code.
int run_live(const LiveOptions& options);

}  // namespace eqbond::cli
