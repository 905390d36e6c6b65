#pragma once
// A text from elsewhere (a server, a file) made safe to show: every control character is written
// as a visible escape, so no line can be forged and no terminal sequence reaches the terminal.
#include <QString>

namespace eqbond {

// \n, \r and \t for those, \xHH (two lowercase hex digits) for every other control character.
QString visible_text(const QString& text);

}  // namespace eqbond
