#pragma once
// The print button of the main window and the handlers of the print options dialog (Form2).
#include <QString>
#include <cstdint>
#include <optional>

namespace eqbond {

struct Program;

// Command7 "打    印": opens the dialog, waits for its answer and prints the chosen range.
void on_print_clicked(Program& p);

// Form2's load: design values, biaozi 100, the number of groups and pages.
void form2_load(Program& p);

// Form2's Command1 "打印". With a range field that cannot be read, the dialog stays open with
// that field selected and a message; otherwise kai..jie are set, the dialog closes and the
// main window is shown again.
void on_form2_print_clicked(Program& p);

// Form2's Command2 "取消", and closing the dialog by its title bar or the keyboard.
void on_form2_cancel_clicked(Program& p);

}  // namespace eqbond
