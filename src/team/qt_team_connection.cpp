#include "team/qt_team_connection.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>
#include <atomic>

#include "team/team_push_status.h"
#include "team/team_schema.h"

namespace eqbond {

namespace {

QString next_connection_name() {
    static std::atomic<int> count{0};
    return QStringLiteral("eqbond-team-%1").arg(++count);
}

TeamFaultKind kind_of_state(const QString& state, TeamFaultKind refusal) {
    // No SQLSTATE: no answer from the server at all.
    if (state.isEmpty() || state.startsWith(QLatin1String("08")) ||
        state.startsWith(QLatin1String("57P")))
        return TeamFaultKind::Unreachable;
    if (state.startsWith(QLatin1String("28"))) return TeamFaultKind::AuthenticationFailed;
    // No privilege, readings that stay as measured, a text the rules do not take.
    if (state == QLatin1String("42501") || state == QLatin1String("EQ002") ||
        state == QLatin1String("23514"))
        return refusal;
    // A lock not granted in time, a statement cancelled by its time limit.
    if (state == QLatin1String("55P03") || state == QLatin1String("57014"))
        return TeamFaultKind::Busy;
    if (state == QLatin1String("EQ001")) return TeamFaultKind::DeletedThere;
    if (state == QLatin1String("42P01") || state == QLatin1String("3F000"))
        return TeamFaultKind::NotTeamArchive;
    return TeamFaultKind::Failed;
}

// The server's message with its detail and hint; the query and context lines that follow them
// quote statements and functions inside the server, which tell a user nothing.
QString words_of(const QSqlError& error) {
    QString words = error.databaseText().isEmpty() ? error.driverText() : error.databaseText();
    for (const QLatin1String inner : {QLatin1String("\nQUERY:"), QLatin1String("\nCONTEXT:")}) {
        const qsizetype at = words.indexOf(inner);
        if (at >= 0) words.truncate(at);
    }
    return words.trimmed();
}

}  // namespace

QtTeamConnection::QtTeamConnection() : name_(next_connection_name()) {}

QtTeamConnection::~QtTeamConnection() {
    {
        QSqlDatabase db = QSqlDatabase::database(name_, false);
        if (db.isValid()) db.close();
    }
    if (QSqlDatabase::contains(name_)) QSqlDatabase::removeDatabase(name_);
}

QSqlDatabase QtTeamConnection::database() const {
    return QSqlDatabase::database(name_, false);
}

bool QtTeamConnection::fail(TeamFaultKind kind, const QString& detail) {
    fault_ = TeamFault{kind, detail};
    return false;
}

bool QtTeamConnection::fail(const QSqlError& error, TeamFaultKind refusal) {
    return fail(kind_of_state(error.nativeErrorCode(), refusal), words_of(error));
}

bool QtTeamConnection::open(const TeamServerAddress& address) {
    address_ = address;
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL")))
        return fail(TeamFaultKind::NoDriver, QString());
    QSqlDatabase db = QSqlDatabase::contains(name_)
                          ? QSqlDatabase::database(name_, false)
                          : QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name_);
    db.close();
    db.setHostName(address.host);
    db.setPort(address.port);
    db.setUserName(address.user);
    db.setPassword(address.password);
    db.setDatabaseName(address.database);
    db.setConnectOptions(with_connect_timeout(address).connect_options());
    if (!db.open()) {
        const QString words = words_of(db.lastError());
        return fail(team_login_fault_kind(words), words);
    }
    // No lock another client holds and no statement may keep this one waiting without end.
    QSqlQuery limits(db);
    if (!run(limits, QStringLiteral("SET lock_timeout = %1").arg(kLockWaitMs),
             TeamFaultKind::Failed) ||
        !run(limits, QStringLiteral("SET statement_timeout = %1").arg(statement_limit_ms_),
             TeamFaultKind::Failed))
        return false;
    fault_.reset();
    return true;
}

bool QtTeamConnection::run(QSqlQuery& query, TeamFaultKind refusal) {
    return query.exec() || fail(query.lastError(), refusal);
}

bool QtTeamConnection::run(QSqlQuery& query, const QString& sql, TeamFaultKind refusal) {
    return query.exec(sql) || fail(query.lastError(), refusal);
}

bool QtTeamConnection::read_through(const QSqlQuery& query) {
    return !query.lastError().isValid() || fail(query.lastError(), TeamFaultKind::RefusedByRules);
}

bool QtTeamConnection::in_transaction(const std::function<bool(QSqlQuery&)>& work) {
    QSqlQuery query(database());
    if (!run(query, QStringLiteral("BEGIN"))) return false;
    if (work(query) && run(query, QStringLiteral("COMMIT"))) return true;
    // A session whose transaction could not be ended would refuse every later statement: it is
    // closed, and the next operation finds the server out of reach and connects anew.
    if (!query.exec(QStringLiteral("ROLLBACK"))) database().close();
    return false;
}

bool QtTeamConnection::layout_version(QSqlQuery& q, int* version) {
    using namespace team_schema;
    // Reading the layout needs no privilege: a refusal means the role may not use the archive.
    constexpr auto kRefusal = TeamFaultKind::NoPermission;
    if (!run(q, kSchemaPresent, kRefusal) || !q.next()) return false;
    if (!q.value(0).toBool()) {
        *version = 0;
        return true;
    }
    if (!run(q, kLayoutPresent, kRefusal) || !q.next()) return false;
    if (!q.value(0).toBool())
        return fail(TeamFaultKind::NotTeamArchive,
                    QStringLiteral("a schema \"eqbond\" of some other program"));
    if (!run(q, kLayoutVersion, kRefusal) || !q.next()) return false;
    *version = q.value(0).toInt();
    if (*version > kVersion)
        return fail(
            TeamFaultKind::LayoutNewer,
            QStringLiteral("layout %1, this eqbond knows up to %2").arg(*version).arg(kVersion));
    return true;
}

}  // namespace eqbond
