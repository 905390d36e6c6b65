#include "team/team_merge.h"

#include "base/visible_text.h"
#include "inspection/field_conflict.h"

namespace eqbond {

namespace {

QString label_text(const std::vector<std::optional<QString>>& labels, size_t i) {
    return i < labels.size() && labels[i] ? *labels[i] : QString();
}

// As the server's history writes a limit: ohm with three decimals, empty for none.
QString limit_text(const OwnLimits& limits, int32_t number) {
    const auto limit = limits.find(number);
    return limit == limits.end() ? QString() : limit_number(limit->second);
}

}  // namespace

TeamMerge merge_download(const TeamDownload& here, const TeamDownload& server,
                         const std::map<QString, QString>& changed_there) {
    TeamMerge out;
    out.merged = here;
    // One field: kept as here unless the server changed it since.
    const auto merge = [&](const QString& field, const QString& mine, const QString& theirs,
                           const auto& take_theirs) {
        const auto there = changed_there.find(field);
        if (there == changed_there.end() || mine == theirs) return;
        // Overruled here and not changed there since: this computer's value goes.
        const auto overruled = here.overruled.find(field);
        if (overruled != here.overruled.end() && overruled->second == theirs) return;
        take_theirs();
        if (mine == there->second)
            out.taken_from_server = true;
        else
            out.conflicts.push_back({here.uuid, field, theirs, mine});
    };
    TeamDownload& m = out.merged;
    const auto detail = [](ConflictSubject subject) { return conflict_field_name({subject, 0}); };
    merge(detail(ConflictSubject::Site), here.site.name, server.site.name,
          [&] { m.site = server.site; });
    merge(detail(ConflictSubject::Location), here.location, server.location,
          [&] { m.location = server.location; });
    merge(detail(ConflictSubject::Inspector), here.inspector, server.inspector,
          [&] { m.inspector = server.inspector; });
    merge(detail(ConflictSubject::Instrument), here.instrument_serial, server.instrument_serial,
          [&] { m.instrument_serial = server.instrument_serial; });
    merge(detail(ConflictSubject::Notes), here.notes, server.notes,
          [&] { m.notes = server.notes; });
    if (m.labels.empty() && !server.labels.empty()) m.labels.resize(here.groups.size());
    for (size_t i = 0; i < here.groups.size(); ++i) {
        const QString field =
            conflict_field_name({ConflictSubject::TestPoint, here.groups[i].number});
        merge(field, label_text(here.labels, i), label_text(server.labels, i),
              [&] { m.labels[i] = i < server.labels.size() ? server.labels[i] : std::nullopt; });
        const int32_t number = here.groups[i].number;
        merge(QStringLiteral("group %1 limit").arg(number), limit_text(here.limits, number),
              limit_text(server.limits, number), [&] {
                  const auto there = server.limits.find(number);
                  if (there == server.limits.end())
                      m.limits.erase(number);
                  else
                      m.limits[number] = there->second;
              });
    }
    return out;
}

QString conflict_line(const TeamConflict& c) {
    return QStringLiteral("conflict: %1 %2: server \"%3\" here \"%4\"")
        .arg(c.uuid, c.field, visible_text(c.server), visible_text(c.here));
}

}  // namespace eqbond
