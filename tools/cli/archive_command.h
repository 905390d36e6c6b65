#pragma once
#include <QString>
#include <optional>

#include "archive/bonding_limit.h"
#include "cli/inspection_options.h"
#include "language/interface_language.h"

namespace eqbond {
class ArchiveFile;
class QtSqliteFile;
}  // namespace eqbond

namespace eqbond::cli {

enum class ArchiveAction { List, Export, Delete, Describe, Label, Report, Reports, Sites };

struct ArchiveOptions {
    ArchiveAction action = ArchiveAction::List;
    QString file;    // the archive
    int64_t id = 0;  // the download to export, delete, describe, label or report
    QString txt_path, csv_path, pdf_path;
    std::optional<BondingLimit> limit;
    InspectionOptions inspection;  // describe and label; list takes its site
    // label --group N --point TEXT [--limit OHM]: one group's test point and own limit.
    std::optional<int32_t> group;
    QString point;
    std::optional<JudgedLimit> point_limit;
    std::optional<Language> language;  // the report's; none: the interface's saved language
    std::optional<QString> reason;     // report: why a changed report is issued again
    std::optional<int> revision;       // report: an earlier revision's bytes
};

// eqbond-cli archive list | export ID | delete ID | describe ID | label ID | report ID | reports
// | sites.
// Returns the process exit code.
int run_archive(const ArchiveOptions& options);

// Opens the archive at `file`; false after a message naming the file and the reason.
bool open_archive(QtSqliteFile& archive, const QString& file);

// Prints the archive's fault, naming its file and the reason.
void print_archive_fault(const ArchiveFile& archive);

}  // namespace eqbond::cli
