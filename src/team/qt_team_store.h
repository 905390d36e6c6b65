#pragma once
// The team archive on a PostgreSQL server, on its own connection: pushes downloads by their UUID,
// one transaction each, so a push repeated after any failure never duplicates or half-writes;
// lists, loads and deletes them. Who may change what is decided by the server's rules; a refusal
// comes back as a fault. Use a store from the thread that connected it.
#include <QString>
#include <QVariant>
#include <QVariantList>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "inspection/inspection.h"
#include "inspection/instrument_register.h"
#include "team/issued_push_round.h"
#include "team/qt_team_connection.h"
#include "team/team_download.h"
#include "team/team_ports.h"

class QSqlQuery;

namespace eqbond {

class QtTeamStore : public TeamCopying, public TeamPulling, public TeamIssuing {
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
    // UUID, which this role may change, takes its details and test points, never other readings.
    // A site another role added keeps its address and customer.
    bool push(const TeamDownload& download) override;
    int64_t pushed_revision() const override { return revision_; }
    const TeamMerge* pushed_merge() const override { return merge_ ? &*merge_ : nullptr; }
    // Newest first; nothing on a fault.
    std::optional<std::vector<TeamDownloadSummary>> list(const TeamFilter& filter);
    bool summaries(const std::function<bool(const std::vector<TeamCopySummary>&)>& page) override;
    std::optional<std::map<QString, int64_t>> revisions(const std::vector<QString>& uuids) override;
    std::optional<std::map<QString, QString>> changes_since(const QString& uuid,
                                                            int64_t revision) override;
    // Nothing on a fault or for a UUID the archive does not hold (then without a fault).
    std::optional<StoredTeamDownload> load(const QString& uuid) override;
    // For each label of the download, the same test point in the latest earlier download of its
    // site and location, whoever measured it; nothing on a fault.
    std::optional<PreviousValues> previous_values(const QString& uuid);
    // False on a fault (RefusedByRules for another's download) or an unknown UUID (no fault).
    bool remove(const QString& uuid);
    // The details given, on the server under its rules; false on a fault (RefusedByRules for
    // another's download) or an unknown UUID (no fault).
    bool describe(const QString& uuid, const TeamDetailsChange& change);
    // Group `group`'s test point (empty: none) and its own limit (none: judged by the bonding
    // limit); false on a fault or an unknown download or group (no fault).
    bool label(const QString& uuid, int group, const QString& point,
               std::optional<JudgedLimit> limit = std::nullopt);
    // The download's history, oldest first; nothing on a fault.
    std::optional<std::vector<TeamHistoryEntry>> history(const QString& uuid);
    bool keep_plan(const TeamPlan& plan) override;
    std::optional<std::vector<TeamPlan>> plans() override;
    // The team's instrument register by serial; nothing on a fault.
    std::optional<std::vector<Instrument>> instruments();
    // Adds each instrument, or replaces the team's entry of its serial, in one transaction; the
    // server refuses it (RefusedByRules) unless the login is an admin.
    bool keep_instruments(const std::vector<Instrument>& instruments);
    // The name each login role goes by, by role; nothing on a fault.
    std::optional<TeamPeople> people();
    // Role `role` goes by `name` (empty: off the list); the server refuses it (RefusedByRules)
    // unless the login is an admin, the role a login of the server and the name fits.
    bool keep_person(const QString& role, const QString& name);

    // One issued revision, in a transaction of its own; nothing on a fault.
    std::optional<IssuedArrival> push_issued(const IssuedReport& report) override;
    // The revisions the team issued with a PDF of this SHA-256 (number, revision, issued, site
    // and location only); nothing on a fault.
    std::optional<std::vector<IssuedReport>> issued_with_sha256(const QString& sha256);
    // Whether the team archive holds this revision; nothing on a fault.
    std::optional<bool> holds_issued(const NumberedRevision& id);

  private:
    // Clears the last fault, connecting again when the server was out of reach.
    bool ready();
    bool check_layout();
    // The site's id on the server, adding it when new; nothing on a fault.
    std::optional<QVariant> site_id(const TeamSite& site);
    // The download's row of kSelectDownload or kSummaries, without its groups.
    static StoredTeamDownload stored_of(const QSqlQuery& q);
    // The download as the server holds it; nothing on a fault or when it is not there (no fault).
    std::optional<StoredTeamDownload> read(QSqlQuery& q, const QString& uuid);
    // The download whole in one call when the server does not hold it yet: its revision, 0 when
    // the server holds it (nothing written), nothing on a fault.
    std::optional<int64_t> push_new(const TeamDownload& d);
    // Writes the download, its site and its groups, inside the push's transaction.
    bool write(const TeamDownload& d);
    // When the server changed the download since `here`'s base revision: merge_ says how the two
    // meet. False on a fault.
    bool merge_with_server(QSqlQuery& q, const TeamDownload& here);
    // The first change of each field since `revision`, which holds its value then.
    std::optional<std::map<QString, QString>> read_changes(QSqlQuery& q, const QString& uuid,
                                                           int64_t revision);
    // Every row of `sql` as a UUID and a number; `bound`, when given, bound to it.
    std::optional<std::map<QString, int64_t>> numbers_by_uuid(
        const QString& sql, const std::optional<QString>& bound = std::nullopt);
    // After an UPDATE that changed nothing: false, with a refusal when the row is there.
    bool refused_if_held(QSqlQuery& q, const QString& held_sql, const QVariantList& key);

    // The push's statements, prepared once per connection: a push then costs no PREPARE.
    struct PushStatements;

    QtTeamConnection connection_;  // first in, last out: the statements go before it
    std::unique_ptr<PushStatements> statements_;
    QString role_;
    bool changes_any_ = false;
    bool connected_ = false;
    int64_t revision_ = 0;            // of the last download pushed
    std::optional<TeamMerge> merge_;  // of the last push, when it was merged
};

}  // namespace eqbond
