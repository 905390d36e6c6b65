#pragma once
// The inspection report on a PrinterSink: the same pages as its PDF, the table's columns padded
// to the printer's grid of single-byte cells so that they line up on paper.
#include <vector>

#include "inspection/inspection_report.h"
#include "report/print_layout.h"

namespace eqbond {

class PrinterSink;

// Every page, a new page between them, then the end of the document. Stops at the first printer
// error and drops the document.
PrintOutcome print_inspection_report(PrinterSink& printer, const std::vector<ReportPage>& pages);

}  // namespace eqbond
