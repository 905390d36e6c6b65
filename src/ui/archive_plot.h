#pragma once
// Resistance against group number for one download: a point per group, the bonding limit as a
// line, failing groups marked in red, overloads on the top edge.
#include <QColor>
#include <QWidget>
#include <optional>
#include <vector>

#include "archive/bonding_limit.h"
#include "archive/download.h"

namespace eqbond::ui {

class ArchivePlot : public QWidget {
    Q_OBJECT
  public:
    static inline const QColor kPassColour{0, 70, 160};
    static inline const QColor kFailColour{220, 0, 0};
    static inline const QColor kLimitColour{230, 140, 0};

    explicit ArchivePlot(QWidget* parent = nullptr);

    void set_groups(const std::vector<Group>& groups, std::optional<BondingLimit> limit);

    // Where a group's point is drawn, and the height of the limit line, in widget pixels.
    QPointF position_of(const Group& group) const;
    std::optional<qreal> limit_y() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QRectF plot_area() const;
    qreal y_of(double ohm) const;
    void draw_axes(QPainter& painter, const QRectF& area) const;

    std::vector<Group> groups_;
    std::optional<BondingLimit> limit_;
    int last_group_ = 1;
    double top_ohm_ = 1.0;  // the value at the top edge
};

}  // namespace eqbond::ui
