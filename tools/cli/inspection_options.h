#pragma once
// The inspection details and test plan given on the command line, checked before anything is
// read or changed, then given to a download in the archive.
#include <QString>
#include <QStringList>
#include <optional>

#include "inspection/qt_sqlite_inspections.h"
#include "inspection/test_plan.h"

namespace eqbond::cli {

struct InspectionOptions {
    std::optional<QString> site, location, inspector, instrument, notes;  // none: not given
    QString plan_path;                                                    // empty: no plan
    int32_t plan_from = 1;                                                // the plan's first group

    bool any_detail() const { return site || location || inspector || instrument || notes; }
};

// Why a limit given in ohm is refused, as a message says it.
QString limit_problem_text(LimitProblem problem);

// Every name acceptable and the plan readable: true with its labels in `plan`; false after a
// message saying what is wrong.
bool check_inspection_options(const InspectionOptions& options, QStringList* plan);

// Gives download `id` the details given (the others stay as they are) and the plan's labels,
// keeping the plan for the download's site and location. False after a message.
bool describe_download(QtSqliteInspections& archive, int64_t id, const InspectionOptions& options,
                       const QStringList& plan);

// What a download read now is given: the details and plan given, and the inspector and
// instrument given or else kept.
NewInspection new_inspection(const InspectionOptions& options, const QStringList& plan);

}  // namespace eqbond::cli
