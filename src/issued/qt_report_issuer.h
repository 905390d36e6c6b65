#pragma once
// Issuing a download's report from the local archive, for the command line and the window
// alike: the report as it would read now, compared with what was issued, then issued, given
// again, or refused for want of a reason.
#include <QStringList>
#include <optional>

#include "inspection/inspection_report.h"
#include "inspection/qt_sqlite_inspections.h"
#include "issued/qt_sqlite_issued.h"

namespace eqbond {

// The report of the archive's download as it reads now, with the saved standard, deterioration
// rule and, without `limit`, the saved bonding limit. None when the archive has no such download.
std::optional<InspectionReportInput> archived_report_input(QtSqliteInspections& archive,
                                                           int64_t download_id,
                                                           std::optional<BondingLimit> limit);

struct IssueRequest {
    int64_t download_id = 0;
    std::optional<BondingLimit> limit;  // none: the saved one
    QString reason;                     // for a new revision; trimmed, empty when none
};

enum class IssueResult {
    Issued,         // a new number, or a new revision of it
    AlreadyIssued,  // unchanged: the latest revision as issued
    NeedsReason,    // it would now say something else: `changes` say what
    NoDownload,
    BadSettings,  // `problem` says which setting
    BadReason,    // `problem` says why the reason cannot be kept
    Failed,       // the archive or the PDF writer failed
};

struct IssueOutcome {
    IssueResult result = IssueResult::Failed;
    std::optional<IssuedReport> report;
    QStringList changes;
    QString problem;
};

// What asking for the download's report comes to. The report is written in the language of the
// translations installed.
IssueOutcome issue_report(QtSqliteInspections& archive, QtSqliteIssued& issued,
                          const IssueRequest& request);

}  // namespace eqbond
