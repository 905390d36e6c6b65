#include "link/qt_link_session.h"

#include <QEventLoop>

#include "app/startup.h"
#include "link/command_sender.h"
#include "link/read_watchdog.h"
#include "link/receive_dispatcher.h"
#include "link/supervision.h"

namespace eqbond {

LinkSession::LinkSession(PortTable table, MessageBox& messages, QObject* parent)
    : QObject(parent), line_(std::move(table)) {
    program_.ports.line = &line_;
    program_.ports.message_box = &messages;
    line_.set_event_handler([this](PortEvent event) {
        if (trace_) trace_->note_port_event(event);
        on_receive(program_, event);
        if (after_receive) after_receive(program_);
    });
}

LinkSession::~LinkSession() {
    stop();
}

bool LinkSession::trace_to(const QString& path, const QByteArray& recorded_by, QString* error) {
    trace_ = trace::start_wire_trace(line_, path, recorded_by, error);
    if (trace_) trace_->attach(program_);
    return trace_ != nullptr;
}

void LinkSession::add_timer(int period_ms, void (*tick)(Program&)) {
    auto timer = std::make_unique<QTimer>();
    connect(timer.get(), &QTimer::timeout, this, [this, tick, t = timer.get()] {
        tick(program_);
        // Timer7 shortens its first period only; follow the period the core asks for.
        if (t == timers_.back().get() && program_.state.ui.timers.Timer7 != t->interval())
            t->setInterval(program_.state.ui.timers.Timer7);
    });
    timer->start(period_ms);
    timers_.push_back(std::move(timer));
}

void LinkSession::start(int first_port) {
    startup_routine(program_);
    // The window's start-up opens COM2 and searches on from COM7; a tool that is told where to
    // look starts there instead.
    program_.state.link.port_no = int16_t(first_port - 1);
    com_st(program_);
    const TimerPeriods& periods = program_.state.ui.timers;
    add_timer(periods.Timer1, timer1_tick);
    add_timer(periods.Timer2, timer2_tick);
    add_timer(periods.Timer7, timer7_tick);  // last: its period changes after the first tick
}

void LinkSession::stop() {
    timers_.clear();
    program_.ports.line->close();
}

bool LinkSession::wait_until(const std::function<bool()>& done, int timeout_ms) {
    if (done()) return true;
    QEventLoop loop;
    QTimer check;
    connect(&check, &QTimer::timeout, &loop, [&] {
        if (done()) loop.quit();
    });
    check.start(5);
    QTimer::singleShot(timeout_ms, &loop, &QEventLoop::quit);
    loop.exec();
    return done();
}

}  // namespace eqbond
