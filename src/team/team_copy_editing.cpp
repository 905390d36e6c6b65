#include "team/team_copy_editing.h"

namespace eqbond {

bool TeamCopyEditing::label_from_plan(int64_t download_id, const PlannedPoints& points,
                                      const QStringList& plan) {
    if (!whole(download_id) || !copy_.label_from_plan(download_id, points, plan)) return false;
    // Kept for the download's site and location, which the team knows the site of by its name.
    const std::optional<Inspection> download = read_.load(download_id);
    if (!download || !download->details.site_id) return true;
    if (const std::optional<Site> site = read_.site(*download->details.site_id))
        plan_kept_({site->name, download->details.location, plan});
    return true;
}

}  // namespace eqbond
