#include "team/team_push_schema.h"

namespace eqbond::team_schema {

namespace {

// The caller's own rights and rules apply (no SECURITY DEFINER): the function only saves the
// round trips. Its steps are those of a push, in its order; a site added at the same moment by
// another push, not yet seen, leaves the download to the push's own transaction.
const char* const kPush[] = {
    R"sql(CREATE FUNCTION eqbond.push_new(which uuid, site_name text, site_address text,
 site_customer text, at_location text, by_inspector text, with_instrument text, with_notes text,
 from_time timestamptz, to_time timestamptz, on_port smallint, on_device text, total integer,
 read integer, ended text, held integer, lowest integer, highest integer, numbers integer[],
 milliohms integer[], batteries smallint[], years smallint[], months smallint[], days smallint[],
 hours smallint[], minutes smallint[], labels text[], limits integer[])
 RETURNS bigint LANGUAGE plpgsql SET search_path = pg_catalog, pg_temp AS $$
DECLARE site uuid; arrived bigint;
BEGIN
  IF EXISTS (SELECT 1 FROM eqbond.downloads WHERE uuid = which) THEN RETURN NULL; END IF;
  IF site_name <> '' THEN
    INSERT INTO eqbond.sites (name, address, customer)
      VALUES (site_name, site_address, site_customer)
      ON CONFLICT ((md5(name))) DO NOTHING RETURNING id INTO site;
    IF site IS NULL THEN
      SELECT id INTO site FROM eqbond.sites WHERE md5(name) = md5(site_name);
    END IF;
    IF site IS NULL THEN RETURN NULL; END IF;
    -- An empty address or customer keeps the site's; the rules skip a site of another role.
    IF site_address <> '' OR site_customer <> '' THEN
      UPDATE eqbond.sites SET address = coalesce(nullif(site_address, ''), address),
        customer = coalesce(nullif(site_customer, ''), customer)
        WHERE id = site AND (address, customer) IS DISTINCT FROM
          (coalesce(nullif(site_address, ''), address), coalesce(nullif(site_customer, ''), customer));
    END IF;
  END IF;
  INSERT INTO eqbond.downloads (uuid, site_id, location, inspector, instrument_serial, notes,
    started, finished, port_number, device, reported_total, groups_read, ending, groups_held,
    lowest_milliohm, highest_milliohm)
    VALUES (which, site, at_location, by_inspector, with_instrument, with_notes, from_time,
      to_time, on_port, on_device, total, read, ended, held, lowest, highest)
    ON CONFLICT (uuid) DO NOTHING RETURNING revision INTO arrived;
  IF arrived IS NULL THEN RETURN NULL; END IF;
  -- Nothing there to compare with: the groups go in as they are.
  INSERT INTO eqbond.groups (download_uuid, number, milliohm, battery, year, month, day, hour,
    minute, label, limit_milliohm)
    SELECT which, * FROM unnest(numbers, milliohms, batteries, years, months, days, hours,
      minutes, labels, limits);
  RETURN arrived;
END $$)sql",
};

const char kSignature[] =
    "eqbond.push_new(uuid, text, text, text, text, text, text, text, timestamptz, timestamptz, "
    "smallint, text, integer, integer, text, integer, integer, integer, integer[], integer[], "
    "smallint[], smallint[], smallint[], smallint[], smallint[], smallint[], text[], integer[])";

}  // namespace

QStringList push_steps() {
    QStringList out;
    for (const char* sql : kPush) out << QString::fromUtf8(sql);
    return out;
}

QStringList push_grants() {
    const QString function = QString::fromLatin1(kSignature);
    return {QStringLiteral("REVOKE ALL ON FUNCTION %1 FROM PUBLIC").arg(function),
            QStringLiteral("GRANT EXECUTE ON FUNCTION %1 TO eqbond_inspector").arg(function)};
}

const QString kPushNew = QStringLiteral(
    "SELECT eqbond.push_new(?::uuid, ?, ?, ?, ?, ?, ?, ?, ?::timestamptz, ?::timestamptz, "
    "?::smallint, ?, ?, ?, ?, ?, ?, ?, ?::integer[], ?::integer[], ?::smallint[], "
    "?::smallint[], ?::smallint[], ?::smallint[], ?::smallint[], ?::smallint[], ?::text[], "
    "?::integer[])");

}  // namespace eqbond::team_schema
