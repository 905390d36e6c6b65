#include "team/team_people_schema.h"

namespace eqbond::team_schema {

namespace {

#define EQBOND_FIXED_PATH " SET search_path = pg_catalog, pg_temp "

const char* const kPeopleSteps[] = {
    "CREATE TABLE eqbond.people (role text PRIMARY KEY, name text NOT NULL, "
    "CHECK (role <> '' AND name <> '' AND eqbond.fits(role) AND eqbond.fits(name)))",
    "CREATE FUNCTION eqbond.person_history() RETURNS trigger LANGUAGE plpgsql "
    "SECURITY DEFINER" EQBOND_FIXED_PATH
    "AS $$ BEGIN "
    "IF TG_OP = 'INSERT' THEN INSERT INTO eqbond.history (action, field, new) "
    "VALUES ('add person', NEW.role, NEW.name); "
    "ELSIF TG_OP = 'DELETE' THEN INSERT INTO eqbond.history (action, field, old) "
    "VALUES ('delete person', OLD.role, OLD.name); "
    "ELSIF OLD.name IS DISTINCT FROM NEW.name THEN "
    "INSERT INTO eqbond.history (action, field, old, new) "
    "VALUES ('change person', NEW.role, OLD.name, NEW.name); END IF; RETURN NULL; END $$",
    "CREATE TRIGGER recorded AFTER INSERT OR UPDATE OR DELETE ON eqbond.people "
    "FOR EACH ROW EXECUTE FUNCTION eqbond.person_history()",
    // Kept through this alone: a table privilege to write would let an admin's client lock the
    // table against every other one.
    "CREATE FUNCTION eqbond.keep_person(who text, called text) RETURNS void LANGUAGE plpgsql "
    "SECURITY DEFINER" EQBOND_FIXED_PATH
    "AS $$ BEGIN "
    "IF NOT pg_has_role(session_user, 'eqbond_admin', 'MEMBER') THEN RAISE EXCEPTION "
    "'only an admin keeps the list of people' USING ERRCODE = '42501'; END IF; "
    "IF coalesce(called, '') = '' THEN DELETE FROM eqbond.people WHERE role = who; RETURN; "
    "END IF; "
    "IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = who AND rolcanlogin) THEN "
    "RAISE EXCEPTION 'the server has no login role %', who USING ERRCODE = '23514'; END IF; "
    "INSERT INTO eqbond.people AS p (role, name) VALUES (who, called) "
    "ON CONFLICT (role) DO UPDATE SET name = EXCLUDED.name WHERE p.name <> EXCLUDED.name; "
    "END $$",
    "REVOKE ALL ON FUNCTION eqbond.keep_person(text, text) FROM PUBLIC",
};

#undef EQBOND_FIXED_PATH

}  // namespace

QStringList people_steps() {
    QStringList out;
    for (const char* sql : kPeopleSteps) out << QString::fromUtf8(sql);
    return out;
}

QStringList people_grants() {
    return {
        QStringLiteral("GRANT SELECT ON eqbond.people TO eqbond_inspector"),
        QStringLiteral("GRANT EXECUTE ON FUNCTION eqbond.keep_person(text, text) "
                       "TO eqbond_admin"),
    };
}

const QString kPeople = QStringLiteral("SELECT role, name FROM eqbond.people ORDER BY role");

const QString kKeepPerson = QStringLiteral("SELECT eqbond.keep_person(?, ?)");

}  // namespace eqbond::team_schema
