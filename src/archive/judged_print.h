#pragma once
// The printed report with a verdict beside every entry, for the archive's PDF and print.
#include <QString>
#include <cstdint>

#include "archive/group_limits.h"
#include "report/print_layout.h"

namespace eqbond {

class PrinterSink;
struct RecordStore;

struct JudgedPage {
    QString facts;  // the line above the headings on every page
    GroupLimits limits;
};

// As print_job: 168 groups a page in two columns, stopping at the first printer error.
PrintOutcome judged_print_job(PrinterSink& printer, const RecordStore& store,
                              const JudgedPage& page, int first, int last);

}  // namespace eqbond
