#pragma once
// The interface's language, chosen from a small button in the free band along the bottom of the
// main window, left of the archive button. The choice is kept in the settings and takes effect
// at the next start: every caption is set as the windows are built.
#include "language/interface_language.h"

namespace eqbond {
struct Program;
}

namespace eqbond::ui {

class MainWindow;

// `running` is the language the interface speaks now.
void attach_language_button(MainWindow& main_window, Program& program, Language running);

}  // namespace eqbond::ui
