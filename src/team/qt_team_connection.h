#pragma once
// One connection to the team archive's server through Qt's PostgreSQL driver, with the server's
// errors told apart as typed faults. A connection belongs to the thread that opened it.
#include <QSqlError>
#include <QString>
#include <functional>
#include <optional>

#include "team/team_fault.h"
#include "team/team_server_address.h"

class QSqlQuery;
class QSqlDatabase;

namespace eqbond {

class QtTeamConnection {
  public:
    QtTeamConnection();
    ~QtTeamConnection();
    QtTeamConnection(const QtTeamConnection&) = delete;
    QtTeamConnection& operator=(const QtTeamConnection&) = delete;

    // How long a lock may be waited for, and a statement may take unless set otherwise: a busy
    // server ends a command in well under 15 s.
    static constexpr int kLockWaitMs = 4000;
    static constexpr int kStatementLimitMs = 10000;
    // For work that may take longer on a large archive (a migration), before open().
    void set_statement_limit_ms(int ms) { statement_limit_ms_ = ms; }

    // False with fault() set when the server cannot be reached or refuses the login.
    bool open(const TeamServerAddress& address);
    const TeamServerAddress& address() const { return address_; }
    QSqlDatabase database() const;

    // The last fault, kept until clear_fault().
    const std::optional<TeamFault>& fault() const { return fault_; }
    void clear_fault() { fault_.reset(); }
    bool fail(TeamFaultKind kind, const QString& detail);
    // A statement's error; `refusal` is the kind a privilege error means here.
    bool fail(const QSqlError& error, TeamFaultKind refusal);

    bool run(QSqlQuery& query, TeamFaultKind refusal = TeamFaultKind::RefusedByRules);
    bool run(QSqlQuery& query, const QString& sql,
             TeamFaultKind refusal = TeamFaultKind::RefusedByRules);
    // After reading a statement's rows: false, with the fault, when the read failed midway.
    bool read_through(const QSqlQuery& query);
    // `work` inside BEGIN ... COMMIT: all of it or, after a fault, nothing.
    bool in_transaction(const std::function<bool(QSqlQuery&)>& work);
    // The team archive's layout in this database, 0 when it holds none; false with the fault
    // when the schema belongs to something else or a newer eqbond.
    bool layout_version(QSqlQuery& query, int* version);

  private:
    QString name_;
    TeamServerAddress address_;
    std::optional<TeamFault> fault_;
    int statement_limit_ms_ = kStatementLimitMs;
};

}  // namespace eqbond
