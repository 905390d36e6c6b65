#pragma once
// A download from the archive as the program's own files: the save button's text report, the
// CSV file and the printed report, judged against the bonding limit when one is given.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "archive/bonding_limit.h"
#include "archive/download.h"
#include "archive/group_limits.h"
#include "report/print_layout.h"

namespace eqbond {

class PrinterSink;
struct RecordStore;

// The record store as the read left it, for the reports that read the store.
RecordStore store_of(const std::vector<Group>& groups);

struct Verdicts {
    int passing = 0;
    int failing = 0;
};
// The groups that have a limit, passing and failing it.
Verdicts count_verdicts(const std::vector<Group>& groups, const GroupLimits& limits);

// "合格", "不合格", or empty for a group without a limit.
QString verdict_text(Verdict verdict);

// Byte for byte what the save button writes after this read.
QByteArray archived_text_report(const ArchivedDownload& download);

// Columns a caller adds after the program's own: their headings and each group's fields.
struct CsvColumns {
    QStringList headings;
    std::function<QStringList(const Group&)> fields;
};

// The CSV file of every group; with a limit (the bonding limit or a group's own), one more column
// "判定" with the verdict, after it the `more` columns, if any, and last, when some group has a
// limit of its own, the limit each group was judged by.
QByteArray archived_csv(const ArchivedDownload& download, std::optional<BondingLimit> limit,
                        const CsvColumns* more = nullptr);

// The printed report of every group; with a limit, each entry carries its measured value and
// verdict and every page says when and where it was read, the limit and the counts.
PrintOutcome print_archived(PrinterSink& printer, const ArchivedDownload& download,
                            std::optional<BondingLimit> limit);

// "2025-03-15 14:30:05" and "COM2 /dev/ttyUSB0", as the window and the reports show them.
QString started_text(const Download& download);
QString device_text(const Download& download);

}  // namespace eqbond
