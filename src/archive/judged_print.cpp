#include "archive/judged_print.h"

#include "archive/archive_export.h"
#include "base/file_texts.h"
#include "base/ports.h"
#include "base/record_store.h"
#include "base/text_cells.h"
#include "base/texts.h"
#include "base/value_format.h"
#include "records/group_entry.h"
#include "report/report_row.h"

namespace eqbond {

namespace {
const QString kBlankMark(2, QLatin1Char(' '));
// The verdict takes six cells ("  合格" or "不合格"), the rest of the left column stays blank.
constexpr int kEntryCells = 39;
constexpr int kVerdictCells = 6;

QString blanks(int n) {
    return QString(n, QLatin1Char(' '));
}

QString judged_heading() {
    const QString half = QStringLiteral("组数") + blanks(5) + QStringLiteral("电阻值") + blanks(7) +
                         QStringLiteral("日期") + blanks(5) + QStringLiteral("时间") + blanks(6) +
                         file_text::kVerdictHeading;
    return half + blanks(kLeftColumnCells - kEntryCells - kVerdictCells) + half + blanks(1);
}

QString judged_entry(const RecordStore& store, int slot, const GroupLimits& limits) {
    const Group& group = store.at(slot);
    const QString verdict = verdict_text(limits.verdict(group));
    return group_entry(group, kBlankMark, measured_resistance(group.milliohm)) +
           blanks(kVerdictCells - cells_of(verdict)) + verdict;
}

QString judged_row(const RecordStore& store, int left, int right, const GroupLimits& limits) {
    QString row = store.shown(left) ? judged_entry(store, left, limits) +
                                          blanks(kLeftColumnCells - kEntryCells - kVerdictCells)
                                    : blanks(kLeftColumnCells);
    if (store.shown(right)) row += judged_entry(store, right, limits) + blanks(1);
    return row;
}

void print_judged_page(PrinterSink& printer, const RecordStore& store, const JudgedPage& page,
                       int p, int q) {
    print_page_top(printer, page.facts, judged_heading());
    print_page_rows(printer, p, q, [&](int left, int right) {
        return judged_row(store, left, right, page.limits);
    });
}
}  // namespace

PrintOutcome judged_print_job(PrinterSink& printer, const RecordStore& store,
                              const JudgedPage& page, int first, int last) {
    return print_pages(printer, first, last,
                       [&](int p, int q) { print_judged_page(printer, store, page, p, q); });
}

}  // namespace eqbond
