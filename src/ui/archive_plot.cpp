#include "ui/archive_plot.h"

#include <QPainter>
#include <algorithm>

#include "base/value_format.h"

namespace eqbond::ui {

namespace {
constexpr double kTenthsPerOhm = 10000.0;
constexpr qreal kLeftMargin = 56, kRightMargin = 12, kTopMargin = 12, kBottomMargin = 28;
constexpr qreal kPointRadius = 2.5, kFailRadius = 4.5;
constexpr int kTicks = 4;

double ohm_of(const Group& g) {
    return shown_tenths_of_milliohm(g.milliohm) / kTenthsPerOhm;
}
}  // namespace

ArchivePlot::ArchivePlot(QWidget* parent) : QWidget(parent) {
    setMinimumSize(320, 180);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
}

void ArchivePlot::set_groups(const std::vector<Group>& groups, std::optional<BondingLimit> limit) {
    groups_ = groups;
    limit_ = limit;
    last_group_ = 1;
    double highest = 0;
    for (const Group& g : groups_) {
        last_group_ = std::max(last_group_, g.number);
        if (!g.overload()) highest = std::max(highest, ohm_of(g));
    }
    if (limit_) highest = std::max(highest, limit_->tenths_of_milliohm / kTenthsPerOhm);
    top_ohm_ = highest > 0 ? highest * 1.15 : 1.0;
    update();
}

QRectF ArchivePlot::plot_area() const {
    return QRectF(kLeftMargin, kTopMargin, width() - kLeftMargin - kRightMargin,
                  height() - kTopMargin - kBottomMargin);
}

qreal ArchivePlot::y_of(double ohm) const {
    const QRectF area = plot_area();
    return area.bottom() - std::min(ohm / top_ohm_, 1.0) * area.height();
}

QPointF ArchivePlot::position_of(const Group& group) const {
    const QRectF area = plot_area();
    const qreal x = last_group_ > 1
                        ? area.left() + (group.number - 1) * area.width() / (last_group_ - 1)
                        : area.center().x();
    return QPointF(x, group.overload() ? area.top() : y_of(ohm_of(group)));
}

std::optional<qreal> ArchivePlot::limit_y() const {
    if (!limit_) return std::nullopt;
    return y_of(limit_->tenths_of_milliohm / kTenthsPerOhm);
}

void ArchivePlot::draw_axes(QPainter& painter, const QRectF& area) const {
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(area.bottomLeft(), area.bottomRight());
    painter.drawLine(area.bottomLeft(), area.topLeft());
    const QFontMetricsF metrics(font());
    for (int i = 0; i <= kTicks; ++i) {
        const double ohm = top_ohm_ * i / kTicks;
        const qreal y = y_of(ohm);
        painter.drawLine(QPointF(area.left() - 4, y), QPointF(area.left(), y));
        painter.drawText(QRectF(0, y - metrics.height() / 2, kLeftMargin - 6, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(ohm, 'f', 3));
    }
    for (int group : {1, last_group_}) {
        const qreal x = position_of(Group{group}).x();
        painter.drawText(QRectF(x - 30, area.bottom() + 4, 60, metrics.height()), Qt::AlignCenter,
                         QString::number(group));
    }
}

void ArchivePlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = plot_area();
    draw_axes(painter, area);
    if (const std::optional<qreal> y = limit_y()) {
        painter.setPen(QPen(kLimitColour, 2, Qt::DashLine));
        painter.drawLine(QPointF(area.left(), *y), QPointF(area.right(), *y));
    }
    painter.setPen(Qt::NoPen);
    for (const Group& g : groups_) {
        const bool fails = limit_ && !passes(g, *limit_);
        painter.setBrush(fails ? kFailColour : kPassColour);
        const qreal r = fails ? kFailRadius : kPointRadius;
        painter.drawEllipse(position_of(g), r, r);
    }
}

}  // namespace eqbond::ui
