#pragma once
// The options of the eqbond-sim command, turned into a simulator configuration.
#include <QString>
#include <QStringList>

#include "demo/simulator_config.h"

namespace eqbond::sim {

struct CommandLine {
    SimulatorConfig config;
    QString replay_path;  // --replay: play the instrument's side of this wire trace
    bool fast = false;    // --fast: answer a replayed request at once
    bool show_help = false;
    QString help_text;
    QString error;  // empty when the options were understood
};

// `arguments` as main() receives them, the program name first.
CommandLine parse_command_line(const QStringList& arguments);

}  // namespace eqbond::sim
