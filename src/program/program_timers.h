#pragma once
// The timer table on Qt timers: each wake-up runs its handlers through `run`, and the timers
// follow the periods the handlers set. Used by the main window, the windowless session and the
// tests.
#include <QObject>
#include <QTimer>
#include <array>
#include <chrono>
#include <functional>
#include <optional>

#include "program/beat_timer.h"
#include "program/timer_table.h"

namespace eqbond {

class ProgramTimers : public QObject {
    Q_OBJECT
  public:
    // What one wake-up runs: a tick's handler, after those of the riders that came due.
    using Handler = std::function<void(Program&)>;
    enum class Scope { Window, LinkOnly };

    ProgramTimers(Program& program, std::function<void(Handler)> run, Scope scope,
                  QObject* parent = nullptr);

    // Starts every timer of the scope at the period the state holds; 0 leaves one stopped.
    void start();
    void stop();
    // Adopts the periods the last handler set; stopped timers stay stopped.
    void follow_periods();
    // Nothing for a timer outside the scope. A timer that rides along is never active itself:
    // its ticks run with the others (its timeout still runs one tick).
    QTimer* timer(TimerId id) const { return timers_[size_t(id)]; }

  private:
    using Clock = std::chrono::steady_clock;
    // Runs the ticks that have come due of the timers that ride along, each in turn.
    void run_riders_due(Program& program);
    // Whether another timer expires when the given one does, on the beat they started with.
    bool shares_beat(size_t index) const;

    Program& program_;
    std::function<void(Handler)> run_;
    std::array<BeatTimer*, kTimerCount> timers_{};
    // Still on the beat of the start: never started afresh at another period.
    std::array<bool, kTimerCount> on_start_beat_{};
    // When the next tick of each running timer that rides along is due.
    std::array<std::optional<Clock::time_point>, kTimerCount> rider_due_{};
};

}  // namespace eqbond
