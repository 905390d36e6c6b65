#include "ui/fonts.h"

#include <QStringList>

namespace eqbond::ui {

void install_font_substitutes() {
    QFont::insertSubstitutions(kSongFamily, QStringList{QStringLiteral("SimSun"), QStringLiteral("NSimSun"),
                                             QStringLiteral("AR PL UMing CN"),
                                             QStringLiteral("AR PL UMing TW"),
                                             QStringLiteral("Noto Serif CJK SC"),
                                             QStringLiteral("Noto Sans CJK SC"),
                                             QStringLiteral("WenQuanYi Zen Hei")});
}

QFont song_font(double points, bool bold) {
    QFont font(kSongFamily);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

}  // namespace eqbond::ui
