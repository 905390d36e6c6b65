#pragma once
// The program as the handlers see it: its state and its ports.
#include "base/ports.h"
#include "base/program_state.h"

namespace eqbond {

struct Program {
    ProgramState state;
    Ports ports;
};

}  // namespace eqbond
