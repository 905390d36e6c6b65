#pragma once
// Form3: a borderless window with two pictures, one in front of the other. Two seconds after it
// opens the rear picture starts to show and hide every half second (seen only along the bottom
// edge); a click on either picture closes it and leads to the main window.
#include <QWidget>

class QLabel;
class QTimer;

namespace eqbond::ui {

class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget* parent = nullptr);

    QTimer* timer1() const { return Timer1_; }
    QTimer* timer2() const { return Timer2_; }
    QLabel* picture(int number) const { return number == 1 ? Picture1_ : Picture2_; }

    // Timer1, once after 2000 ms: starts Timer2 at 500 ms and stops itself.
    void timer1_tick();
    // Timer2, every 500 ms: shows the rear picture when hidden, hides it when shown.
    void timer2_tick();
    // A click on either picture: timers stopped, window hidden, then `clicked`.
    void picture_clicked();

signals:
    void clicked();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* Picture1_ = nullptr;
    QLabel* Picture2_ = nullptr;
    QTimer* Timer1_ = nullptr;
    QTimer* Timer2_ = nullptr;
};

}  // namespace eqbond::ui
