#include "program/event_wait.h"

#include <QEventLoop>
#include <QTimer>

namespace eqbond {

bool wait_until(const std::function<bool()>& done, int timeout_ms, int check_every_ms) {
    if (done()) return true;
    QEventLoop loop;
    QTimer check;
    check.setTimerType(Qt::PreciseTimer);
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (done()) loop.quit();
    });
    check.start(check_every_ms);
    QTimer::singleShot(timeout_ms, &loop, &QEventLoop::quit);
    loop.exec();
    return done();
}

}  // namespace eqbond
