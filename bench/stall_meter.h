#pragma once
// The longest time the event loop went without running a 1 ms precise timer: how long the
// window could not answer the user.
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>

class StallMeter {
  public:
    StallMeter() {
        ticks_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&ticks_, &QTimer::timeout, [this] {
            longest_ns_ = std::max(longest_ns_, gap_.nsecsElapsed());
            gap_.restart();
        });
    }
    void start() {
        gap_.start();
        ticks_.start(1);
    }
    void stop() { ticks_.stop(); }
    double longest_ms() const { return double(longest_ns_) / 1e6; }

  private:
    QElapsedTimer gap_;
    qint64 longest_ns_ = 0;
    QTimer ticks_;
};
