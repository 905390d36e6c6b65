#include "team/qt_sqlite_team_copy.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlQuery>
#include <QVariant>

#include "archive/qt_sqlite_archive.h"
#include "archive/qt_sqlite_rows.h"
#include "inspection/inspection_schema.h"
#include "team/push_queue_schema.h"

namespace eqbond {

QString team_copy_file(const QString& archive_file) {
    const QFileInfo archive(archive_file);
    return archive.dir().filePath(archive.completeBaseName() + QStringLiteral("-team.sqlite"));
}

std::optional<std::map<QString, TeamCopyState>> QtSqliteTeamCopy::team_copies() {
    if (!file_.usable()) return std::nullopt;
    QSqlQuery q = file_.query();
    if (!file_.run_with(q, push_queue_schema::kSelectCopies, {})) return std::nullopt;
    std::map<QString, TeamCopyState> out;
    while (q.next())
        out[q.value(0).toString()] = {q.value(1).toLongLong(), q.value(2).toBool(),
                                      q.value(3).toBool()};
    if (!file_.read_through(q)) return std::nullopt;
    return out;
}

bool QtSqliteTeamCopy::keep_team_copy(const StoredTeamDownload& stored) {
    if (!file_.usable()) return false;
    const TeamSite& team_site = stored.download.site;
    const Inspection d = inspection_of(stored.download);
    const bool done = file_.in_transaction([&](QSqlQuery& q) {
        QVariant id = QVariant(QMetaType::fromType<qlonglong>());
        if (!file_.run_with(q, push_queue_schema::kCopyIdByUuid, {d.uuid})) return false;
        if (q.next()) id = q.value(0);
        if (!file_.run_with(q, push_queue_schema::kDeleteByUuid, {d.uuid})) return false;
        const std::optional<int64_t> kept =
            insert_download(file_, q, d.download, d.groups, id, d.uuid);
        if (!kept || !write_labels(file_, q, *kept, d.labels) ||
            !write_limits(file_, q, *kept, d.labels, d.own_limits))
            return false;
        QVariant site = QVariant(QMetaType::fromType<qlonglong>());
        if (!team_site.name.isEmpty()) {
            if (!file_.run_with(q, push_queue_schema::kKeepCopySite,
                                {team_site.name, rows::text_value(team_site.address),
                                 rows::text_value(team_site.customer)}) ||
                !q.next())
                return false;
            site = q.value(0);
        }
        // Last: the details clear the change mark that writing the labels set.
        const InspectionDetails& details = d.details;
        return file_.run_with(
            q, push_queue_schema::kCopyDetails,
            {site, rows::text_value(details.location), rows::text_value(details.inspector),
             rows::text_value(details.instrument_serial), rows::text_value(details.notes),
             rows::text_value(stored.owner), stored.pushed.toMSecsSinceEpoch(),
             qlonglong(stored.revision), qlonglong(*kept)});
    });
    return done;
}

bool QtSqliteTeamCopy::keep_team_plans(const std::vector<TeamPlan>& plans) {
    if (!file_.usable()) return false;
    return file_.in_transaction([&](QSqlQuery& q) {
        if (!file_.run_with(q, push_queue_schema::kDropPlans, {})) return false;
        for (const TeamPlan& plan : plans) {
            if (!file_.run_with(q, push_queue_schema::kPlanSite, {plan.site_name}) || !q.next())
                return false;
            const QVariant site = q.value(0);
            for (int i = 0; i < plan.labels.size(); ++i)
                if (!file_.run_with(q, inspection_schema::kInsertPlanLabel,
                                    {site, rows::text_value(plan.location), i + 1, plan.labels[i]}))
                    return false;
        }
        return true;
    });
}

bool QtSqliteTeamCopy::drop_team_copy(const QString& uuid) {
    if (!file_.usable()) return false;
    return file_.in_transaction(
        [&](QSqlQuery& q) { return file_.run_with(q, push_queue_schema::kDeleteByUuid, {uuid}); });
}

}  // namespace eqbond
