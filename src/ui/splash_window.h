#pragma once
// The splash window: a borderless window with two pictures, one in front of the other. Two seconds
// after it opens the rear picture starts to show and hide every half second (seen only along the
// bottom edge); a click on either picture closes it and leads to the main window.
#include <QWidget>

class QLabel;
class QTimer;

namespace eqbond::ui {

class SplashWindow : public QWidget {
    Q_OBJECT
  public:
    explicit SplashWindow(QWidget* parent = nullptr);

    QTimer* blink_delay_timer() const { return blink_delay_timer_; }
    QTimer* blink_timer() const { return blink_timer_; }
    QLabel* picture(int number) const { return number == 1 ? front_picture_ : rear_picture_; }

    // Once, 2000 ms after the window opens: starts the blinking every 500 ms.
    void start_blinking();
    // Every 500 ms: shows the rear picture when hidden, hides it when shown.
    void toggle_rear_picture();
    // A click on either picture: timers stopped, window hidden, then `clicked`.
    void picture_clicked();

  signals:
    void clicked();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QLabel* front_picture_ = nullptr;
    QLabel* rear_picture_ = nullptr;
    QTimer* blink_delay_timer_ = nullptr;
    QTimer* blink_timer_ = nullptr;
};

}  // namespace eqbond::ui
