#include "sim/line_pacer.h"

#include <unistd.h>

#include <algorithm>
#ifdef __linux__
#include <sys/timerfd.h>
#endif

namespace eqbond::sim {

LinePacer::LinePacer(std::function<void(const QByteArray&)> write, QObject* parent)
    : QObject(parent), write_(std::move(write)) {
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
    fallback_timer_.setSingleShot(true);
    fallback_timer_.setTimerType(Qt::PreciseTimer);
    connect(&fallback_timer_, &QTimer::timeout, this, &LinePacer::send_due);
}

LinePacer::~LinePacer() {
    timer_notifier_.reset();
    if (timer_fd_ >= 0) ::close(timer_fd_);
}

void LinePacer::send(const QByteArray& bytes, Clock::time_point not_before, bool paced) {
    if (bytes.isEmpty()) return;
    const Clock::time_point now = Clock::now();
    if (!paced && queue_.empty() && not_before <= now) {
        last_sent_ = now;
        write_(bytes);
        return;
    }
    Clock::time_point at = std::max({not_before, line_free_, now});
    if (paced) {
        for (char byte : bytes) {
            at += kByteTime;
            queue_.push_back({at, QByteArray(1, byte)});
        }
    } else {
        queue_.push_back({at, bytes});
    }
    line_free_ = at;
    arm();
}

void LinePacer::clear() {
    queue_.clear();
    line_free_ = {};
    arm();
}

void LinePacer::arm() {
    using std::chrono::duration_cast;
    using std::chrono::nanoseconds;
    if (queue_.empty()) {
        fallback_timer_.stop();
        return;
    }
    const nanoseconds wait =
        std::max(duration_cast<nanoseconds>(queue_.front().at - Clock::now()), nanoseconds(1));
#ifdef __linux__
    if (timer_fd_ >= 0) {
        itimerspec when{};
        when.it_value.tv_sec = time_t(wait.count() / 1'000'000'000);
        when.it_value.tv_nsec = long(wait.count() % 1'000'000'000);
        ::timerfd_settime(timer_fd_, 0, &when, nullptr);
        return;
    }
#endif
    const auto ms = std::chrono::ceil<std::chrono::milliseconds>(wait);
    fallback_timer_.start(int(ms.count()));
}

void LinePacer::send_due() {
    const Clock::time_point now = Clock::now();
    QByteArray out;
    while (!queue_.empty() && queue_.front().at <= now) {
        out += queue_.front().bytes;
        if (queue_.size() == 1) lateness_.push_back(now - queue_.front().at);
        queue_.pop_front();
    }
    if (!out.isEmpty()) {
        last_sent_ = now;
        write_(out);
    }
    arm();
}

}  // namespace eqbond::sim
