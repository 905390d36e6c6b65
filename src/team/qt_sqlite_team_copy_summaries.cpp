// The copy's summaries: a download listed before anyone opened it, without its groups.
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include "archive/qt_sqlite_file.h"
#include "archive/qt_sqlite_rows.h"
#include "team/push_queue_schema.h"
#include "team/qt_sqlite_team_copy.h"

namespace eqbond {

bool QtSqliteTeamCopy::prepare(QtSqliteFile& file) {
    if (!file.usable()) return false;
    QSqlQuery q = file.query();
    return file.run(q, push_queue_schema::kMakeSummaries) &&
           file.run(q, push_queue_schema::kMakeNewestIndex);
}

std::optional<std::vector<WaitingDownload>> QtSqliteTeamCopy::waiting() {
    std::optional<std::vector<WaitingDownload>> all = queue_.waiting();
    if (!all) return std::nullopt;
    std::vector<WaitingDownload> whole;
    for (const WaitingDownload& one : *all) {
        const std::optional<bool> summary = summary_only(one.id);
        if (!summary) return std::nullopt;
        if (!*summary) whole.push_back(one);
    }
    return whole;
}

std::optional<bool> held_by_summary(QtSqliteFile& file, int64_t download_id) {
    if (!file.usable()) return std::nullopt;
    QSqlQuery q = file.query();
    if (!file.run_with(q, push_queue_schema::kIsSummary, {qlonglong(download_id)}) || !q.next())
        return std::nullopt;
    return q.value(0).toBool();
}

std::optional<std::vector<QString>> QtSqliteTeamCopy::summaries_before(int64_t download_id) {
    if (!file_.usable()) return std::nullopt;
    QSqlQuery q = file_.query();
    if (!file_.run_with(q, push_queue_schema::kSummariesBefore, {qlonglong(download_id)}))
        return std::nullopt;
    std::vector<QString> out;
    while (q.next()) out.push_back(q.value(0).toString());
    if (!file_.read_through(q)) return std::nullopt;
    return out;
}

bool QtSqliteTeamCopy::keep_team_summaries(const std::vector<TeamCopySummary>& summaries) {
    if (!file_.usable()) return false;
    using namespace push_queue_schema;
    return file_.in_transaction([&](QSqlQuery& q) {
        // Prepared once for the batch: thousands of rows go through each.
        QSqlQuery held = file_.query(), drop = file_.query(), insert = file_.query(),
                  values = file_.query();
        if (!held.prepare(kCopyHeld) || !drop.prepare(kDeleteByUuid) ||
            !insert.prepare(kInsertSummaryDownload) || !values.prepare(kInsertSummary))
            return file_.fail(held.lastError().isValid()     ? held.lastError()
                              : drop.lastError().isValid()   ? drop.lastError()
                              : insert.lastError().isValid() ? insert.lastError()
                                                             : values.lastError());
        std::map<QString, QVariant> sites;
        for (const TeamCopySummary& one : summaries) {
            const TeamDownload& d = one.stored.download;
            held.bindValue(0, d.uuid);
            if (!file_.run(held)) return false;
            QVariant id = QVariant(QMetaType::fromType<qlonglong>());
            if (held.next()) {
                // Opened while this round ran: it is newer than this summary.
                if (!held.value(1).toBool()) continue;
                id = held.value(0);
                drop.bindValue(0, d.uuid);
                if (!file_.run(drop)) return false;
            }
            held.finish();
            QVariant site = QVariant(QMetaType::fromType<qlonglong>());
            if (!d.site.name.isEmpty()) {
                auto known = sites.find(d.site.name);
                if (known == sites.end()) {
                    if (!file_.run_with(q, kKeepCopySite,
                                        {d.site.name, rows::text_value(d.site.address),
                                         rows::text_value(d.site.customer)}) ||
                        !q.next())
                        return false;
                    known = sites.emplace(d.site.name, q.value(0)).first;
                    q.finish();
                }
                site = known->second;
            }
            const QVariant fields[] = {id,
                                       d.download.started.toMSecsSinceEpoch(),
                                       d.download.finished.toMSecsSinceEpoch(),
                                       d.download.port_number,
                                       rows::text_value(d.download.device),
                                       d.download.reported_total,
                                       d.download.groups_read,
                                       d.download.end == DownloadEnd::Complete ? 1 : 0,
                                       one.groups_held,
                                       d.uuid,
                                       site,
                                       rows::text_value(d.location),
                                       rows::text_value(d.inspector),
                                       rows::text_value(d.instrument_serial),
                                       rows::text_value(d.notes),
                                       rows::text_value(one.stored.owner),
                                       one.stored.pushed.toMSecsSinceEpoch(),
                                       qlonglong(one.stored.revision)};
            for (int i = 0; i < int(std::size(fields)); ++i) insert.bindValue(i, fields[i]);
            if (!file_.run(insert)) return false;
            values.bindValue(0, insert.lastInsertId());
            values.bindValue(1, one.lowest_milliohm);
            values.bindValue(2, one.highest_milliohm);
            if (!file_.run(values)) return false;
        }
        return true;
    });
}

}  // namespace eqbond
