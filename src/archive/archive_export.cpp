#include "archive/archive_export.h"

#include "archive/judged_print.h"
#include "base/file_texts.h"
#include "base/record_store.h"
#include "report/csv_report.h"
#include "report/text_report.h"

namespace eqbond {

namespace {
int last_group_of(const ArchivedDownload& download) {
    return download.groups.empty() ? 0 : download.groups.back().number;
}
}  // namespace

RecordStore store_of(const std::vector<Group>& groups) {
    RecordStore store;
    for (const Group& g : groups) store.put(g);
    return store;
}

Verdicts count_verdicts(const std::vector<Group>& groups, const GroupLimits& limits) {
    Verdicts verdicts;
    for (const Group& g : groups) {
        const Verdict v = limits.verdict(g);
        if (v != Verdict::NotJudged) ++(v == Verdict::Pass ? verdicts.passing : verdicts.failing);
    }
    return verdicts;
}

QString verdict_text(Verdict verdict) {
    switch (verdict) {
        case Verdict::Pass:
            return file_text::kPass;
        case Verdict::Fail:
            return file_text::kFail;
        case Verdict::NotJudged:
            break;
    }
    return QString();
}

QByteArray archived_text_report(const ArchivedDownload& download) {
    return text_report(store_of(download.groups), download.download.groups_read + 1);
}

QByteArray archived_csv(const ArchivedDownload& download, std::optional<BondingLimit> limit,
                        const CsvColumns* more) {
    const RecordStore store = store_of(download.groups);
    const GroupLimits limits(download.own_limits, limit);
    if (!limits.any() && !more)
        return csv_report(store, RecordStore::kFirstShown, last_group_of(download));
    QStringList header = csv_header_fields();
    if (limits.any()) header << file_text::kVerdictHeading;
    if (more) header << more->headings;
    if (limits.any_own()) header << file_text::kLimitHeading;
    QString out = csv_row(header);
    for (const Group& g : download.groups) {
        if (!store.shown(g.number)) continue;
        QStringList fields = csv_group_fields(g);
        if (limits.any()) fields << verdict_text(limits.verdict(g));
        if (more) fields << more->fields(g);
        if (limits.any_own()) {
            const std::optional<JudgedLimit> judged_by = limits.of(g);
            fields << (judged_by ? limit_number(*judged_by) : QString());
        }
        out += csv_row(fields);
    }
    return QByteArray("\xEF\xBB\xBF") + out.toUtf8();
}

PrintOutcome print_archived(PrinterSink& printer, const ArchivedDownload& download,
                            std::optional<BondingLimit> limit) {
    const RecordStore store = store_of(download.groups);
    const int16_t last = int16_t(std::min(last_group_of(download), RecordStore::kLastShown));
    const GroupLimits limits(download.own_limits, limit);
    if (!limits.any()) return print_job(printer, store, 1, last);
    const Verdicts verdicts = count_verdicts(download.groups, limits);
    const QString facts = file_text::kReportFacts.arg(
        started_text(download.download), device_text(download.download),
        limit ? bonding_limit_text(*limit) : file_text::kOwnLimitsOnly,
        QString::number(verdicts.passing), QString::number(verdicts.failing));
    return judged_print_job(printer, store, JudgedPage{facts, limits}, 1, last);
}

QString started_text(const Download& download) {
    return download.started.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString device_text(const Download& download) {
    const QString port = QStringLiteral("COM%1").arg(download.port_number);
    // On Windows the device is the port's own name: said once.
    const bool said = download.device.isEmpty() || download.device == port;
    return said ? port : port + QLatin1Char(' ') + download.device;
}

}  // namespace eqbond
