#pragma once
// The chart box: a bordered box whose interior shows the chart's retained image, with the five
// colour swatches and the read-out box inside it.
#include <QFrame>
#include <QLineEdit>
#include <array>

#include "chart/qt_chart_image.h"

namespace eqbond::ui {

class ChartCanvas;

class ChartWidget : public QFrame {
    Q_OBJECT
  public:
    // Outer size in twips, as laid out.
    ChartWidget(int width_twips, int height_twips, QWidget* parent);

    QtChartImage& image() { return image_; }
    QLineEdit* readout() const { return readout_; }
    QWidget* swatch(int index) const { return swatches_[size_t(index)]; }
    QWidget* canvas() const;
    // Interior height in twips, as the read-out's scale needs it.
    float interior_height_twips() const;
    // Repaints from the retained image.
    void refresh();

  signals:
    void swatch_clicked(int index);
    // Pointer position over the interior, in twips; press and move alike.
    void pointer_at(float x_twips, float y_twips);

  private:
    QtChartImage image_;
    ChartCanvas* canvas_ = nullptr;
    QLineEdit* readout_ = nullptr;
    std::array<QWidget*, 5> swatches_{};
};

}  // namespace eqbond::ui
