#include "sim/precise_line_pacer.h"

#include <unistd.h>
#ifdef __linux__
#include <sys/timerfd.h>
#endif

namespace eqbond::sim {

PreciseLinePacer::PreciseLinePacer(std::function<void(const QByteArray&)> write, QObject* parent)
    : LinePacer(std::move(write), parent) {
#ifdef __linux__
    timer_fd_ = ::timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    if (timer_fd_ >= 0) {
        timer_notifier_ = std::make_unique<QSocketNotifier>(timer_fd_, QSocketNotifier::Read);
        connect(timer_notifier_.get(), &QSocketNotifier::activated, this, [this] {
            uint64_t expirations = 0;
            const ssize_t n = ::read(timer_fd_, &expirations, sizeof expirations);
            (void)n;
            send_due();
        });
    }
#endif
}

PreciseLinePacer::~PreciseLinePacer() {
    timer_notifier_.reset();
    if (timer_fd_ >= 0) ::close(timer_fd_);
}

void PreciseLinePacer::wake_after(std::chrono::nanoseconds wait) {
#ifdef __linux__
    if (timer_fd_ >= 0) {
        itimerspec when{};
        when.it_value.tv_sec = time_t(wait.count() / 1'000'000'000);
        when.it_value.tv_nsec = long(wait.count() % 1'000'000'000);
        ::timerfd_settime(timer_fd_, 0, &when, nullptr);
        return;
    }
#endif
    LinePacer::wake_after(wait);
}

}  // namespace eqbond::sim
