#pragma once

namespace eqbond::ui {

// Registers the pictures compiled into the static UI library (icon, logo, splash pictures); the
// linker would otherwise drop their unreferenced initialiser. Safe to call more than once.
void load_resources();

}  // namespace eqbond::ui
