#pragma once
#include <QFont>
#include <QString>

namespace eqbond::ui {

// The typeface every caption asks for; where it is missing, an installed Song/Ming-style CJK
// face stands in for it.
inline const QString kSongFamily = QStringLiteral("宋体");

void install_font_substitutes();
QFont song_font(double points, bool bold = false);

}  // namespace eqbond::ui
