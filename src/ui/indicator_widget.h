#pragma once
#include <QColor>
#include <QWidget>

namespace eqbond::ui {

// The alarm indicator: a filled circle.
class IndicatorWidget : public QWidget {
    Q_OBJECT
  public:
    using QWidget::QWidget;
    void set_fill(const QColor& fill);
    QColor fill() const { return fill_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor fill_ = Qt::green;
};

}  // namespace eqbond::ui
