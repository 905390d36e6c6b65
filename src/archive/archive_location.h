#pragma once
#include <QString>

namespace eqbond {

// The archive's file when none is named: archive.sqlite in the application-data folder of
// eqbond (on Linux ~/.local/share/eqbond, on Windows %APPDATA%/eqbond).
QString default_archive_file();

// The bonding limit kept in the program's settings; empty when none is set.
QString saved_bonding_limit();
void save_bonding_limit(const QString& typed);

}  // namespace eqbond
