#pragma once
#include <QString>
#include <QStringList>
#include <optional>

#include "cli/inspection_options.h"

namespace eqbond::cli {

struct DownloadOptions {
    QStringList ports;  // empty: the system's serial ports
    int timeout_seconds = 30;
    QString txt_path, csv_path, pdf_path;
    std::optional<int> first, last;
    QString archive_file;  // empty: --no-archive
    QString trace_path;    // empty: no wire trace
    InspectionOptions inspection;
};

// Finds the instrument, reads every stored group as the read button does, archives the read with
// its inspection details and plan, and writes the files asked for. The inspector and instrument
// given are kept as the next download's; not given, the kept ones are used. Returns the process
// exit code.
int run_download(const DownloadOptions& options);

}  // namespace eqbond::cli
