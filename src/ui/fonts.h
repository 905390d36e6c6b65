#pragma once
#include <QFont>
#include <QString>

namespace eqbond::ui {

// Where the Song typeface every caption asks for is missing, an installed Song/Ming-style CJK
// face stands in for it.
void install_font_substitutes();
QFont song_font(double points, bool bold = false);

}  // namespace eqbond::ui
