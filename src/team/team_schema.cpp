#include "team/team_schema.h"

#include "team/team_issued_schema.h"
#include "team/team_people_schema.h"
#include "team/team_planning_schema.h"
#include "team/team_push_schema.h"
#include "team/team_rules_schema.h"

namespace eqbond::team_schema {

const QString kLockSetUp = QStringLiteral("SELECT pg_advisory_xact_lock(7318001)");
const QString kSchemaPresent =
    QStringLiteral("SELECT EXISTS (SELECT 1 FROM pg_namespace WHERE nspname = 'eqbond')");
const QString kLayoutPresent = QStringLiteral(
    "SELECT EXISTS (SELECT 1 FROM pg_class c JOIN pg_namespace n ON n.oid = c.relnamespace "
    "WHERE n.nspname = 'eqbond' AND c.relname = 'layout')");
const QString kLayoutVersion = QStringLiteral("SELECT version FROM eqbond.layout");

const QString kRolesSql = QStringLiteral(
    "CREATE ROLE eqbond_inspector NOLOGIN;\n"
    "CREATE ROLE eqbond_admin NOLOGIN IN ROLE eqbond_inspector;\n");

// A role without CREATEROLE finds the group roles made by the database's administrator, or is
// told to have them made.
const QString kMakeRoles = QStringLiteral(
    "DO $$ BEGIN "
    "IF EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'eqbond_admin') "
    "AND EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'eqbond_inspector') "
    "AND pg_has_role('eqbond_admin', 'eqbond_inspector', 'MEMBER') THEN RETURN; END IF; "
    "IF NOT (SELECT rolcreaterole OR rolsuper FROM pg_roles WHERE rolname = current_user) THEN "
    "RAISE EXCEPTION 'the group roles eqbond_inspector and eqbond_admin are missing: have the "
    "database administrator run the SQL of eqbond-cli team setup --print-sql' "
    "USING ERRCODE = '42501'; END IF; "
    "IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'eqbond_inspector') THEN "
    "CREATE ROLE eqbond_inspector NOLOGIN; END IF; "
    "IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'eqbond_admin') THEN "
    "CREATE ROLE eqbond_admin NOLOGIN; END IF; "
    "IF NOT pg_has_role('eqbond_admin', 'eqbond_inspector', 'MEMBER') THEN "
    "GRANT eqbond_inspector TO eqbond_admin; END IF; "
    "END $$");

namespace {

// A download may be changed by the role that pushed it, and by any admin.
#define EQBOND_MAY_CHANGE(owner) \
    "(" owner " = current_user OR pg_has_role('eqbond_admin', 'MEMBER'))"

const char* const kVersion1[] = {
    "CREATE SCHEMA eqbond",
    "CREATE TABLE eqbond.layout (only_row boolean PRIMARY KEY DEFAULT true CHECK (only_row), "
    "version integer NOT NULL)",
    "CREATE TABLE eqbond.sites (id uuid PRIMARY KEY DEFAULT gen_random_uuid(), "
    "name text NOT NULL, address text NOT NULL DEFAULT '', customer text NOT NULL DEFAULT '')",
    // By a digest: an index entry holds at most a third of a page, a name may be longer.
    "CREATE UNIQUE INDEX sites_by_name ON eqbond.sites (md5(name))",
    "CREATE TABLE eqbond.downloads (uuid uuid PRIMARY KEY, "
    "owner text NOT NULL DEFAULT current_user, "
    "site_id uuid REFERENCES eqbond.sites (id), location text NOT NULL DEFAULT '', "
    "inspector text NOT NULL DEFAULT '', instrument_serial text NOT NULL DEFAULT '', "
    "notes text NOT NULL DEFAULT '', started timestamptz, finished timestamptz, "
    "port_number smallint NOT NULL, device text NOT NULL, reported_total integer NOT NULL, "
    "groups_read integer NOT NULL, "
    "ending text NOT NULL CHECK (ending IN ('complete', 'abandoned')), "
    "groups_held integer NOT NULL, lowest_milliohm integer NOT NULL, "
    "highest_milliohm integer NOT NULL, pushed timestamptz NOT NULL DEFAULT now())",
    "CREATE INDEX downloads_by_site ON eqbond.downloads (site_id, started DESC)",
    "CREATE TABLE eqbond.groups ("
    "download_uuid uuid NOT NULL REFERENCES eqbond.downloads (uuid) ON DELETE CASCADE, "
    "number integer NOT NULL, milliohm integer NOT NULL, battery smallint NOT NULL, "
    "year smallint NOT NULL, month smallint NOT NULL, day smallint NOT NULL, "
    "hour smallint NOT NULL, minute smallint NOT NULL, label text, "
    "PRIMARY KEY (download_uuid, number))",
    "ALTER TABLE eqbond.downloads ENABLE ROW LEVEL SECURITY",
    "CREATE POLICY read_all ON eqbond.downloads FOR SELECT TO eqbond_inspector USING (true)",
    "CREATE POLICY add_own ON eqbond.downloads FOR INSERT TO eqbond_inspector "
    "WITH CHECK (owner = current_user)",
    "CREATE POLICY change_own ON eqbond.downloads FOR UPDATE TO eqbond_inspector "
    "USING " EQBOND_MAY_CHANGE("owner") " WITH CHECK " EQBOND_MAY_CHANGE("owner"),
    "CREATE POLICY delete_own ON eqbond.downloads FOR DELETE TO eqbond_inspector "
    "USING " EQBOND_MAY_CHANGE("owner"),
    "ALTER TABLE eqbond.groups ENABLE ROW LEVEL SECURITY",
    "CREATE POLICY read_all ON eqbond.groups FOR SELECT TO eqbond_inspector USING (true)",
    "CREATE POLICY write_own ON eqbond.groups FOR ALL TO eqbond_inspector "
    "USING (EXISTS (SELECT 1 FROM eqbond.downloads d WHERE d.uuid = download_uuid AND "
    EQBOND_MAY_CHANGE("d.owner") ")) "
    "WITH CHECK (EXISTS (SELECT 1 FROM eqbond.downloads d WHERE d.uuid = download_uuid AND "
    EQBOND_MAY_CHANGE("d.owner") "))",
    "INSERT INTO eqbond.layout (version) VALUES (0)",
};

// The test plans kept per site and location, the lab's to share: any inspector keeps one, as a
// plan applied in the team view replaces the one before.
const char* const kVersion2[] = {
    "CREATE TABLE eqbond.plans ("
    "site_id uuid NOT NULL REFERENCES eqbond.sites (id) ON DELETE CASCADE, "
    "location text NOT NULL, labels text[] NOT NULL, PRIMARY KEY (site_id, location))",
    "ALTER TABLE eqbond.plans ENABLE ROW LEVEL SECURITY",
    "CREATE POLICY read_all ON eqbond.plans FOR SELECT TO eqbond_inspector USING (true)",
    "CREATE POLICY add_any ON eqbond.plans FOR INSERT TO eqbond_inspector WITH CHECK (true)",
    ("CREATE POLICY change_any ON eqbond.plans FOR UPDATE TO eqbond_inspector "
     "USING (true) WITH CHECK (true)"),
};

#undef EQBOND_MAY_CHANGE

}  // namespace

QStringList steps_from(int version, int up_to) {
    QStringList out;
    if (version < 1 && up_to >= 1)
        for (const char* sql : kVersion1) out << QString::fromUtf8(sql);
    if (version < 2 && up_to >= 2)
        for (const char* sql : kVersion2) out << QString::fromUtf8(sql);
    if (version < 3 && up_to >= 3) out << rules_steps();
    if (version < 4 && up_to >= 4) out << planning_steps();
    if (version < 5 && up_to >= 5) out << push_steps();
    if (version < 6 && up_to >= 6) out << people_steps();
    if (version < 7 && up_to >= 7) out << issued_steps();
    return out;
}

QStringList grants() {
    return rules_grants() + planning_grants() + push_grants() + people_grants() + issued_grants();
}

const QString kSetVersion = QStringLiteral("UPDATE eqbond.layout SET version = %1").arg(kVersion);

// The site's id, adding it when new. A site another role added is taken as it is.
const QString kFindSite = QStringLiteral(
    "WITH added AS (INSERT INTO eqbond.sites (name, address, customer) VALUES (?, ?, ?) "
    "ON CONFLICT ((md5(name))) DO NOTHING RETURNING id) "
    "SELECT id::text FROM added UNION ALL "
    "SELECT id::text FROM eqbond.sites WHERE md5(name) = md5(?)");
// The site another push added at the same moment: after its commit, in a statement of its own.
const QString kSiteByName =
    QStringLiteral("SELECT id::text FROM eqbond.sites WHERE md5(name) = md5(?)");
// A new address or customer given with a push; the rules skip a site this role may not change.
const QString kReviseSite = QStringLiteral(
    "UPDATE eqbond.sites SET address = coalesce(nullif(?, ''), address), "
    "customer = coalesce(nullif(?, ''), customer) WHERE id = ?::uuid "
    "AND (address, customer) IS DISTINCT FROM "
    "(coalesce(nullif(?, ''), address), coalesce(nullif(?, ''), customer))");

// Pushed again, a download writes only what changed; the server refuses a change of what was
// measured.
const QString kUpsertDownload = QStringLiteral(
    "INSERT INTO eqbond.downloads AS d (uuid, site_id, location, inspector, instrument_serial, "
    "notes, started, finished, port_number, device, reported_total, groups_read, ending, "
    "groups_held, lowest_milliohm, highest_milliohm) "
    "VALUES (?::uuid, ?::uuid, ?, ?, ?, ?, ?::timestamptz, ?::timestamptz, ?, ?, ?, ?, ?, ?, ?, ?) "
    "ON CONFLICT (uuid) DO UPDATE SET site_id = EXCLUDED.site_id, location = EXCLUDED.location, "
    "inspector = EXCLUDED.inspector, instrument_serial = EXCLUDED.instrument_serial, "
    "notes = EXCLUDED.notes, started = EXCLUDED.started, finished = EXCLUDED.finished, "
    "port_number = EXCLUDED.port_number, device = EXCLUDED.device, "
    "reported_total = EXCLUDED.reported_total, groups_read = EXCLUDED.groups_read, "
    "ending = EXCLUDED.ending, groups_held = EXCLUDED.groups_held, "
    "lowest_milliohm = EXCLUDED.lowest_milliohm, highest_milliohm = EXCLUDED.highest_milliohm "
    "WHERE (d.site_id, d.location, d.inspector, d.instrument_serial, d.notes, d.started, "
    "d.finished, d.port_number, d.device, d.reported_total, d.groups_read, d.ending, "
    "d.groups_held, d.lowest_milliohm, d.highest_milliohm) IS DISTINCT FROM "
    "(EXCLUDED.site_id, EXCLUDED.location, EXCLUDED.inspector, EXCLUDED.instrument_serial, "
    "EXCLUDED.notes, EXCLUDED.started, EXCLUDED.finished, EXCLUDED.port_number, "
    "EXCLUDED.device, EXCLUDED.reported_total, EXCLUDED.groups_read, EXCLUDED.ending, "
    "EXCLUDED.groups_held, EXCLUDED.lowest_milliohm, EXCLUDED.highest_milliohm)");

// All groups of one download in one statement: each column comes as one array literal. Pushed
// again, only the groups that differ are written.
const QString kInsertGroups = QStringLiteral(
    "INSERT INTO eqbond.groups AS g (download_uuid, number, milliohm, battery, year, month, day, "
    "hour, minute, label, limit_milliohm) "
    "SELECT ?::uuid, * FROM unnest(?::integer[], ?::integer[], ?::smallint[], ?::smallint[], "
    "?::smallint[], ?::smallint[], ?::smallint[], ?::smallint[], ?::text[], ?::integer[]) "
    "ON CONFLICT (download_uuid, number) DO UPDATE SET milliohm = EXCLUDED.milliohm, "
    "battery = EXCLUDED.battery, year = EXCLUDED.year, month = EXCLUDED.month, "
    "day = EXCLUDED.day, hour = EXCLUDED.hour, minute = EXCLUDED.minute, label = EXCLUDED.label, "
    "limit_milliohm = EXCLUDED.limit_milliohm "
    "WHERE (g.milliohm, g.battery, g.year, g.month, g.day, g.hour, g.minute, g.label, "
    "g.limit_milliohm) IS DISTINCT FROM (EXCLUDED.milliohm, EXCLUDED.battery, EXCLUDED.year, "
    "EXCLUDED.month, EXCLUDED.day, EXCLUDED.hour, EXCLUDED.minute, EXCLUDED.label, "
    "EXCLUDED.limit_milliohm)");

namespace {
const char kSummaryColumns[] =
    "d.uuid::text, d.owner, (extract(epoch FROM d.started) * 1000)::bigint, "
    "(extract(epoch FROM d.finished) * 1000)::bigint, d.port_number, d.device, d.reported_total, "
    "d.groups_read, d.ending, coalesce(s.name, ''), d.location, d.inspector, d.groups_held, "
    "d.lowest_milliohm, d.highest_milliohm, "
    "(extract(epoch FROM d.pushed) * 1000)::bigint";
}

const QString kList = QStringLiteral(
                          "SELECT %1 FROM eqbond.downloads d "
                          "LEFT JOIN eqbond.sites s ON s.id = d.site_id "
                          "WHERE (? = '' OR s.name = ?) "
                          "AND (? = '' OR d.inspector = ? OR d.owner = ?) "
                          "ORDER BY d.started DESC, d.uuid")
                          .arg(QLatin1String(kSummaryColumns));

// Every download without its groups, newest first: the team view's copy holds them all and reads a
// download's groups only when it is opened.
const QString kDeclareSummaries =
    QStringLiteral(
        "DECLARE summaries NO SCROLL CURSOR FOR SELECT %1, coalesce(s.address, ''), "
        "coalesce(s.customer, ''), d.instrument_serial, "
        "d.notes, d.revision FROM eqbond.downloads d LEFT JOIN eqbond.sites s ON s.id = d.site_id "
        "ORDER BY d.started DESC, d.uuid")
        .arg(QLatin1String(kSummaryColumns));
const QString kFetchSummaries = QStringLiteral("FETCH %1 FROM summaries").arg(kSummaryPage);

const QString kRevisions = QStringLiteral(
    "SELECT uuid::text, revision FROM eqbond.downloads WHERE uuid = ANY (?::uuid[])");

const QString kSelectDownload =
    QStringLiteral(
        "SELECT %1, coalesce(s.address, ''), coalesce(s.customer, ''), d.instrument_serial, "
        "d.notes, d.revision FROM eqbond.downloads d LEFT JOIN eqbond.sites s ON s.id = d.site_id "
        "WHERE d.uuid = ?::uuid")
        .arg(QLatin1String(kSummaryColumns));

const QString kSelectGroups = QStringLiteral(
    "SELECT number, milliohm, battery, year, month, day, hour, minute, label, limit_milliohm "
    "FROM eqbond.groups WHERE download_uuid = ?::uuid ORDER BY number");

// Parameters: the download's UUID, twice. For each of its labels, the same test point in the latest
// earlier download of its site and location, whoever pushed it; a label measured twice in one
// download counts by its later group.
const QString kSelectPrevious = QStringLiteral(
    "WITH this AS (SELECT uuid, site_id, location, started FROM eqbond.downloads "
    "WHERE uuid = ?::uuid), "
    "wanted AS (SELECT DISTINCT label FROM eqbond.groups "
    "WHERE download_uuid = ?::uuid AND label IS NOT NULL) "
    "SELECT DISTINCT ON (g.label) g.number, g.milliohm, g.battery, g.year, g.month, g.day, "
    "g.hour, g.minute, (extract(epoch FROM d.started) * 1000)::bigint, g.label "
    "FROM this JOIN eqbond.downloads d ON d.site_id = this.site_id "
    "AND d.location = this.location "
    "AND (d.started < this.started OR (d.started = this.started AND d.uuid < this.uuid)) "
    "JOIN eqbond.groups g ON g.download_uuid = d.uuid "
    "WHERE g.label IN (SELECT label FROM wanted) "
    "ORDER BY g.label, d.started DESC, d.uuid DESC, g.number DESC");

const QString kDeleteDownload = QStringLiteral("SELECT eqbond.delete_download(?::uuid)");

const QString kDescribe = QStringLiteral(
    "UPDATE eqbond.downloads SET site_id = CASE WHEN ?::boolean THEN ?::uuid ELSE site_id END, "
    "location = coalesce(?, location), inspector = coalesce(?, inspector), "
    "instrument_serial = coalesce(?, instrument_serial), notes = coalesce(?, notes) "
    "WHERE uuid = ?::uuid");
const QString kDownloadHeld = QStringLiteral("SELECT 1 FROM eqbond.downloads WHERE uuid = ?::uuid");
const QString kLabel = QStringLiteral(
    "UPDATE eqbond.groups SET label = nullif(?, ''), limit_milliohm = ?::integer "
    "WHERE download_uuid = ?::uuid AND number = ?");
const QString kGroupHeld =
    QStringLiteral("SELECT 1 FROM eqbond.groups WHERE download_uuid = ?::uuid AND number = ?");

const QString kRevisionForUpdate =
    QStringLiteral("SELECT revision FROM eqbond.downloads WHERE uuid = ?::uuid FOR UPDATE");
const QString kRevision =
    QStringLiteral("SELECT revision FROM eqbond.downloads WHERE uuid = ?::uuid");
const QString kChangesSince = QStringLiteral(
    "SELECT field, coalesce(old, '') FROM eqbond.history WHERE download_uuid = ?::uuid "
    "AND revision > ? AND action = 'change' ORDER BY id");

const QString kHistory = QStringLiteral(
    "SELECT (extract(epoch FROM at) * 1000)::bigint, role, action, field, coalesce(old, ''), "
    "coalesce(new, '') FROM eqbond.history WHERE download_uuid = ?::uuid ORDER BY id");

// The admins' role is looked up by name: a database that is no team archive has none.
const QString kIdentity = QStringLiteral(
    "SELECT session_user::text, EXISTS (SELECT 1 FROM pg_roles r WHERE r.rolname = "
    "'eqbond_admin' AND pg_has_role(session_user, r.oid, 'MEMBER'))");

const QString kKeepPlan = QStringLiteral(
    "INSERT INTO eqbond.plans (site_id, location, labels) VALUES (?::uuid, ?, ?::text[]) "
    "ON CONFLICT (site_id, location) DO UPDATE SET labels = EXCLUDED.labels");
const QString kPlans = QStringLiteral(
    "SELECT s.name, p.location, l.label FROM eqbond.plans p "
    "JOIN eqbond.sites s ON s.id = p.site_id, unnest(p.labels) WITH ORDINALITY AS l(label, n) "
    "ORDER BY s.name, p.location, l.n");

}  // namespace eqbond::team_schema
