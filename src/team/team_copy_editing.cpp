#include "team/team_copy_editing.h"

namespace eqbond {

bool TeamCopyEditing::save_plan(int64_t site_id, const QString& location,
                                const QStringList& labels) {
    if (!copy_.save_plan(site_id, location, labels)) return false;
    // The team knows a site by its name.
    const std::optional<Site> site = read_.site(site_id);
    if (!site) return false;
    plan_kept_({site->name, location, labels});
    return true;
}

}  // namespace eqbond
