#include "team/team_download.h"

#include "base/visible_text.h"

namespace eqbond {

TeamDownload team_download_of(const Inspection& local, const std::optional<Site>& site) {
    TeamDownload out;
    out.uuid = local.uuid;
    out.download = local.download;
    if (site) out.site = TeamSite{site->name, site->address, site->customer};
    out.location = local.details.location;
    out.inspector = local.details.inspector;
    out.instrument_serial = local.details.instrument_serial;
    out.notes = local.details.notes;
    out.groups = local.groups;
    out.limits = local.own_limits;
    // One label per group, in group order, or none at all.
    if (!local.labels.empty()) {
        out.labels.reserve(local.groups.size());
        for (const Group& g : local.groups) {
            const auto label = local.labels.find(g.number);
            out.labels.push_back(
                label == local.labels.end() ? std::nullopt : std::optional<QString>(label->second));
        }
    }
    return out;
}

Inspection inspection_of(const TeamDownload& team) {
    Inspection out;
    out.uuid = team.uuid;
    out.download = team.download;
    out.groups = team.groups;
    out.own_limits = team.limits;
    out.details.location = team.location;
    out.details.inspector = team.inspector;
    out.details.instrument_serial = team.instrument_serial;
    out.details.notes = team.notes;
    for (size_t i = 0; i < team.labels.size() && i < team.groups.size(); ++i)
        if (team.labels[i]) out.labels[team.groups[i].number] = *team.labels[i];
    return out;
}

StoredTeamDownload visible_copy(StoredTeamDownload stored) {
    TeamDownload& d = stored.download;
    for (QString* text :
         {&stored.owner, &d.site.name, &d.site.address, &d.site.customer, &d.location, &d.inspector,
          &d.instrument_serial, &d.notes, &d.download.device})
        *text = visible_text(*text);
    for (std::optional<QString>& label : d.labels)
        if (label) *label = visible_text(*label);
    return stored;
}

QString team_history_line(const TeamHistoryEntry& e) {
    QStringList shown;
    for (const QString& field : {e.at.toUTC().toString(Qt::ISODateWithMs), e.role, e.action,
                                 e.field, e.old_value, e.new_value})
        shown << visible_text(field);
    return shown.join(QLatin1Char('\t'));
}

}  // namespace eqbond
