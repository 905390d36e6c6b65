#include "team/team_rules_schema.h"

namespace eqbond::team_schema {

namespace {

#define EQBOND_IS_ADMIN "pg_has_role(session_user, 'eqbond_admin', 'MEMBER')"
// A download, a group's test point or a site's address may be changed by the login that added it
// and by any admin. The login, never the current role: SET ROLE cannot borrow another's rows.
#define EQBOND_MAY_CHANGE(owner) "(" owner " = session_user OR " EQBOND_IS_ADMIN ")"
// Every function runs with a search path nobody can put objects in before the schema's own.
#define EQBOND_FIXED_PATH " SET search_path = pg_catalog, pg_temp "

// The history and the text rule come first: the migration of the texts writes to the one with
// the other.
const char* const kHistoryAndTexts[] = {
    "CREATE TABLE eqbond.history (id bigserial PRIMARY KEY, "
    "at timestamptz NOT NULL DEFAULT now(), role text NOT NULL DEFAULT session_user, "
    "action text NOT NULL, download_uuid uuid, site_id uuid, field text NOT NULL DEFAULT '', "
    "old text, new text, revision bigint)",
    "CREATE INDEX history_by_download ON eqbond.history (download_uuid, id)",
    "CREATE FUNCTION eqbond.history_stays() RETURNS trigger LANGUAGE plpgsql" EQBOND_FIXED_PATH
    "AS $$ BEGIN RAISE EXCEPTION 'the history cannot be changed' USING ERRCODE = '42501'; "
    "END $$",
    "CREATE TRIGGER stays BEFORE UPDATE OR DELETE ON eqbond.history FOR EACH ROW "
    "EXECUTE FUNCTION eqbond.history_stays()",
    "CREATE TRIGGER stays_whole BEFORE TRUNCATE ON eqbond.history FOR EACH STATEMENT "
    "EXECUTE FUNCTION eqbond.history_stays()",
    // What the program itself keeps: at most 200 characters, no control character.
    R"sql(CREATE FUNCTION eqbond.fits(t text) RETURNS boolean LANGUAGE sql IMMUTABLE
 AS $$ SELECT t IS NULL OR (char_length(t) <= 200 AND t !~ '[\x01-\x1f\x7f-\x9f]') $$)sql",
    // Notes may run over several lines.
    R"sql(CREATE FUNCTION eqbond.fits_notes(t text) RETURNS boolean LANGUAGE sql IMMUTABLE
 AS $$ SELECT t IS NULL OR (char_length(t) <= 200 AND t !~ '[\x01-\x08\x0b\x0c\x0e-\x1f\x7f-\x9f]') $$)sql",
    "CREATE FUNCTION eqbond.fits_all(ts text[]) RETURNS boolean LANGUAGE sql IMMUTABLE "
    "AS $$ SELECT coalesce(bool_and(eqbond.fits(t)), true) FROM unnest(ts) t $$",
    // Control characters made visible: \n, \r, \t, and \xHH for the others.
    R"sql(CREATE FUNCTION eqbond.escaped(t text, keep_lines boolean DEFAULT false) RETURNS text
 LANGUAGE plpgsql IMMUTABLE SET search_path = pg_catalog, pg_temp AS $$
DECLARE out text := ''; c text;
BEGIN
  IF t IS NULL THEN RETURN NULL; END IF;
  FOREACH c IN ARRAY regexp_split_to_array(t, '') LOOP
    out := out || CASE WHEN keep_lines AND c IN (E'\n', E'\r', E'\t') THEN c
      WHEN c = E'\n' THEN '\n' WHEN c = E'\r' THEN '\r' WHEN c = E'\t' THEN '\t'
      WHEN c ~ '[\x01-\x1f\x7f-\x9f]' THEN '\x' || lpad(to_hex(ascii(c)), 2, '0') ELSE c END;
  END LOOP;
  RETURN out;
END $$)sql",
};

// One text column that may hold control characters from an earlier layout.
struct TextColumn {
    const char* table;
    const char* column;
    const char* field;     // the history's name for it
    const char* download;  // the history's download_uuid, as SQL
    const char* site;      // and its site_id
    bool lines = false;    // line breaks and tabs belong to it
};
const TextColumn kTextColumns[] = {
    {"sites", "name", "'site name'", "NULL::uuid", "id"},
    {"sites", "address", "'address'", "NULL::uuid", "id"},
    {"sites", "customer", "'customer'", "NULL::uuid", "id"},
    {"downloads", "location", "'location'", "uuid", "NULL::uuid"},
    {"downloads", "inspector", "'inspector'", "uuid", "NULL::uuid"},
    {"downloads", "instrument_serial", "'instrument'", "uuid", "NULL::uuid"},
    {"downloads", "notes", "'notes'", "uuid", "NULL::uuid", true},
    {"downloads", "device", "'device'", "uuid", "NULL::uuid"},
    {"groups", "label", "'group ' || number || ' test point'", "download_uuid", "NULL::uuid"},
    {"plans", "location", "'plan location'", "NULL::uuid", "site_id"},
};

QStringList escapes_of_stored_texts() {
    QStringList out;
    const QString control = QStringLiteral("'[\\x01-\\x1f\\x7f-\\x9f]'");
    const QString control_in_lines =
        QStringLiteral("'[\\x01-\\x08\\x0b\\x0c\\x0e-\\x1f\\x7f-\\x9f]'");
    for (const TextColumn& c : kTextColumns) {
        const QString table = QString::fromLatin1(c.table), column = QString::fromLatin1(c.column);
        const QString pattern = c.lines ? control_in_lines : control;
        const QString escaped =
            QStringLiteral("eqbond.escaped(%1, %2)")
                .arg(column, c.lines ? QLatin1String("true") : QLatin1String("false"));
        out << QStringLiteral(
                   "INSERT INTO eqbond.history (action, download_uuid, site_id, field, old, new) "
                   "SELECT 'escape', %1, %2, %3, %4, %5 FROM eqbond.%6 WHERE %4 ~ %7")
                   .arg(QLatin1String(c.download), QLatin1String(c.site), QLatin1String(c.field),
                        column, escaped, table, pattern)
            << QStringLiteral("UPDATE eqbond.%1 SET %2 = %3 WHERE %2 ~ %4")
                   .arg(table, column, escaped, pattern);
    }
    // A plan's labels, element by element.
    out << QStringLiteral(
               "INSERT INTO eqbond.history (action, site_id, field, old, new) "
               "SELECT 'escape', site_id, 'plan of ' || location, array_to_string(labels, ' | '), "
               "array_to_string(ARRAY(SELECT eqbond.escaped(l) FROM unnest(labels) l), ' | ') "
               "FROM eqbond.plans WHERE array_to_string(labels, '') ~ %1")
               .arg(control)
        << QStringLiteral(
               "UPDATE eqbond.plans SET labels = ARRAY(SELECT eqbond.escaped(l) FROM "
               "unnest(labels) l) WHERE array_to_string(labels, '') ~ %1")
               .arg(control);
    return out;
}

const char* const kRules[] = {
    // Ownership is the login's; a site remembers who added it.
    "ALTER TABLE eqbond.downloads ALTER COLUMN owner SET DEFAULT session_user, "
    "ADD COLUMN revision bigint NOT NULL DEFAULT 1",
    "ALTER TABLE eqbond.sites ADD COLUMN added_by text NOT NULL DEFAULT session_user",
    "UPDATE eqbond.sites s SET added_by = coalesce((SELECT d.owner FROM eqbond.downloads d "
    "WHERE d.site_id = s.id ORDER BY d.pushed LIMIT 1), added_by)",
    // Texts stored earlier stay as they are (escaped above); every new or changed one fits.
    "ALTER TABLE eqbond.sites ADD CONSTRAINT texts_fit CHECK (eqbond.fits(name) AND "
    "eqbond.fits(address) AND eqbond.fits(customer)) NOT VALID",
    "ALTER TABLE eqbond.downloads ADD CONSTRAINT texts_fit CHECK (eqbond.fits(location) AND "
    "eqbond.fits(inspector) AND eqbond.fits(instrument_serial) AND eqbond.fits_notes(notes) AND "
    "eqbond.fits(device)) NOT VALID",
    "ALTER TABLE eqbond.groups ADD CONSTRAINT texts_fit CHECK (eqbond.fits(label)) NOT VALID",
    "ALTER TABLE eqbond.plans ADD CONSTRAINT texts_fit CHECK (eqbond.fits(location) AND "
    "eqbond.fits_all(labels)) NOT VALID",

    // The policies of the login, not of the current role.
    "DROP POLICY add_own ON eqbond.downloads",
    "DROP POLICY change_own ON eqbond.downloads",
    "DROP POLICY delete_own ON eqbond.downloads",
    "DROP POLICY write_own ON eqbond.groups",
    "CREATE POLICY add_own ON eqbond.downloads FOR INSERT TO eqbond_inspector "
    "WITH CHECK (owner = session_user)",
    "CREATE POLICY change_own ON eqbond.downloads FOR UPDATE TO eqbond_inspector "
    "USING " EQBOND_MAY_CHANGE("owner") " WITH CHECK " EQBOND_MAY_CHANGE("owner"),
    // Groups arrive with their download only (a trigger counts them); an admin's push of
    // another's download proposes them again.
    "CREATE POLICY add_own ON eqbond.groups FOR INSERT TO eqbond_inspector "
    "WITH CHECK (EXISTS (SELECT 1 FROM eqbond.downloads d WHERE d.uuid = download_uuid AND "
    EQBOND_MAY_CHANGE("d.owner") "))",
    "CREATE POLICY change_own ON eqbond.groups FOR UPDATE TO eqbond_inspector "
    "USING (EXISTS (SELECT 1 FROM eqbond.downloads d WHERE d.uuid = download_uuid AND "
    EQBOND_MAY_CHANGE("d.owner") ")) "
    "WITH CHECK (EXISTS (SELECT 1 FROM eqbond.downloads d WHERE d.uuid = download_uuid AND "
    EQBOND_MAY_CHANGE("d.owner") "))",
    "ALTER TABLE eqbond.sites ENABLE ROW LEVEL SECURITY",
    "CREATE POLICY read_all ON eqbond.sites FOR SELECT TO eqbond_inspector USING (true)",
    "CREATE POLICY add_own ON eqbond.sites FOR INSERT TO eqbond_inspector "
    "WITH CHECK (added_by = session_user)",
    "CREATE POLICY change_own ON eqbond.sites FOR UPDATE TO eqbond_inspector "
    "USING " EQBOND_MAY_CHANGE("added_by") " WITH CHECK " EQBOND_MAY_CHANGE("added_by"),

    // A download arrives owned by the login that pushes it, and never again once deleted.
    "CREATE FUNCTION eqbond.download_arrives() RETURNS trigger LANGUAGE plpgsql" EQBOND_FIXED_PATH
    "AS $$ BEGIN "
    "IF NEW.owner IS DISTINCT FROM session_user THEN RAISE EXCEPTION "
    "'a download is owned by the login that pushes it' USING ERRCODE = '42501'; END IF; "
    "IF EXISTS (SELECT 1 FROM eqbond.history WHERE download_uuid = NEW.uuid "
    "AND action = 'delete') THEN RAISE EXCEPTION 'deleted on the server' "
    "USING ERRCODE = 'EQ001'; END IF; "
    "NEW.pushed := now(); NEW.revision := 1; RETURN NEW; END $$",
    "CREATE TRIGGER arrives BEFORE INSERT ON eqbond.downloads FOR EACH ROW "
    "EXECUTE FUNCTION eqbond.download_arrives()",
    // What was measured stays as measured; every change counts a revision.
    "CREATE FUNCTION eqbond.download_changes() RETURNS trigger LANGUAGE plpgsql" EQBOND_FIXED_PATH
    "AS $$ BEGIN "
    "IF (NEW.uuid, NEW.owner, NEW.started, NEW.finished, NEW.port_number, NEW.device, "
    "NEW.reported_total, NEW.groups_read, NEW.ending, NEW.groups_held, NEW.lowest_milliohm, "
    "NEW.highest_milliohm) IS DISTINCT FROM (OLD.uuid, OLD.owner, OLD.started, OLD.finished, "
    "OLD.port_number, OLD.device, OLD.reported_total, OLD.groups_read, OLD.ending, "
    "OLD.groups_held, OLD.lowest_milliohm, OLD.highest_milliohm) THEN RAISE EXCEPTION "
    "'the readings of a download cannot be changed' USING ERRCODE = 'EQ002'; END IF; "
    "NEW.revision := OLD.revision + 1; NEW.pushed := now(); RETURN NEW; END $$",
    "CREATE TRIGGER readings_stay BEFORE UPDATE ON eqbond.downloads FOR EACH ROW "
    "EXECUTE FUNCTION eqbond.download_changes()",
    // The history is written as the schema's owner: nobody else may write it.
    "CREATE FUNCTION eqbond.download_history() RETURNS trigger LANGUAGE plpgsql "
    "SECURITY DEFINER" EQBOND_FIXED_PATH
    "AS $$ BEGIN "
    "IF TG_OP = 'INSERT' THEN INSERT INTO eqbond.history (action, download_uuid, new, revision) "
    "VALUES ('push', NEW.uuid, NEW.groups_held || ' groups', NEW.revision); "
    "ELSIF TG_OP = 'DELETE' THEN INSERT INTO eqbond.history (action, download_uuid, old, revision) "
    "VALUES ('delete', OLD.uuid, OLD.groups_held || ' groups', OLD.revision); "
    "ELSE INSERT INTO eqbond.history (action, download_uuid, field, old, new, revision) "
    "SELECT 'change', NEW.uuid, f, o, n, NEW.revision FROM (VALUES "
    "('site', (SELECT name FROM eqbond.sites WHERE id = OLD.site_id), "
    "(SELECT name FROM eqbond.sites WHERE id = NEW.site_id)), "
    "('location', OLD.location, NEW.location), ('inspector', OLD.inspector, NEW.inspector), "
    "('instrument', OLD.instrument_serial, NEW.instrument_serial), "
    "('notes', OLD.notes, NEW.notes)) v(f, o, n) WHERE o IS DISTINCT FROM n; "
    "END IF; RETURN NULL; END $$",
    "CREATE TRIGGER recorded AFTER INSERT OR UPDATE OR DELETE ON eqbond.downloads "
    "FOR EACH ROW EXECUTE FUNCTION eqbond.download_history()",

    // Groups: all of a download's arrive with it, none later; only test points change.
    "CREATE FUNCTION eqbond.groups_arrive() RETURNS trigger LANGUAGE plpgsql" EQBOND_FIXED_PATH
    "AS $$ BEGIN "
    "IF EXISTS (SELECT 1 FROM (SELECT DISTINCT download_uuid FROM arrived) a "
    "JOIN eqbond.downloads d ON d.uuid = a.download_uuid WHERE d.groups_held <> "
    "(SELECT count(*) FROM eqbond.groups g WHERE g.download_uuid = d.uuid)) "
    "THEN RAISE EXCEPTION 'the readings of a download cannot be changed' "
    "USING ERRCODE = 'EQ002'; END IF; RETURN NULL; END $$",
    "CREATE TRIGGER arrive AFTER INSERT ON eqbond.groups REFERENCING NEW TABLE AS arrived "
    "FOR EACH STATEMENT EXECUTE FUNCTION eqbond.groups_arrive()",
    "CREATE FUNCTION eqbond.group_changes() RETURNS trigger LANGUAGE plpgsql" EQBOND_FIXED_PATH
    "AS $$ BEGIN "
    "IF TG_OP = 'DELETE' THEN "
    // Only with their download: the cascade finds it gone.
    "IF EXISTS (SELECT 1 FROM eqbond.downloads WHERE uuid = OLD.download_uuid) THEN "
    "RAISE EXCEPTION 'the readings of a download cannot be changed' USING ERRCODE = 'EQ002'; "
    "END IF; RETURN OLD; END IF; "
    "IF (NEW.download_uuid, NEW.number, NEW.milliohm, NEW.battery, NEW.year, NEW.month, "
    "NEW.day, NEW.hour, NEW.minute) IS DISTINCT FROM (OLD.download_uuid, OLD.number, "
    "OLD.milliohm, OLD.battery, OLD.year, OLD.month, OLD.day, OLD.hour, OLD.minute) THEN "
    "RAISE EXCEPTION 'the readings of a download cannot be changed' USING ERRCODE = 'EQ002'; "
    "END IF; RETURN NEW; END $$",
    "CREATE TRIGGER readings_stay BEFORE UPDATE OR DELETE ON eqbond.groups FOR EACH ROW "
    "EXECUTE FUNCTION eqbond.group_changes()",
    // A new revision of each download whose test points changed, and one entry per test point.
    "CREATE FUNCTION eqbond.labels_history() RETURNS trigger LANGUAGE plpgsql "
    "SECURITY DEFINER" EQBOND_FIXED_PATH
    "AS $$ BEGIN "
    "WITH touched AS (UPDATE eqbond.downloads SET revision = revision WHERE uuid IN "
    "(SELECT n.download_uuid FROM old_rows o JOIN new_rows n USING (download_uuid, number) "
    "WHERE o.label IS DISTINCT FROM n.label) RETURNING uuid, revision) "
    "INSERT INTO eqbond.history (action, download_uuid, field, old, new, revision) "
    "SELECT 'change', n.download_uuid, 'group ' || n.number || ' test point', o.label, n.label, "
    "t.revision FROM old_rows o JOIN new_rows n USING (download_uuid, number) "
    "JOIN touched t ON t.uuid = n.download_uuid "
    "WHERE o.label IS DISTINCT FROM n.label ORDER BY n.download_uuid, n.number; "
    "RETURN NULL; END $$",
    "CREATE TRIGGER recorded AFTER UPDATE ON eqbond.groups REFERENCING OLD TABLE AS old_rows "
    "NEW TABLE AS new_rows FOR EACH STATEMENT EXECUTE FUNCTION eqbond.labels_history()",

    // Sites: anyone adds one; its address and customer are its adder's or an admin's to change,
    // its name an admin's.
    "CREATE FUNCTION eqbond.site_changes() RETURNS trigger LANGUAGE plpgsql" EQBOND_FIXED_PATH
    "AS $$ BEGIN "
    "IF TG_OP = 'INSERT' THEN IF NEW.added_by IS DISTINCT FROM session_user THEN "
    "RAISE EXCEPTION 'a site is added by the login that adds it' USING ERRCODE = '42501'; "
    "END IF; RETURN NEW; END IF; "
    "IF (NEW.id, NEW.added_by) IS DISTINCT FROM (OLD.id, OLD.added_by) THEN "
    "RAISE EXCEPTION 'a site keeps who added it' USING ERRCODE = '42501'; END IF; "
    "IF NEW.name IS DISTINCT FROM OLD.name AND NOT " EQBOND_IS_ADMIN " THEN "
    "RAISE EXCEPTION 'only an admin renames a site' USING ERRCODE = '42501'; END IF; "
    "RETURN NEW; END $$",
    "CREATE TRIGGER rules BEFORE INSERT OR UPDATE ON eqbond.sites FOR EACH ROW "
    "EXECUTE FUNCTION eqbond.site_changes()",
    "CREATE FUNCTION eqbond.site_history() RETURNS trigger LANGUAGE plpgsql "
    "SECURITY DEFINER" EQBOND_FIXED_PATH
    "AS $$ BEGIN "
    "IF TG_OP = 'INSERT' THEN INSERT INTO eqbond.history (action, site_id, field, new) "
    "VALUES ('add site', NEW.id, 'site name', NEW.name); "
    "ELSIF TG_OP = 'DELETE' THEN INSERT INTO eqbond.history (action, site_id, field, old) "
    "VALUES ('delete site', OLD.id, 'site name', OLD.name); "
    "ELSE INSERT INTO eqbond.history (action, site_id, field, old, new) "
    "SELECT 'change site', NEW.id, f, o, n FROM (VALUES ('site name', OLD.name, NEW.name), "
    "('address', OLD.address, NEW.address), ('customer', OLD.customer, NEW.customer)) "
    "v(f, o, n) WHERE o IS DISTINCT FROM n; END IF; RETURN NULL; END $$",
    "CREATE TRIGGER recorded AFTER INSERT OR UPDATE OR DELETE ON eqbond.sites FOR EACH ROW "
    "EXECUTE FUNCTION eqbond.site_history()",

    // Deleting goes through these: a table privilege to delete would also let an inspector
    // lock the table against everyone.
    "CREATE FUNCTION eqbond.delete_download(which uuid) RETURNS boolean LANGUAGE plpgsql "
    "SECURITY DEFINER" EQBOND_FIXED_PATH
    "AS $$ DECLARE who text; BEGIN "
    "SELECT owner INTO who FROM eqbond.downloads WHERE uuid = which; "
    "IF NOT FOUND THEN RETURN false; END IF; "
    "IF NOT " EQBOND_MAY_CHANGE("who") " THEN RAISE EXCEPTION "
    "'the download is another role''s' USING ERRCODE = '42501'; END IF; "
    "DELETE FROM eqbond.downloads WHERE uuid = which; RETURN true; END $$",
    "CREATE FUNCTION eqbond.delete_site(which uuid) RETURNS boolean LANGUAGE plpgsql "
    "SECURITY DEFINER" EQBOND_FIXED_PATH
    "AS $$ BEGIN "
    "IF NOT " EQBOND_IS_ADMIN " THEN RAISE EXCEPTION 'only an admin deletes a site' "
    "USING ERRCODE = '42501'; END IF; "
    "DELETE FROM eqbond.sites WHERE id = which; RETURN FOUND; END $$",
    "REVOKE ALL ON FUNCTION eqbond.delete_download(uuid), eqbond.delete_site(uuid) FROM PUBLIC",
};

#undef EQBOND_FIXED_PATH
#undef EQBOND_MAY_CHANGE
#undef EQBOND_IS_ADMIN

}  // namespace

QStringList rules_steps() {
    QStringList out;
    for (const char* sql : kHistoryAndTexts) out << QString::fromUtf8(sql);
    out << escapes_of_stored_texts();
    for (const char* sql : kRules) out << QString::fromUtf8(sql);
    return out;
}

QStringList rules_grants() {
    return {
        // Earlier layouts granted whole tables: a table-wide UPDATE or DELETE lets its holder
        // LOCK the table. Column grants and the delete functions do not.
        QStringLiteral("REVOKE ALL ON ALL TABLES IN SCHEMA eqbond FROM eqbond_inspector"),
        QStringLiteral("GRANT USAGE ON SCHEMA eqbond TO eqbond_inspector"),
        QStringLiteral("GRANT SELECT ON eqbond.layout, eqbond.history TO eqbond_inspector"),
        QStringLiteral("GRANT SELECT, INSERT ON eqbond.sites, eqbond.downloads, eqbond.groups, "
                       "eqbond.plans TO eqbond_inspector"),
        QStringLiteral("GRANT UPDATE (name, address, customer) ON eqbond.sites "
                       "TO eqbond_inspector"),
        // The measured columns too, for a push that repeats them: the triggers keep them.
        QStringLiteral("GRANT UPDATE (site_id, location, inspector, instrument_serial, notes, "
                       "started, finished, port_number, device, reported_total, groups_read, "
                       "ending, groups_held, lowest_milliohm, highest_milliohm) "
                       "ON eqbond.downloads TO eqbond_inspector"),
        QStringLiteral("GRANT UPDATE (number, milliohm, battery, year, month, day, hour, minute, "
                       "label) ON eqbond.groups TO eqbond_inspector"),
        QStringLiteral("GRANT UPDATE (labels) ON eqbond.plans TO eqbond_inspector"),
        QStringLiteral("GRANT EXECUTE ON FUNCTION eqbond.delete_download(uuid), "
                       "eqbond.delete_site(uuid) TO eqbond_inspector"),
    };
}

}  // namespace eqbond::team_schema
