#include "team/team_issued_schema.h"

namespace eqbond::team_schema {

namespace {

#define EQBOND_FIXED_PATH " SET search_path = pg_catalog, pg_temp "
#define EQBOND_HEX_DIGEST(column) column " ~ '^[0-9a-f]{64}$'"

const char* const kIssuedSteps[] = {
    // No reference to the download: one deleted on the server leaves what was issued of it.
    "CREATE TABLE eqbond.issued_reports (number text NOT NULL, revision integer NOT NULL, "
    "download_uuid uuid NOT NULL, issued text NOT NULL, pdf_sha256 text NOT NULL, "
    "pdf bytea NOT NULL, content text NOT NULL, content_sha256 text NOT NULL, "
    "inspector text NOT NULL DEFAULT '', approver text NOT NULL DEFAULT '', "
    "reason text NOT NULL DEFAULT '', replaces integer, site text NOT NULL DEFAULT '', "
    "location text NOT NULL DEFAULT '', pushed_by text NOT NULL DEFAULT session_user, "
    "pushed timestamptz NOT NULL DEFAULT now(), PRIMARY KEY (number, revision), "
    "CHECK (number ~ '^[A-Za-z0-9]{1,12}-[0-9]{4}-[0-9]{4,}$' AND revision >= 1 "
    "AND (replaces IS NULL OR (replaces >= 1 AND replaces < revision))), "
    "CHECK (issued ~ '^[0-9]{4}-[0-9]{2}-[0-9]{2}T[0-9]{2}:[0-9]{2}:[0-9]{2}[+-][0-9]{2}:[0-9]{2}$'), "
    // The digests are the server's own reckoning of the bytes, never only the pusher's word.
    "CHECK (" EQBOND_HEX_DIGEST("pdf_sha256") " AND pdf_sha256 = encode(sha256(pdf), 'hex')), "
    "CHECK (" EQBOND_HEX_DIGEST("content_sha256") " AND content_sha256 = "
    "encode(sha256(convert_to(content, 'UTF8')), 'hex')), "
    "CHECK (eqbond.fits(site) AND eqbond.fits(location) AND eqbond.fits(inspector) AND "
    "eqbond.fits(approver) AND eqbond.fits(pushed_by)), "
    // A reason may run over lines and say more than a label.
    R"sql(CHECK (char_length(reason) <= 2000 AND reason !~ '[\x01-\x08\x0b\x0c\x0e-\x1f\x7f-\x9f]')))sql",
    "CREATE INDEX issued_by_sha ON eqbond.issued_reports (pdf_sha256)",
    "ALTER TABLE eqbond.issued_reports ENABLE ROW LEVEL SECURITY",
    "CREATE POLICY read_all ON eqbond.issued_reports FOR SELECT TO eqbond_inspector "
    "USING (true)",
    // The login that pushes is named by the server, whoever writes the row.
    "CREATE FUNCTION eqbond.issued_arrives() RETURNS trigger LANGUAGE plpgsql" EQBOND_FIXED_PATH
    "AS $$ BEGIN "
    "IF NEW.pushed_by IS DISTINCT FROM session_user THEN RAISE EXCEPTION "
    "'an issued report is pushed by the login that pushes it' USING ERRCODE = '42501'; END IF; "
    "NEW.pushed := now(); RETURN NEW; END $$",
    "CREATE TRIGGER arrives BEFORE INSERT ON eqbond.issued_reports FOR EACH ROW "
    "EXECUTE FUNCTION eqbond.issued_arrives()",
    "CREATE FUNCTION eqbond.issued_stays() RETURNS trigger LANGUAGE plpgsql" EQBOND_FIXED_PATH
    "AS $$ BEGIN RAISE EXCEPTION 'an issued report cannot be changed' USING ERRCODE = '42501'; "
    "END $$",
    "CREATE TRIGGER stays BEFORE UPDATE OR DELETE ON eqbond.issued_reports FOR EACH ROW "
    "EXECUTE FUNCTION eqbond.issued_stays()",
    "CREATE TRIGGER stays_whole BEFORE TRUNCATE ON eqbond.issued_reports FOR EACH STATEMENT "
    "EXECUTE FUNCTION eqbond.issued_stays()",
    // The only way in: no table privilege to write, which would also let an inspector lock the
    // table. Two laptops pushing the same number at once meet at the key: the second finds the
    // first's row once it is committed.
    R"sql(CREATE FUNCTION eqbond.push_issued(of_number text, of_revision integer,
 of_download uuid, issued_at text, with_pdf_sha256 text, with_pdf bytea, with_content text,
 with_content_sha256 text, by_inspector text, by_approver text, because text,
 replacing integer, at_site text, at_location text)
 RETURNS text LANGUAGE plpgsql SECURITY DEFINER SET search_path = pg_catalog, pg_temp AS $$
DECLARE held text;
BEGIN
  INSERT INTO eqbond.issued_reports (number, revision, download_uuid, issued, pdf_sha256, pdf,
    content, content_sha256, inspector, approver, reason, replaces, site, location)
    VALUES (of_number, of_revision, of_download, issued_at, with_pdf_sha256, with_pdf,
      with_content, with_content_sha256, by_inspector, by_approver, because, replacing, at_site,
      at_location)
    ON CONFLICT (number, revision) DO NOTHING;
  IF FOUND THEN
    INSERT INTO eqbond.history (action, download_uuid, field, new)
      VALUES ('issue report', of_download, of_number || ' revision ' || of_revision,
        with_pdf_sha256);
    RETURN 'added';
  END IF;
  SELECT pdf_sha256 INTO held FROM eqbond.issued_reports
    WHERE number = of_number AND revision = of_revision;
  IF held = with_pdf_sha256 THEN RETURN 'held'; END IF;
  RETURN 'other';
END $$)sql",
};

#undef EQBOND_HEX_DIGEST
#undef EQBOND_FIXED_PATH

const char kSignature[] =
    "eqbond.push_issued(text, integer, uuid, text, text, bytea, text, text, text, text, text, "
    "integer, text, text)";

}  // namespace

QStringList issued_steps() {
    QStringList out;
    for (const char* sql : kIssuedSteps) out << QString::fromUtf8(sql);
    return out;
}

QStringList issued_grants() {
    const QString function = QString::fromLatin1(kSignature);
    return {QStringLiteral("GRANT SELECT ON eqbond.issued_reports TO eqbond_inspector"),
            QStringLiteral("REVOKE ALL ON FUNCTION %1 FROM PUBLIC").arg(function),
            QStringLiteral("GRANT EXECUTE ON FUNCTION %1 TO eqbond_inspector").arg(function)};
}

const QString kPushIssued = QStringLiteral(
    "SELECT eqbond.push_issued(?, ?, ?::uuid, ?, ?, ?, ?, ?, ?, ?, ?, ?::integer, ?, ?)");

const QString kIssuedWithSha256 = QStringLiteral(
    "SELECT number, revision, issued, site, location FROM eqbond.issued_reports "
    "WHERE pdf_sha256 = ? ORDER BY number, revision");

const QString kIssuedHeld =
    QStringLiteral("SELECT 1 FROM eqbond.issued_reports WHERE number = ? AND revision = ?");

}  // namespace eqbond::team_schema
