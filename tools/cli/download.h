#pragma once
#include <QString>
#include <QStringList>
#include <optional>

namespace eqbond::cli {

struct DownloadOptions {
    QStringList ports;  // empty: the system's serial ports
    int timeout_seconds = 30;
    QString txt_path, csv_path, pdf_path;
    std::optional<int> first, last;
    QString archive_file;  // empty: --no-archive
    QString trace_path;    // empty: no wire trace
};

// Finds the instrument, reads every stored group as the read button does, archives the read and
// writes the files asked for. Returns the process exit code.
int run_download(const DownloadOptions& options);

}  // namespace eqbond::cli
