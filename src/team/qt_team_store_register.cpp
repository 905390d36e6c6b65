// The team's instrument register on the server: read by every inspector, written by an admin.
#include <QSqlQuery>
#include <QVariant>

#include "base/visible_text.h"
#include "team/qt_team_store.h"
#include "team/team_planning_schema.h"

namespace eqbond {

std::optional<std::vector<Instrument>> QtTeamStore::instruments() {
    if (!ready()) return std::nullopt;
    QSqlQuery q(connection_.database());
    q.setForwardOnly(true);
    if (!connection_.run(q, team_schema::kInstruments)) return std::nullopt;
    std::vector<Instrument> out;
    while (q.next()) {
        // A date the server gives is one; a day that does not read is left out, not guessed.
        const std::optional<QDate> calibrated = typed_day(q.value(2).toString());
        const std::optional<QDate> due = typed_day(q.value(3).toString());
        if (!calibrated || !due) continue;
        out.push_back({visible_text(q.value(0).toString()), *calibrated, *due,
                       visible_text(q.value(4).toString()), visible_text(q.value(1).toString())});
    }
    if (!connection_.read_through(q)) return std::nullopt;
    return out;
}

bool QtTeamStore::keep_instruments(const std::vector<Instrument>& instruments) {
    if (!ready()) return false;
    return connection_.in_transaction([&](QSqlQuery& q) {
        q.prepare(team_schema::kKeepInstrument);
        for (const Instrument& i : instruments) {
            for (const QVariant& value :
                 {QVariant(i.serial), QVariant(i.model.isNull() ? QStringLiteral("") : i.model),
                  QVariant(i.calibrated.toString(Qt::ISODate)),
                  QVariant(i.due.toString(Qt::ISODate)),
                  QVariant(i.certificate.isNull() ? QStringLiteral("") : i.certificate)})
                q.addBindValue(value);
            if (!connection_.run(q)) return false;
        }
        return true;
    });
}

}  // namespace eqbond
