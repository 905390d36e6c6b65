#include "team/team_planning_schema.h"

namespace eqbond::team_schema {

namespace {

#define EQBOND_FIXED_PATH " SET search_path = pg_catalog, pg_temp "
// A limit as the program writes it: ohm with three decimals.
#define EQBOND_OHM(milliohm) "(" milliohm " / 1000.0)::numeric(10, 3)::text"

const char* const kPlanning[] = {
    "ALTER TABLE eqbond.groups ADD COLUMN limit_milliohm integer "
    "CHECK (limit_milliohm BETWEEN 1 AND 1000000)",
    // A test point's label and limit change under the same rules, each with its own entry.
    "CREATE OR REPLACE FUNCTION eqbond.labels_history() RETURNS trigger LANGUAGE plpgsql "
    "SECURITY DEFINER" EQBOND_FIXED_PATH
    "AS $$ BEGIN "
    "WITH changed AS (SELECT n.download_uuid, n.number, c.field, c.was, c.now FROM old_rows o "
    "JOIN new_rows n USING (download_uuid, number), LATERAL (VALUES "
    "(' test point', o.label, n.label), "
    "(' limit', " EQBOND_OHM("o.limit_milliohm") ", " EQBOND_OHM("n.limit_milliohm") ")) "
    "c(field, was, now) WHERE c.was IS DISTINCT FROM c.now), "
    "touched AS (UPDATE eqbond.downloads SET revision = revision WHERE uuid IN "
    "(SELECT download_uuid FROM changed) RETURNING uuid, revision) "
    "INSERT INTO eqbond.history (action, download_uuid, field, old, new, revision) "
    "SELECT 'change', c.download_uuid, 'group ' || c.number || c.field, c.was, c.now, t.revision "
    "FROM changed c JOIN touched t ON t.uuid = c.download_uuid "
    "ORDER BY c.download_uuid, c.number, c.field DESC; "
    "RETURN NULL; END $$",

    "CREATE TABLE eqbond.instruments (serial text PRIMARY KEY, model text NOT NULL DEFAULT '', "
    "calibrated date NOT NULL, due date NOT NULL, certificate text NOT NULL DEFAULT '', "
    "CHECK (serial <> '' AND due >= calibrated AND eqbond.fits(serial) AND eqbond.fits(model) "
    "AND eqbond.fits(certificate)))",
    // Every change of the register is recorded as the schema's owner.
    "CREATE FUNCTION eqbond.instrument_history() RETURNS trigger LANGUAGE plpgsql "
    "SECURITY DEFINER" EQBOND_FIXED_PATH
    "AS $$ BEGIN "
    "IF TG_OP = 'INSERT' THEN INSERT INTO eqbond.history (action, field, new) "
    "VALUES ('add instrument', NEW.serial, NEW.calibrated || ' to ' || NEW.due); "
    "ELSIF TG_OP = 'DELETE' THEN INSERT INTO eqbond.history (action, field, old) "
    "VALUES ('delete instrument', OLD.serial, OLD.calibrated || ' to ' || OLD.due); "
    "ELSE INSERT INTO eqbond.history (action, field, old, new) "
    "SELECT 'change instrument', OLD.serial || ' ' || f, o, n FROM (VALUES "
    "('serial', OLD.serial, NEW.serial), ('model', OLD.model, NEW.model), "
    "('calibrated', OLD.calibrated::text, NEW.calibrated::text), "
    "('due', OLD.due::text, NEW.due::text), "
    "('certificate', OLD.certificate, NEW.certificate)) v(f, o, n) "
    "WHERE o IS DISTINCT FROM n; END IF; RETURN NULL; END $$",
    "CREATE TRIGGER recorded AFTER INSERT OR UPDATE OR DELETE ON eqbond.instruments "
    "FOR EACH ROW EXECUTE FUNCTION eqbond.instrument_history()",
};

#undef EQBOND_OHM
#undef EQBOND_FIXED_PATH

}  // namespace

QStringList planning_steps() {
    QStringList out;
    for (const char* sql : kPlanning) out << QString::fromUtf8(sql);
    return out;
}

QStringList planning_grants() {
    return {
        QStringLiteral("GRANT UPDATE (limit_milliohm) ON eqbond.groups TO eqbond_inspector"),
        // The register is the admins' alone: an inspector only reads it.
        QStringLiteral("GRANT SELECT ON eqbond.instruments TO eqbond_inspector"),
        QStringLiteral("GRANT INSERT, UPDATE, DELETE ON eqbond.instruments TO eqbond_admin"),
    };
}

const QString kInstruments = QStringLiteral(
    "SELECT serial, model, calibrated::text, due::text, certificate FROM eqbond.instruments "
    "ORDER BY serial");

const QString kKeepInstrument = QStringLiteral(
    "INSERT INTO eqbond.instruments AS i (serial, model, calibrated, due, certificate) "
    "VALUES (?, ?, ?::date, ?::date, ?) ON CONFLICT (serial) DO UPDATE SET "
    "model = EXCLUDED.model, calibrated = EXCLUDED.calibrated, due = EXCLUDED.due, "
    "certificate = EXCLUDED.certificate WHERE (i.model, i.calibrated, i.due, i.certificate) "
    "IS DISTINCT FROM (EXCLUDED.model, EXCLUDED.calibrated, EXCLUDED.due, EXCLUDED.certificate)");

}  // namespace eqbond::team_schema
