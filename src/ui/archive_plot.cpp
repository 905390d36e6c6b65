#include "ui/archive_plot.h"

#include <QHelpEvent>
#include <QPainter>
#include <QPolygonF>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "archive/group_limits.h"
#include "base/value_format.h"

namespace eqbond::ui {

namespace {
constexpr double kMilliohmPerOhm = 1000.0;
constexpr qreal kLeftMargin = 56, kRightMargin = 12, kTopMargin = 16, kBottomMargin = 28;
constexpr qreal kPointRadius = 2.5, kFailRadius = 4.5, kMarkHeight = 7;
}  // namespace

ArchivePlot::ArchivePlot(QWidget* parent) : QWidget(parent) {
    setMinimumSize(320, 180);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
}

void ArchivePlot::set_groups(const std::vector<Group>& groups, std::optional<BondingLimit> limit,
                             const OwnLimits& own) {
    own_ = own;
    groups_ = groups;
    limit_ = limit;
    last_group_ = 1;
    for (const Group& g : groups_) last_group_ = std::max(last_group_, g.number);
    rescale();
}

void ArchivePlot::set_point_tips(const QStringList& tips) {
    tips_ = tips;
}

QString ArchivePlot::tip_at(const QPointF& at) const {
    constexpr qreal kReach = 8;  // pixels around a point
    for (size_t i = 0; i < groups_.size() && int(i) < tips_.size(); ++i) {
        const QPointF d = position_of(groups_[i]) - at;
        if (std::abs(d.x()) <= kReach && std::abs(d.y()) <= kReach) return tips_[int(i)];
    }
    return QString();
}

bool ArchivePlot::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QString tip = tip_at(help->pos());
    if (tip.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), tip, this);
    return true;
}

void ArchivePlot::set_x_labels(const QStringList& labels) {
    x_labels_ = labels;
    update();
}

void ArchivePlot::set_full_range(bool full_range) {
    full_range_ = full_range;
    rescale();
}

void ArchivePlot::rescale() {
    scale_ = plot_scale(groups_, limit_, full_range_);
    update();
}

bool ArchivePlot::above_scale(const Group& group) const {
    return group.overload() || measured_ohm(group) > scale_.top_ohm;
}

QRectF ArchivePlot::plot_area() const {
    return QRectF(kLeftMargin, kTopMargin, width() - kLeftMargin - kRightMargin,
                  height() - kTopMargin - kBottomMargin);
}

qreal ArchivePlot::y_of(double ohm) const {
    const QRectF area = plot_area();
    return area.bottom() - std::min(ohm / scale_.top_ohm, 1.0) * area.height();
}

QPointF ArchivePlot::position_of(const Group& group) const {
    const QRectF area = plot_area();
    const qreal x = last_group_ > 1
                        ? area.left() + (group.number - 1) * area.width() / (last_group_ - 1)
                        : area.center().x();
    return QPointF(x, above_scale(group) ? area.top() : y_of(measured_ohm(group)));
}

std::optional<qreal> ArchivePlot::limit_y() const {
    if (!limit_) return std::nullopt;
    return y_of(judged_limit(*limit_).milliohm / kMilliohmPerOhm);
}

void ArchivePlot::draw_axes(QPainter& painter, const QRectF& area) const {
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(area.bottomLeft(), area.bottomRight());
    painter.drawLine(area.bottomLeft(), area.topLeft());
    const QFontMetricsF metrics(font());
    const int steps = int(std::lround(scale_.top_ohm / scale_.step_ohm));
    for (int i = 0; i <= steps; ++i) {
        const double ohm = scale_.step_ohm * i;
        const qreal y = y_of(ohm);
        painter.drawLine(QPointF(area.left() - 4, y), QPointF(area.left(), y));
        painter.drawText(QRectF(0, y - metrics.height() / 2, kLeftMargin - 6, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, tick_label(ohm, scale_));
    }
    for (int group : {1, last_group_}) {
        const qreal x = position_of(Group{group}).x();
        QString caption = QString::number(group);
        if (!x_labels_.isEmpty()) caption = group == 1 ? x_labels_.front() : x_labels_.back();
        const qreal half = metrics.horizontalAdvance(caption) / 2 + 2;
        // Under its point, but kept inside the widget: a day is wider than the right margin.
        const qreal left = std::clamp(x - half, qreal(0), std::max(qreal(0), width() - 2 * half));
        painter.drawText(QRectF(left, area.bottom() + 4, 2 * half, metrics.height()),
                         Qt::AlignCenter, caption);
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
    const GroupLimits limits(own_, limit_);
    for (const Group& g : groups_) {
        const bool fails = limits.verdict(g) == Verdict::Fail;
        painter.setBrush(fails ? kFailColour : kPassColour);
        const qreal r = fails ? kFailRadius : kPointRadius;
        const QPointF at = position_of(g);
        painter.drawEllipse(at, r, r);
        if (above_scale(g)) {
            // An arrow head above the point: its value lies beyond the top edge.
            const QPointF tip(at.x(), at.y() - r - kMarkHeight - 2);
            const QPointF base_left(at.x() - kMarkHeight / 2, at.y() - r - 2);
            const QPointF base_right(at.x() + kMarkHeight / 2, at.y() - r - 2);
            painter.drawPolygon(QPolygonF({tip, base_left, base_right}));
        }
    }
}

}  // namespace eqbond::ui
