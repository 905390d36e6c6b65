#include "program/program_timers.h"

#include "base/program.h"

namespace eqbond {

ProgramTimers::ProgramTimers(Program& program, std::function<void(Handler)> run, Scope scope,
                             QObject* parent)
    : QObject(parent), program_(program), run_(std::move(run)) {
    for (const TimerEntry& entry : timer_table()) {
        if (scope == Scope::LinkOnly && !entry.serves_link) continue;
        auto* timer = new BeatTimer(this);
        timer->setObjectName(QString::fromLatin1(entry.object_name));
        timer->setTimerType(Qt::PreciseTimer);
        connect(timer, &QTimer::timeout, this, [this, tick = entry.tick] { run_(tick); });
        timers_[size_t(entry.id)] = timer;
    }
}

void ProgramTimers::start() {
    for (size_t i = 0; i < timers_.size(); ++i) {
        const int period = program_.state.main_window.timer_periods[i];
        if (!timers_[i] || period <= 0) continue;
        timers_[i]->time_out_every(1);
        timers_[i]->start(period);
        on_start_beat_[i] = true;
    }
}

void ProgramTimers::stop() {
    for (QTimer* timer : timers_)
        if (timer) timer->stop();
    on_start_beat_.fill(false);
}

void ProgramTimers::follow_periods() {
    for (size_t i = 0; i < timers_.size(); ++i) {
        const int period = program_.state.main_window.timer_periods[i];
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

}  // namespace eqbond
