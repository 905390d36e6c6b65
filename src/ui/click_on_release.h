#pragma once
// A picture box's click: a press and its release over the same box, as the window system counts
// a click. Base is the widget class the box is made of.
#include <QMouseEvent>
#include <functional>
#include <utility>

namespace eqbond::ui {

template <typename Base>
class ClickOnRelease : public Base {
  public:
    ClickOnRelease(std::function<void()> on_click, QWidget* parent)
        : Base(parent), on_click_(std::move(on_click)) {}

  protected:
    void mousePressEvent(QMouseEvent* event) override { event->accept(); }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (this->rect().contains(event->position().toPoint())) on_click_();
    }

  private:
    std::function<void()> on_click_;
};

}  // namespace eqbond::ui
