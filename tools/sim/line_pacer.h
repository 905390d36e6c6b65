#pragma once
// Puts the simulator's bytes on the line at the pace of 9600 baud (10 bits a byte), or all at
// once, and not before a given time. The wait is timed to the microsecond: a millisecond timer
// would make a 12-byte reply up to 6% late and spoil any throughput figure measured against it.
#include <QByteArray>
#include <QObject>
#include <QSocketNotifier>
#include <QTimer>
#include <chrono>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

namespace eqbond::sim {

class LinePacer : public QObject {
    Q_OBJECT
  public:
    using Clock = std::chrono::steady_clock;
    // One start bit, eight data bits and one stop bit at 9600 baud.
    static constexpr std::chrono::nanoseconds kByteTime{10'000'000'000LL / 9600};

    explicit LinePacer(std::function<void(const QByteArray&)> write, QObject* parent = nullptr);
    ~LinePacer() override;

    // Paced: byte k leaves k + 1 byte times after the line is free and `not_before` has come,
    // the moment its stop bit would arrive. Unpaced: all bytes at once at `not_before`.
    void send(const QByteArray& bytes, Clock::time_point not_before, bool paced);
    // Forgets every byte not yet sent.
    void clear();
    bool busy() const { return !queue_.empty(); }
    // When bytes last went on the line.
    Clock::time_point last_sent() const { return last_sent_; }
    // For each time the queue ran empty: how late its last byte went out (the wake-up latency).
    const std::vector<Clock::duration>& lateness() const { return lateness_; }

  private:
    struct Due {
        Clock::time_point at;
        QByteArray bytes;
    };
    void arm();
    void send_due();

    std::function<void(const QByteArray&)> write_;
    std::deque<Due> queue_;
    Clock::time_point line_free_{};  // when the last queued byte has left
    Clock::time_point last_sent_{};
    std::vector<Clock::duration> lateness_;
    int timer_fd_ = -1;  // Linux: a timer with a microsecond wake-up
    std::unique_ptr<QSocketNotifier> timer_notifier_;
    QTimer fallback_timer_;  // elsewhere: Qt's precise timer, to the millisecond
};

}  // namespace eqbond::sim
