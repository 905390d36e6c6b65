#pragma once
// The print button of the main window and the handlers of the print options dialog.
#include <QString>
#include <cstdint>
#include <optional>

namespace eqbond {

struct Program;

// The print button: opens the dialog, waits for its answer and prints the chosen range.
void on_print_clicked(Program& p);

// The dialog's load: design values, the answer pending, the number of groups and pages.
void load_print_options(Program& p);

// The dialog's print button. With a range field that cannot be read, the dialog stays open with
// that field selected and a message; otherwise first_group..last_group are set, the dialog closes
// and the main window is shown again.
void on_print_options_confirmed(Program& p);

// The dialog's cancel button, and closing the dialog by its title bar or the keyboard.
void on_print_options_cancelled(Program& p);

}  // namespace eqbond
