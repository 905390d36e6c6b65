#pragma once
// How wide a text stands on the printed page and in the text report: Chinese characters, "Ω" and
// "■" are two bytes in GBK and two cells wide; ASCII is one.
#include <QString>

namespace eqbond {

inline int cells_of(QChar c) {
    return c.unicode() < 0x80 ? 1 : 2;
}

inline int cells_of(const QString& text) {
    int cells = 0;
    for (QChar c : text) cells += cells_of(c);
    return cells;
}

}  // namespace eqbond
