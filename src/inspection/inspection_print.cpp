#include "inspection/inspection_print.h"

#include <algorithm>

#include "base/ports.h"
#include "base/song_typeface.h"
#include "base/text_cells.h"

namespace eqbond {

namespace {
constexpr int kColumnGap = 3;  // cells between two table columns

// Each table column as wide as its widest cell on any page, so that pages line up alike.
std::vector<int> column_widths(const std::vector<ReportPage>& pages) {
    std::vector<int> widths;
    for (const ReportPage& page : pages) {
        for (const ReportLine& line : page) {
            if (!in_table(line)) continue;
            widths.resize(std::max(widths.size(), size_t(line.cells.size())));
            for (int i = 0; i < line.cells.size(); ++i)
                widths[size_t(i)] = std::max(widths[size_t(i)], cells_of(line.cells[i]));
        }
    }
    return widths;
}

QString table_line(const QStringList& cells, const std::vector<int>& widths) {
    QString line;
    for (int i = 0; i < cells.size(); ++i) {
        line += cells[i];
        if (i + 1 < cells.size())
            line += QString(widths[size_t(i)] - cells_of(cells[i]) + kColumnGap, QLatin1Char(' '));
    }
    return line;
}

void print_page(PrinterSink& printer, const ReportPage& page, const std::vector<int>& widths) {
    for (const ReportLine& line : page) {
        const bool title = line.kind == ReportLineKind::Title;
        printer.set_font(kSongTypeface, title ? kReportTitlePoints : kReportBodyPoints,
                         bold_line(line));
        if (line.kind == ReportLineKind::QrCode) {
            // No symbol on the printer's lines: the text a phone would have read from it.
            for (const QString& part : line.cells.value(0).split(QLatin1Char('\n')))
                printer.print_line(part);
            continue;
        }
        if (line.kind == ReportLineKind::Letterhead) {
            // No logo on the printer's lines; the texts one a line, the file's name left out.
            for (const QString& part : line.cells.mid(0, 4))
                if (!part.isEmpty()) printer.print_line(part);
            continue;
        }
        printer.print_line(in_table(line) ? table_line(line.cells, widths) : line.cells.value(0));
    }
}
}  // namespace

PrintOutcome print_inspection_report(PrinterSink& printer, const std::vector<ReportPage>& pages) {
    if (!printer.begin()) return printer.failed() ? PrintOutcome::Failed : PrintOutcome::NoPrinter;
    const std::vector<int> widths = column_widths(pages);
    for (size_t i = 0; i < pages.size(); ++i) {
        if (i > 0) printer.new_page();
        print_page(printer, pages[i], widths);
        if (printer.failed()) {
            printer.abort();
            return PrintOutcome::Failed;
        }
    }
    return printer.end_document() ? PrintOutcome::Printed : PrintOutcome::Failed;
}

}  // namespace eqbond
