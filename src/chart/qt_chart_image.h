#pragma once
// The chart's retained image: the display list painted on the background colour. The window
// shows it and the save button writes it as a bitmap.
#include <QColor>
#include <QImage>
#include <vector>

#include "base/ports.h"
#include "base/rgb.h"
#include "chart/chart_geometry.h"

class QPainter;

namespace eqbond {

class QtChartImage : public ChartImage {
  public:
    // Size of the chart's interior in pixels; text and lines in `ink`.
    QtChartImage(QSize interior, QColor ink);

    void render(const std::vector<ChartItem>& items, const Rgb& background);
    const QImage& image() const { return image_; }
    bool save_bitmap(const QString& path) override;

  private:
    QImage image_;
    QColor ink_;
    // The frame (everything before the curve) as last drawn, on its background.
    std::vector<ChartItem> frame_;
    Rgb frame_background_;
    QImage drawn_frame_;
};

// Paints the items of a display list from `first` up to `last` at 15 twips to the pixel, each
// point on its nearest pixel: lines one pixel wide, texts by their top-left corner.
void paint_chart(QPainter& painter, std::vector<ChartItem>::const_iterator first,
                 std::vector<ChartItem>::const_iterator last, const QColor& ink);

}  // namespace eqbond
