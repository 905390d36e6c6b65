#include "ui/chart_widget.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

#include "chart/chart_controls.h"
#include "ui/click_on_release.h"
#include "ui/twips.h"

namespace eqbond::ui {

namespace {
constexpr int kBorderPixels = 2;  // the standard single border, 3-D

// A small bordered box of one colour; the border keeps the swatch of the current background
// colour visible on the chart.
class Swatch : public ClickOnRelease<QFrame> {
  public:
    Swatch(QColor colour, std::function<void()> on_click, QWidget* parent)
        : ClickOnRelease<QFrame>(std::move(on_click), parent) {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setLineWidth(kBorderPixels);
        QPalette palette = this->palette();
        palette.setColor(QPalette::Window, colour);
        setPalette(palette);
    }

  protected:
    // Filled here rather than as an automatic background: Qt cuts a child with an opaque
    // background out of the chart's repaint, and copies the chart's image through such a clip
    // on its thread pool, waking two threads for every redraw.
    void paintEvent(QPaintEvent* event) override {
        QPainter(this).fillRect(rect(), palette().color(QPalette::Window));
        QFrame::paintEvent(event);
    }
};
}  // namespace

class ChartCanvas : public QWidget {
  public:
    ChartCanvas(ChartWidget* owner) : QWidget(owner), owner_(owner) {
        setMouseTracking(true);
        // The image covers the canvas: what lies beneath need not be painted first.
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.drawImage(0, 0, owner_->image().image());
    }
    void mousePressEvent(QMouseEvent* e) override { emit_pointer(e); }
    void mouseMoveEvent(QMouseEvent* e) override { emit_pointer(e); }

  private:
    void emit_pointer(QMouseEvent* e) {
        const QPointF pos = e->position();
        emit owner_->pointer_at(float(pos.x() * kTwipsPerPixel), float(pos.y() * kTwipsPerPixel));
    }
    ChartWidget* owner_;
};

ChartWidget::ChartWidget(int width_twips, int height_twips, QWidget* parent)
    : QFrame(parent),
      image_(QSize(px(width_twips) - 2 * kBorderPixels, px(height_twips) - 2 * kBorderPixels),
             QApplication::palette().color(QPalette::ButtonText)) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(kBorderPixels);
    canvas_ = new ChartCanvas(this);
    canvas_->setGeometry(kBorderPixels, kBorderPixels, image_.image().width(),
                         image_.image().height());
    // Created right to left so that the first listed swatch lies in front, as designed.
    for (int i = int(kSwatchColours.size()) - 1; i >= 0; --i) {
        const Rgb c = kSwatchColours[size_t(i)];
        auto* swatch = new Swatch(
            QColor(c.r, c.g, c.b), [this, i] { emit swatch_clicked(i); }, canvas_);
        swatch->setObjectName(QStringLiteral("Picture%1").arg(3 + i));
        place(swatch, kSwatchLefts[size_t(i)], 0, 255, 255);
        swatches_[size_t(i)] = swatch;
    }
    readout_ = new QLineEdit(QStringLiteral("0.0000Ω"), canvas_);
    readout_->setObjectName(QStringLiteral("Text3"));
    readout_->setFrame(false);
    readout_->setStyleSheet(QStringLiteral("QLineEdit { background: black; color: white; }"));
    place(readout_, 8640, 0, 1695, 270);
}

QWidget* ChartWidget::canvas() const {
    return canvas_;
}

float ChartWidget::interior_height_twips() const {
    return float(canvas_->height() * kTwipsPerPixel);
}

void ChartWidget::refresh() {
    canvas_->update();
}

}  // namespace eqbond::ui
