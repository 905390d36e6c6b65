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

void print_page_top(PrinterSink& printer, const QString& second_line, const QString& heading) {
    printer.set_font(kSongTypeface, kBandPoints, kBold);
    printer.print_line(QString(21, QLatin1Char(' ')));
    printer.set_font(kSongTypeface, kHeadingPoints, kBold);
    printer.print_line(second_line);
    printer.print_line(heading);
    printer.set_font(kSongTypeface, kRowPoints, kBold);
}

void print_report(PrinterSink& printer, const RecordStore& store, int16_t p, int16_t q) {
    print_page_top(printer, QString(2, QLatin1Char(' ')), file_text::kPrintHeading);
    print_page_rows(printer, p, q, [&store](int left, int right) {
        return two_column_row(store, left, right, MissingLeft::Blank);
    });
}

void print_page_rows(PrinterSink& printer, int p, int q,
                     const std::function<QString(int left, int right)>& row) {
    const int groups = q - p + 1;
    const int rows = groups > 0 ? (groups + 1) / 2 : 0;
    for (int i = p; i < p + rows; ++i) {
        const int j = i + rows;
        printer.print_line(row(i, j <= q ? j : -1));
    }
}

PrintOutcome print_pages(PrinterSink& printer, int first, int last,
                         const std::function<void(int p, int q)>& page) {
    if (!printer.begin()) return printer.failed() ? PrintOutcome::Failed : PrintOutcome::NoPrinter;
    auto stopped = [&printer] {
        if (!printer.failed()) return false;
        printer.abort();
        return true;
    };
    int a = std::max(first, 1);
    while (last - a + 1 > kPrintGroupsPerPage) {
        page(a, a + kPrintGroupsPerPage - 1);
        if (stopped()) return PrintOutcome::Failed;
        printer.new_page();
        if (stopped()) return PrintOutcome::Failed;
        a += kPrintGroupsPerPage;
    }
    page(a, last);
    if (stopped()) return PrintOutcome::Failed;
    return printer.end_document() ? PrintOutcome::Printed : PrintOutcome::Failed;
}

PrintOutcome print_job(PrinterSink& printer, const RecordStore& store, int16_t first,
                       int16_t last) {
    return print_pages(printer, first, last,
                       [&](int p, int q) { print_report(printer, store, int16_t(p), int16_t(q)); });
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
