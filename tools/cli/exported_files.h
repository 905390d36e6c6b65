#pragma once
// A download from an archive, local or team, as the files asked for.
#include <QString>
#include <optional>

#include "archive/bonding_limit.h"
#include "inspection/inspection.h"

namespace eqbond::cli {

struct ExportPaths {
    QString txt, csv, pdf;  // empty: not asked for
    bool any() const { return !txt.isEmpty() || !csv.isEmpty() || !pdf.isEmpty(); }
};

// Writes the text report, CSV and PDF asked for, the CSV with the previous values of its test
// points; kDone or kWriteFailed after a message.
int write_exported_files(const Inspection& download, const ExportPaths& paths,
                         std::optional<BondingLimit> limit, const PreviousValues& previous = {});

}  // namespace eqbond::cli
