#pragma once
// The printed report: 168 groups a page in two columns under the headings, on a PrinterSink.
#include <QString>
#include <cstdint>
#include <functional>

namespace eqbond {

class PrinterSink;
struct Program;
struct RecordStore;

inline constexpr int kPrintGroupsPerPage = 168;

// Pages that n groups fill (n / 168, one more for a remainder); the dialog shows it.
int print_page_count(int groups);

// One page for groups p..q: a 20-point blank band, a blank line and the headings at 10 points,
// then ceil((q - p + 1) / 2) rows at 9.5 points, group i beside group i + rows. Starts no page
// itself; a reversed range prints the headings alone.
void print_report(PrinterSink& printer, const RecordStore& store, int16_t p, int16_t q);

enum class PrintOutcome { Printed, NoPrinter, Failed };

// The rows of one page for groups p..q: ceil((q - p + 1) / 2) rows, `row(i, j)` pairing group i
// with group j = i + rows, or -1 where that passes q. A reversed range has no rows.
void print_page_rows(PrinterSink& printer, int p, int q,
                     const std::function<QString(int left, int right)>& row);

// The top of a page: a 20-point blank band, `second_line` and `heading` at 10 points; leaves the
// printer at the rows' 9.5 points.
void print_page_top(PrinterSink& printer, const QString& second_line, const QString& heading);

// The job loop of the printed reports: `page(p, q)` for pages of 168 groups from first..last (no
// group lives below 1, so a range typed from below starts at group 1), a new page between them,
// then the end of the document. Stops at the first printer error and drops the document.
PrintOutcome print_pages(PrinterSink& printer, int first, int last,
                         const std::function<void(int p, int q)>& page);

// The whole job for groups first..last: 168 groups a page, a new page between them, then the
// end of the document. Stops at the first printer error and drops the document.
PrintOutcome print_job(PrinterSink& printer, const RecordStore& store, int16_t first, int16_t last);

// The print job on the program's printer, with a message when it cannot print.
void run_print_job(Program& p, int16_t first, int16_t last);

}  // namespace eqbond
