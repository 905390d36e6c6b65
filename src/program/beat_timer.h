#pragma once
// A Qt timer that can time out on every n-th expiry only.
#include <QTimer>
#include <QTimerEvent>

namespace eqbond {

// A timer whose period grows to a multiple of the one it runs at can keep its old beat, which it
// shares with the timers started with it: it then costs no wake-up of its own, where starting
// afresh at the new period would put it off their beat. A timeout emitted by hand still counts.
class BeatTimer : public QTimer {
  public:
    using QTimer::QTimer;

    // Times out on every `expiries`-th expiry from now on.
    void time_out_every(int expiries) {
        every_ = expiries;
        expired_ = 0;
    }
    // How often it times out, in milliseconds.
    int period() const { return interval() * every_; }

  protected:
    void timerEvent(QTimerEvent* event) override {
        if (event->timerId() == timerId() && ++expired_ < every_) return;
        expired_ = 0;
        QTimer::timerEvent(event);
    }

  private:
    int every_ = 1;
    int expired_ = 0;
};

}  // namespace eqbond
