#include "ui/fonts.h"

#include "base/song_typeface.h"

namespace eqbond::ui {

void install_font_substitutes() {
    QFont::insertSubstitutions(kSongTypeface, kSongStandIns);
}

QFont song_font(double points, bool bold) {
    QFont font(kSongTypeface);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

}  // namespace eqbond::ui
