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

// Tell the read observer, when there is one, how the read of the stored groups goes.
inline void note_read_began(const Program& p) {
    if (p.ports.read_observer) p.ports.read_observer->read_began(p);
}
inline void note_group_stored(const Program& p, const Group& group) {
    if (p.ports.read_observer) p.ports.read_observer->group_stored(p, group);
}
inline void note_read_completed(const Program& p) {
    if (p.ports.read_observer) p.ports.read_observer->read_completed(p);
}
inline void note_read_given_up(const Program& p) {
    if (p.ports.read_observer) p.ports.read_observer->read_given_up(p);
}

}  // namespace eqbond
