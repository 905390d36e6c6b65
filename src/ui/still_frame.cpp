#include "ui/still_frame.h"

#include <QPaintEvent>
#include <QStyleOptionGroupBox>
#include <QStylePainter>

namespace eqbond::ui {

void StillFrame::paintEvent(QPaintEvent* event) {
    const QBrush background = palette().brush(backgroundRole());
    if (background.style() != Qt::SolidPattern || devicePixelRatioF() != 1.0) {
        QGroupBox::paintEvent(event);
        return;
    }
    const Look look{size(),  title(),     palette().cacheKey(), font().key(),
                    style(), isEnabled(), isActiveWindow()};
    if (drawn_.isNull() || !(look == drawn_look_)) {
        // What lies beneath is the plain colour the frame would be drawn on in place.
        drawn_ = QPixmap(size());
        drawn_.fill(background.color());
        QStylePainter painter(&drawn_, this);
        QStyleOptionGroupBox option;
        initStyleOption(&option);
        painter.drawComplexControl(QStyle::CC_GroupBox, option);
        drawn_look_ = look;
    }
    QPainter(this).drawPixmap(event->rect(), drawn_, event->rect());
}

}  // namespace eqbond::ui
