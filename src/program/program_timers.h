#pragma once
// The timer table on Qt timers: each wake-up runs its handlers through `run`, and the timers
// follow the periods the handlers set. Used by the main window, the windowless session and the
// tests.
#include <QObject>
#include <QTimer>
#include <array>
#include <functional>

#include "program/beat_timer.h"
#include "program/timer_table.h"

namespace eqbond {

class ProgramTimers : public QObject {
    Q_OBJECT
  public:
    // What one wake-up runs: a tick's handler.
    using Handler = std::function<void(Program&)>;
    enum class Scope { Window, LinkOnly };

    ProgramTimers(Program& program, std::function<void(Handler)> run, Scope scope,
                  QObject* parent = nullptr);

    // Starts every timer of the scope at the period the state holds; 0 leaves one stopped.
    void start();
    void stop();
    // Adopts the periods the last handler set; stopped timers stay stopped.
    void follow_periods();
    // Nothing for a timer outside the scope.
    QTimer* timer(TimerId id) const { return timers_[size_t(id)]; }

  private:
    // Whether another timer expires when the given one does, on the beat they started with.
    bool shares_beat(size_t index) const;

    Program& program_;
    std::function<void(Handler)> run_;
    std::array<BeatTimer*, kTimerCount> timers_{};
    // Still on the beat of the start: never started afresh at another period.
    std::array<bool, kTimerCount> on_start_beat_{};
};

}  // namespace eqbond
