#pragma once
// Issued reports from the command line: archive report ID (issue, give again, amend, or write an
// earlier revision), archive reports (the list) and report verify FILE.
#include <QString>
#include <optional>

#include "cli/archive_command.h"

namespace eqbond {
class QtSqliteInspections;
}

namespace eqbond::cli {

// archive report ID: the first line on standard output names the number and revision.
int issue_archive_report(QtSqliteFile& file, QtSqliteInspections& archive,
                         const ArchiveOptions& options);

// archive reports [--site NAME]: one line per issued revision.
int list_issued_reports(QtSqliteFile& file, const ArchiveOptions& options);

// Exit codes of report verify: the file is an issued revision's bytes, or it is not. With
// `server`, the team archive's reports are asked instead of the local archive's.
int verify_report(const QString& pdf, const QString& archive_file,
                  const std::optional<QString>& server);

}  // namespace eqbond::cli
