#pragma once
// Resistance against group number for one download: a point per group, the bonding limit as a
// line, failing groups marked in red. The value axis has round ticks and keeps the limit
// readable: overloads, and values far above the limit unless the full range is asked for, sit on
// the top edge under a mark.
#include <QColor>
#include <QStringList>
#include <QWidget>
#include <optional>
#include <vector>

#include "archive/bonding_limit.h"
#include "archive/download.h"
#include "archive/plot_scale.h"

namespace eqbond::ui {

class ArchivePlot : public QWidget {
    Q_OBJECT
  public:
    static inline const QColor kPassColour{0, 70, 160};
    static inline const QColor kFailColour{220, 0, 0};
    static inline const QColor kLimitColour{230, 140, 0};

    explicit ArchivePlot(QWidget* parent = nullptr);

    // The line shows the bonding limit; a group is judged by its own limit, else by that.
    void set_groups(const std::vector<Group>& groups, std::optional<BondingLimit> limit,
                    const OwnLimits& own);
    // What the x axis says under its first and last point instead of their group numbers (a
    // test point's history names the inspections' days); empty: the group numbers.
    void set_x_labels(const QStringList& labels);
    // What the pointer resting on a point tells, by point; empty: nothing.
    void set_point_tips(const QStringList& tips);
    // The tip of the point drawn at `at`, or none.
    QString tip_at(const QPointF& at) const;
    // Scales to the highest value instead of to the limit and the values near it.
    void set_full_range(bool full_range);
    const PlotScale& scale() const { return scale_; }
    const std::vector<Group>& groups() const { return groups_; }
    const QStringList& x_labels() const { return x_labels_; }
    // True when the group's point sits on the top edge because its value lies above the scale.
    bool above_scale(const Group& group) const;

    // Where a group's point is drawn, and the height of the limit line, in widget pixels.
    QPointF position_of(const Group& group) const;
    std::optional<qreal> limit_y() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

  private:
    QRectF plot_area() const;
    qreal y_of(double ohm) const;
    void draw_axes(QPainter& painter, const QRectF& area) const;
    void rescale();

    std::vector<Group> groups_;
    std::optional<BondingLimit> limit_;
    OwnLimits own_;
    int last_group_ = 1;
    bool full_range_ = false;
    QStringList x_labels_;
    QStringList tips_;
    PlotScale scale_;
};

}  // namespace eqbond::ui
