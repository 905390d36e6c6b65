#include "inspection/qt_sqlite_conflicts.h"

#include <QSqlQuery>
#include <QVariant>

namespace eqbond {

namespace {

const QString kSelectConflicts = QStringLiteral(
    "SELECT c.download_id, c.field, c.server, c.here FROM team_conflicts c"
    " JOIN downloads d ON d.id = c.download_id WHERE c.overruled = 0"
    " ORDER BY d.started_ms, c.download_id, c.field");
const QString kSettle =
    QStringLiteral("DELETE FROM team_conflicts WHERE download_id = ? AND field = ?");
// Overruled, and waiting to be pushed: the push writes this computer's value.
const QString kOverrule =
    QStringLiteral("UPDATE team_conflicts SET overruled = 1 WHERE download_id = ? AND field = ?");
const QString kWaitForPush =
    QStringLiteral("UPDATE downloads SET changed_since_push = changed_since_push + 1 WHERE id = ?");

}  // namespace

std::vector<FieldConflict> QtSqliteConflicts::conflicts() {
    std::vector<FieldConflict> out;
    if (!file_.usable()) return out;
    QSqlQuery q = file_.query();
    if (!file_.run_with(q, kSelectConflicts, {})) return out;
    while (q.next())
        out.push_back({q.value(0).toLongLong(), q.value(1).toString(), q.value(2).toString(),
                       q.value(3).toString()});
    if (!file_.read_through(q)) return {};
    return out;
}

bool QtSqliteConflicts::take_server_value(const FieldConflict& conflict) {
    const std::optional<ConflictField> field = conflict_field(conflict.field);
    if (!field || !write_server_value(conflict, *field)) return false;
    QSqlQuery q = file_.query();
    return file_.run_with(q, kSettle, {qlonglong(conflict.download_id), conflict.field});
}

bool QtSqliteConflicts::write_server_value(const FieldConflict& conflict,
                                           const ConflictField& field) {
    const int64_t id = conflict.download_id;
    const QString& value = conflict.server;
    if (field.subject == ConflictSubject::TestPoint)
        return inspections_.set_label(
            id, field.group, value.isEmpty() ? std::nullopt : std::optional<QString>(value));
    const std::optional<Inspection> here = inspections_.load(id);
    if (!here) return false;
    InspectionDetails details = here->details;
    SiteChoice site{details.site_id.value_or(0), {}, {}, {}};
    switch (field.subject) {
        case ConflictSubject::Site:
            // By its name, made here when this archive has none of that name.
            site = SiteChoice{0, value, {}, {}};
            details.site_id.reset();
            break;
        case ConflictSubject::Location:
            details.location = value;
            break;
        case ConflictSubject::Inspector:
            details.inspector = value;
            break;
        case ConflictSubject::Instrument:
            details.instrument_serial = value;
            break;
        case ConflictSubject::Notes:
        case ConflictSubject::TestPoint:
            details.notes = value;
            break;
    }
    return inspections_.describe(id, site, details);
}

bool QtSqliteConflicts::keep_here_value(const FieldConflict& conflict) {
    if (!file_.usable()) return false;
    const qlonglong id = conflict.download_id;
    const bool done = file_.in_transaction([&](QSqlQuery& q) {
        return file_.run_with(q, kOverrule, {id, conflict.field}) &&
               file_.run_with(q, kWaitForPush, {id});
    });
    // The pusher pushes it.
    if (done) file_.tell_changed();
    return done;
}

}  // namespace eqbond
