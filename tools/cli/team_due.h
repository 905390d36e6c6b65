#pragma once
// `eqbond-cli team due`: what is due across the whole team archive, every inspector's locations.
#include <QString>
#include <optional>
#include <vector>

#include "inspection/retest.h"

namespace eqbond {
class QtTeamStore;
}

namespace eqbond::cli {

// Each site's location in the team archive (or one site's): the latest day the groups of its
// download read last were measured on, the points of the team's plan for it that download did
// not measure, and the interval this computer's archive at `archive_file` keeps for it, else the
// settings'. Nothing on a server fault.
std::optional<std::vector<InspectedLocation>> team_locations(QtTeamStore& store,
                                                             const QString& site,
                                                             const QString& archive_file);

}  // namespace eqbond::cli
