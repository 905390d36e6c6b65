#pragma once
// The team archive on a PostgreSQL server, on its own connection: pushes downloads by their UUID,
// one transaction each, so a push repeated after any failure never duplicates or half-writes;
// lists, loads and deletes them. Who may change what is decided by the server's rules; a refusal
// comes back as a fault. Use a store from the thread that connected it.
#include <QString>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "inspection/inspection.h"
#include "team/qt_team_connection.h"
#include "team/team_download.h"
#include "team/team_ports.h"

namespace eqbond {

class QtTeamStore : public TeamCopying {
  public:
    QtTeamStore();
    ~QtTeamStore() override;
    QtTeamStore(const QtTeamStore&) = delete;
    QtTeamStore& operator=(const QtTeamStore&) = delete;

    // Connects and checks that the database is a team archive this program may write. False with
    // fault() set.
    bool connect(const TeamServerAddress& address);
    // The last operation's fault, or nothing after it succeeded.
    const std::optional<TeamFault>& fault() const override { return connection_.fault(); }
    // The database role the store works as.
    const QString& role() const { return role_; }
    // Whether that role may change every inspector's downloads (an admin).
    bool changes_any() const { return changes_any_; }

    // Writes the download, its site and its groups as one transaction; a download of the same
    // UUID, which this role may change, is replaced whole.
    bool push(const TeamDownload& download) override;
    // Newest first; nothing on a fault.
    std::optional<std::vector<TeamDownloadSummary>> list(const TeamFilter& filter);
    // Every download's UUID with the time of its last push in milliseconds; nothing on a fault.
    std::optional<std::map<QString, int64_t>> versions() override;
    // Nothing on a fault or for a UUID the archive does not hold (then without a fault).
    std::optional<StoredTeamDownload> load(const QString& uuid) override;
    // For each label of the download, the same test point in the latest earlier download of its
    // site and location, whoever measured it; nothing on a fault.
    std::optional<PreviousValues> previous_values(const QString& uuid);
    // False on a fault (RefusedByRules for another's download) or an unknown UUID (no fault).
    bool remove(const QString& uuid);
    // Whether the server still answers; false with the fault.
    bool answers();
    bool keep_plan(const TeamPlan& plan) override;
    std::optional<std::vector<TeamPlan>> plans() override;

  private:
    // Clears the last fault, connecting again when the server was out of reach.
    bool ready();
    bool check_layout();

    // The push's statements, prepared once per connection: a push then costs no PREPARE.
    struct PushStatements;

    QtTeamConnection connection_;  // first in, last out: the statements go before it
    std::unique_ptr<PushStatements> statements_;
    QString role_;
    bool changes_any_ = false;
    bool connected_ = false;
};

}  // namespace eqbond
