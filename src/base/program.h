#pragma once
// The program as the handlers see it: its state and its ports.
#include "base/ports.h"
#include "base/program_state.h"

namespace eqbond {

struct Program {
    ProgramState state;
    Ports ports;
};

// Tells the link observer, when there is one, of a moment of the link.
inline void note_link_moment(const Program& p, LinkMoment moment) {
    if (p.ports.link_observer) p.ports.link_observer->on_link_moment(moment, p);
}

}  // namespace eqbond
