#pragma once
#include <QRect>
#include <QWidget>

#include "base/twips.h"

namespace eqbond::ui {

inline int px(int twips) {
    return twips / kTwipsPerPixel;
}

// Places a control at a rectangle given in twips, relative to its container.
inline void place(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(QRect(px(left), px(top), px(width), px(height)));
}

}  // namespace eqbond::ui
