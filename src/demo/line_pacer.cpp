#include "demo/line_pacer.h"

#include <algorithm>

namespace eqbond::sim {

LinePacer::LinePacer(std::function<void(const QByteArray&)> write, QObject* parent)
    : QObject(parent), write_(std::move(write)) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &LinePacer::send_due);
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

std::optional<size_t> LinePacer::next_wake() const {
    if (queue_.empty()) return std::nullopt;
    if (!bytes_wanted_) return 0;
    const qsizetype wanted = std::max(bytes_wanted_(), 1);
    qsizetype due = 0;
    for (size_t i = 0; i < queue_.size(); ++i) {
        due += queue_[i].bytes.size();
        if (due >= wanted) return i;
    }
    return std::nullopt;
}

void LinePacer::arm() {
    using std::chrono::duration_cast;
    using std::chrono::nanoseconds;
    const std::optional<size_t> wake = next_wake();
    if (!wake) {
        timer_.stop();
        return;
    }
    wake_after(
        std::max(duration_cast<nanoseconds>(queue_[*wake].at - Clock::now()), nanoseconds(1)));
}

void LinePacer::wake_after(std::chrono::nanoseconds wait) {
    timer_.start(int(std::chrono::ceil<std::chrono::milliseconds>(wait).count()));
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
