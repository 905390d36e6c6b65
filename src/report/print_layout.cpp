#include "report/print_layout.h"

#include <algorithm>

#include "base/file_texts.h"
#include "base/program.h"
#include "base/song_typeface.h"
#include "base/texts.h"
#include "report/report_row.h"

namespace eqbond {

namespace {
constexpr double kBandPoints = 20.0;
constexpr double kHeadingPoints = 10.0;
constexpr double kRowPoints = 9.5;
constexpr bool kBold = true;
}  // namespace

int print_page_count(int groups) {
    return groups / kPrintGroupsPerPage + (groups % kPrintGroupsPerPage != 0 ? 1 : 0);
}

void print_report(PrinterSink& printer, const RecordStore& store, int16_t p, int16_t q) {
    printer.set_font(kSongTypeface, kBandPoints, kBold);
    printer.print_line(QString(21, QLatin1Char(' ')));
    printer.set_font(kSongTypeface, kHeadingPoints, kBold);
    printer.print_line(QString(2, QLatin1Char(' ')));
    printer.print_line(file_text::kPrintHeading);
    printer.set_font(kSongTypeface, kRowPoints, kBold);

    const int groups = int(q) - int(p) + 1;
    const int rows = groups > 0 ? (groups + 1) / 2 : 0;
    const int last_left = int(p) + rows - 1;
    for (int i = p; i <= last_left; ++i) {
        const int j = i + rows;
        printer.print_line(two_column_row(store, i, j <= q ? j : -1, MissingLeft::Blank));
    }
}

PrintOutcome print_job(PrinterSink& printer, const RecordStore& store, int16_t first,
                       int16_t last) {
    if (!printer.begin()) return printer.failed() ? PrintOutcome::Failed : PrintOutcome::NoPrinter;
    auto stopped = [&printer] {
        if (!printer.failed()) return false;
        printer.abort();
        return true;
    };
    // No group lives below 1: a range typed from below starts its first page at group 1, so it
    // prints no pages of bare headings.
    int a = std::max<int>(first, 1);
    while (int(last) - a + 1 > kPrintGroupsPerPage) {
        print_report(printer, store, int16_t(a), int16_t(a + kPrintGroupsPerPage - 1));
        if (stopped()) return PrintOutcome::Failed;
        printer.new_page();
        if (stopped()) return PrintOutcome::Failed;
        a += kPrintGroupsPerPage;
    }
    print_report(printer, store, int16_t(a), last);
    if (stopped()) return PrintOutcome::Failed;
    return printer.end_document() ? PrintOutcome::Printed : PrintOutcome::Failed;
}

void run_print_job(Program& p, int16_t first, int16_t last) {
    PrintOutcome outcome = PrintOutcome::NoPrinter;
    if (p.ports.printer) outcome = print_job(*p.ports.printer, p.state.records, first, last);
    if (outcome == PrintOutcome::NoPrinter) {
        p.ports.message_box->notify(text::kMessageTitle, text::kNoPrinterMessage);
    } else if (outcome == PrintOutcome::Failed) {
        p.ports.message_box->notify(text::kMessageTitle, text::kPrintFailedMessage);
    }
}

}  // namespace eqbond
