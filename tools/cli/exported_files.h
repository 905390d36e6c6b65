#pragma once
// A download from an archive, local or team, as the files asked for.
#include <QString>
#include <optional>

#include "archive/bonding_limit.h"
#include "archive/download.h"

namespace eqbond::cli {

struct ExportPaths {
    QString txt, csv, pdf;  // empty: not asked for
    bool any() const { return !txt.isEmpty() || !csv.isEmpty() || !pdf.isEmpty(); }
};

// Writes the text report, CSV and PDF asked for; kDone or kWriteFailed after a message.
int write_exported_files(const ArchivedDownload& download, const ExportPaths& paths,
                         std::optional<BondingLimit> limit);

}  // namespace eqbond::cli
