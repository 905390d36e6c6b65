#include "program/program_timers.h"

#include "base/program.h"

namespace eqbond {

ProgramTimers::ProgramTimers(Program& program, std::function<void(Handler)> run, Scope scope,
                             QObject* parent)
    : QObject(parent), program_(program) {
    for (const TimerEntry& entry : timer_table()) {
        if (scope == Scope::LinkOnly && !entry.serves_link) continue;
        auto* timer = new QTimer(this);
        timer->setObjectName(QString::fromLatin1(entry.object_name));
        timer->setTimerType(Qt::PreciseTimer);
        connect(timer, &QTimer::timeout, this, [run, tick = entry.tick] { run(tick); });
        timers_[size_t(entry.id)] = timer;
    }
}

void ProgramTimers::start() {
    for (size_t i = 0; i < timers_.size(); ++i) {
        const int period = program_.state.main_window.timer_periods[i];
        if (timers_[i] && period > 0) timers_[i]->start(period);
    }
}

void ProgramTimers::stop() {
    for (QTimer* timer : timers_)
        if (timer) timer->stop();
}

void ProgramTimers::follow_periods() {
    for (size_t i = 0; i < timers_.size(); ++i) {
        QTimer* timer = timers_[i];
        if (!timer || !timer->isActive()) continue;  // an unloaded window's timers stay stopped
        const int period = program_.state.main_window.timer_periods[i];
        if (period <= 0) {
            timer->stop();
        } else if (timer->interval() != period) {
            timer->setInterval(period);
        }
    }
}

}  // namespace eqbond
