#include "team/qt_team_register_round.h"

#include <algorithm>

namespace eqbond {

RegisterRound exchange_register(QtTeamStore& server, QtSqlitePlanning& local) {
    RegisterRound out;
    const auto failed = [&] {
        out.fault = server.fault();
        return out;
    };
    const std::optional<std::vector<Instrument>> here = local.instruments();
    if (!here) {
        out.local_fault = true;
        return out;
    }
    // The admins' membership was read when the store connected.
    if (server.changes_any() && !here->empty()) {
        if (!server.keep_instruments(*here)) return failed();
        out.sent = true;
    }
    const std::optional<std::vector<Instrument>> team = server.instruments();
    if (!team) return failed();
    for (const Instrument& entry : *team) {
        if (std::find(here->begin(), here->end(), entry) != here->end()) continue;
        if (!local.keep_instrument(entry)) {
            out.local_fault = true;
            return out;
        }
        ++out.taken;
    }
    return out;
}

}  // namespace eqbond
