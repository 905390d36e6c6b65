#include "ui/indicator_widget.h"

#include <QPainter>

namespace eqbond::ui {

void IndicatorWidget::set_fill(const QColor& fill) {
    if (fill == fill_) return;
    fill_ = fill;
    update();
}

void IndicatorWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(fill_);
    const int side = qMin(width(), height()) - 2;
    painter.drawEllipse(QRect((width() - side) / 2, (height() - side) / 2, side, side));
}

}  // namespace eqbond::ui
