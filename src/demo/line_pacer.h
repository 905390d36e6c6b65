#pragma once
// Puts the simulated instrument's bytes on the line at the pace of 9600 baud (10 bits a byte), or
// all at once, and not before a given time. It wakes on Qt's precise timer, to the millisecond;
// eqbond-sim wakes it to the microsecond (PreciseLinePacer).
#include <QByteArray>
#include <QObject>
#include <QTimer>
#include <chrono>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace eqbond::sim {

class LinePacer : public QObject {
    Q_OBJECT
  public:
    using Clock = std::chrono::steady_clock;
    // One start bit, eight data bits and one stop bit at 9600 baud.
    static constexpr std::chrono::nanoseconds kByteTime{10'000'000'000LL / 9600};

    explicit LinePacer(std::function<void(const QByteArray&)> write, QObject* parent = nullptr);

    // Paced: byte k leaves k + 1 byte times after the line is free and `not_before` has come,
    // the moment its stop bit would arrive. Unpaced: all bytes at once at `not_before`.
    void send(const QByteArray& bytes, Clock::time_point not_before, bool paced);
    // Forgets every byte not yet sent.
    void clear();
    // For a receiver that acts only once `bytes_wanted()` more bytes (at least one) have come:
    // the pacer then wakes only when that many are due and hands them over together, at the
    // moment the last of them arrives, instead of waking for every byte. Bytes the receiver is
    // not waiting for yet stay queued until more come. Unset, every byte goes at its own time.
    void wake_for(std::function<int()> bytes_wanted) { bytes_wanted_ = std::move(bytes_wanted); }
    bool busy() const { return !queue_.empty(); }
    // When bytes last went on the line.
    Clock::time_point last_sent() const { return last_sent_; }
    // For each time the queue ran empty: how late its last byte went out (the wake-up latency).
    const std::vector<Clock::duration>& lateness() const { return lateness_; }

  protected:
    // Asks for send_due() once `wait` (more than zero) has passed, in place of an earlier ask.
    virtual void wake_after(std::chrono::nanoseconds wait);
    void send_due();

  private:
    struct Due {
        Clock::time_point at;
        QByteArray bytes;
    };
    void arm();
    // The entry whose arrival the next wake-up is for; none: no wake-up needed.
    std::optional<size_t> next_wake() const;

    std::function<void(const QByteArray&)> write_;
    std::function<int()> bytes_wanted_;
    std::deque<Due> queue_;
    Clock::time_point line_free_{};  // when the last queued byte has left
    Clock::time_point last_sent_{};
    std::vector<Clock::duration> lateness_;
    QTimer timer_;
};

}  // namespace eqbond::sim
