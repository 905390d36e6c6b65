#pragma once
// eqbond-sim's pacer: on Linux a timerfd wakes it to the microsecond. A millisecond timer would
// make a 12-byte reply up to 6% late and spoil any throughput figure measured against it.
// Elsewhere it wakes on Qt's precise timer as the plain pacer does.
#include <QSocketNotifier>
#include <memory>

#include "demo/line_pacer.h"

namespace eqbond::sim {

class PreciseLinePacer : public LinePacer {
  public:
    explicit PreciseLinePacer(std::function<void(const QByteArray&)> write,
                              QObject* parent = nullptr);
    ~PreciseLinePacer() override;

  protected:
    void wake_after(std::chrono::nanoseconds wait) override;

  private:
    int timer_fd_ = -1;
    std::unique_ptr<QSocketNotifier> timer_notifier_;
};

}  // namespace eqbond::sim
