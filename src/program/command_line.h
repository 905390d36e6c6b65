#pragma once
// The command line as the user typed it, and a console that shows what the programs print.
#include <QStringList>

namespace eqbond {

// On Windows from the system's wide command line: the 8-bit one holds only the characters of the
// system's code page, so a Chinese site name or path typed on an English Windows would be lost.
QStringList command_line_arguments(int argc, char** argv);

// Output is UTF-8; on Windows the console is told so, or it would show it in its own code page.
void show_utf8_on_console();

}  // namespace eqbond
