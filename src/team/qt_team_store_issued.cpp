// The reports the lab issued, on the server: pushed one revision at a time, read by everyone.
#include <QSqlQuery>
#include <QVariant>

#include "issued/issued_content.h"
#include "team/qt_team_store.h"
#include "team/team_issued_schema.h"

namespace eqbond {

namespace {

// Never a null string: the driver would send NULL for it.
QVariant text(const QString& s) {
    return s.isNull() ? QVariant(QStringLiteral("")) : QVariant(s);
}

}  // namespace

std::optional<IssuedArrival> QtTeamStore::push_issued(const IssuedReport& r) {
    if (!ready()) return std::nullopt;
    QSqlQuery q(connection_.database());
    q.prepare(team_schema::kPushIssued);
    const QVariant replaces =
        r.replaces ? QVariant(*r.replaces) : QVariant(QMetaType::fromType<int>());
    for (const QVariant& value :
         {QVariant(r.id.number), QVariant(r.id.revision), QVariant(r.download_uuid),
          QVariant(r.issued), QVariant(r.sha256), QVariant(r.pdf),
          QVariant(QString::fromUtf8(r.content)), QVariant(sha256_hex(r.content)),
          text(r.inspector), text(r.approver), text(r.reason), replaces, text(r.site),
          text(r.location)})
        q.addBindValue(value);
    if (!connection_.run(q)) return std::nullopt;
    if (!q.next()) {
        connection_.fail(TeamFaultKind::Failed,
                         QStringLiteral("the server did not answer the push"));
        return std::nullopt;
    }
    const QString arrival = q.value(0).toString();
    if (arrival == QLatin1String("added")) return IssuedArrival::Added;
    if (arrival == QLatin1String("held")) return IssuedArrival::AlreadyThere;
    return IssuedArrival::OtherBytesThere;
}

std::optional<std::vector<IssuedReport>> QtTeamStore::issued_with_sha256(const QString& sha256) {
    if (!ready()) return std::nullopt;
    QSqlQuery q(connection_.database());
    q.setForwardOnly(true);
    q.prepare(team_schema::kIssuedWithSha256);
    q.addBindValue(sha256);
    if (!connection_.run(q)) return std::nullopt;
    std::vector<IssuedReport> out;
    while (q.next()) {
        IssuedReport r;
        r.id = {q.value(0).toString(), q.value(1).toInt()};
        r.issued = q.value(2).toString();
        r.site = q.value(3).toString();
        r.location = q.value(4).toString();
        r.sha256 = sha256;
        out.push_back(r);
    }
    if (!connection_.read_through(q)) return std::nullopt;
    return out;
}

std::optional<bool> QtTeamStore::holds_issued(const NumberedRevision& id) {
    if (!ready()) return std::nullopt;
    QSqlQuery q(connection_.database());
    q.setForwardOnly(true);
    q.prepare(team_schema::kIssuedHeld);
    q.addBindValue(id.number);
    q.addBindValue(id.revision);
    if (!connection_.run(q)) return std::nullopt;
    const bool held = q.next();
    if (!connection_.read_through(q)) return std::nullopt;
    return held;
}

}  // namespace eqbond
