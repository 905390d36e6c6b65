#include "program/program_timers.h"

#include "base/program.h"

namespace eqbond {

namespace {
// A rider waits a tenth of a second at most for the next wake-up while the 100 ms timers run: a
// longer backlog is a stall.
constexpr auto kLongestCatchUp = std::chrono::seconds(1);
}  // namespace

ProgramTimers::ProgramTimers(Program& program, std::function<void(Handler)> run, Scope scope,
                             QObject* parent)
    : QObject(parent), program_(program), run_(std::move(run)) {
    for (const TimerEntry& entry : timer_table()) {
        if (scope == Scope::LinkOnly && !entry.serves_link) continue;
        auto* timer = new BeatTimer(this);
        timer->setObjectName(QString::fromLatin1(entry.object_name));
        timer->setTimerType(Qt::PreciseTimer);
        if (entry.rides_along) {
            connect(timer, &QTimer::timeout, this, [this, tick = entry.tick] { run_(tick); });
        } else {
            // The riders' ticks in the same turn: one view shown for all.
            connect(timer, &QTimer::timeout, this, [this, tick = entry.tick] {
                run_([this, tick](Program& p) {
                    run_riders_due(p);
                    tick(p);
                });
            });
        }
        timers_[size_t(entry.id)] = timer;
    }
}

void ProgramTimers::start() {
    // Read before the timers start, so a rider's tick due with theirs is due when they come.
    const Clock::time_point now = Clock::now();
    for (size_t i = 0; i < timers_.size(); ++i) {
        const int period = program_.state.main_window.timer_periods[i];
        if (!timers_[i] || period <= 0) continue;
        if (timer_table()[i].rides_along) {
            rider_due_[i] = now + std::chrono::milliseconds(period);
        } else {
            timers_[i]->time_out_every(1);
            timers_[i]->start(period);
            on_start_beat_[i] = true;
        }
    }
}

void ProgramTimers::stop() {
    for (QTimer* timer : timers_)
        if (timer) timer->stop();
    rider_due_.fill(std::nullopt);
    on_start_beat_.fill(false);
}

void ProgramTimers::follow_periods() {
    for (size_t i = 0; i < timers_.size(); ++i) {
        const int period = program_.state.main_window.timer_periods[i];
        if (rider_due_[i] && period <= 0) rider_due_[i].reset();
        BeatTimer* timer = timers_[i];
        if (!timer || !timer->isActive()) continue;  // an unloaded window's timers stay stopped
        if (period <= 0) {
            timer->stop();
        } else if (period != timer->period()) {
            if (period % timer->interval() == 0 && shares_beat(i)) {
                timer->time_out_every(period / timer->interval());
            } else {
                timer->time_out_every(1);
                timer->setInterval(period);
                on_start_beat_[i] = false;
            }
        }
    }
}

bool ProgramTimers::shares_beat(size_t index) const {
    if (!on_start_beat_[index]) return false;
    for (size_t i = 0; i < timers_.size(); ++i) {
        if (i != index && on_start_beat_[i] && timers_[i]->isActive() &&
            timers_[i]->interval() == timers_[index]->interval())
            return true;
    }
    return false;
}

void ProgramTimers::run_riders_due(Program& program) {
    const Clock::time_point now = Clock::now();
    for (size_t i = 0; i < rider_due_.size(); ++i) {
        std::optional<Clock::time_point>& due = rider_due_[i];
        if (!due) continue;
        // After a stall (a suspended machine) a Qt timer fires once and goes on from then: so
        // does a rider, instead of running every tick it missed.
        if (now - *due > kLongestCatchUp) due = now;
        const std::chrono::milliseconds period(program.state.main_window.timer_periods[i]);
        for (; *due <= now; *due += period) timer_table()[i].tick(program);
    }
}

}  // namespace eqbond
