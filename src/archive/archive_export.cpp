#include "archive/archive_export.h"

#include "archive/judged_print.h"
#include "base/file_texts.h"
#include "base/protocol.h"
#include "base/record_store.h"
#include "report/csv_report.h"
#include "report/text_report.h"

namespace eqbond {

namespace {
int last_group_of(const ArchivedDownload& download) {
    return download.groups.empty() ? 0 : download.groups.back().group_no;
}
}  // namespace

RecordStore store_of(const std::vector<ArchivedGroup>& groups) {
    RecordStore store;
    for (const ArchivedGroup& g : groups) {
        store.store_group(g.group_no, Reply{g.raw_value, g.group_no, g.battery, g.year, g.month,
                                            g.day, g.hour, g.minute, kind::kStatus});
    }
    return store;
}

Verdicts count_verdicts(const std::vector<ArchivedGroup>& groups, BondingLimit limit) {
    Verdicts verdicts;
    for (const ArchivedGroup& g : groups)
        ++(passes(g, limit) ? verdicts.passing : verdicts.failing);
    return verdicts;
}

QByteArray archived_text_report(const ArchivedDownload& download) {
    return text_report(store_of(download.groups), download.download.groups_read + 1);
}

QByteArray archived_csv(const ArchivedDownload& download, std::optional<BondingLimit> limit) {
    const RecordStore store = store_of(download.groups);
    if (!limit) return csv_report(store, RecordStore::kFirstShown, last_group_of(download));
    QString out = csv_row(csv_header_fields() << file_text::kVerdictHeading);
    for (const ArchivedGroup& g : download.groups) {
        if (!store.shown(g.group_no)) continue;
        out += csv_row(csv_group_fields(store, g.group_no)
                       << (passes(g, *limit) ? file_text::kPass : file_text::kFail));
    }
    return QByteArray("\xEF\xBB\xBF") + out.toUtf8();
}

PrintOutcome print_archived(PrinterSink& printer, const ArchivedDownload& download,
                            std::optional<BondingLimit> limit) {
    const RecordStore store = store_of(download.groups);
    const int16_t last = int16_t(std::min(last_group_of(download), RecordStore::kLastShown));
    if (!limit) return print_job(printer, store, 1, last);
    const Verdicts verdicts = count_verdicts(download.groups, *limit);
    const QString facts = file_text::kReportFacts.arg(
        started_text(download.download), device_text(download.download), bonding_limit_text(*limit),
        QString::number(verdicts.passing), QString::number(verdicts.failing));
    return judged_print_job(printer, store, JudgedPage{facts, *limit}, 1, last);
}

QString started_text(const Download& download) {
    return download.started.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString device_text(const Download& download) {
    const QString port = QStringLiteral("COM%1").arg(download.port_number);
    return download.device.isEmpty() ? port : port + QLatin1Char(' ') + download.device;
}

}  // namespace eqbond
