#pragma once
// Waiting on the Qt event loop for a condition, with a bound instead of a fixed sleep.
#include <QEventLoop>
#include <QTimer>
#include <functional>

namespace eqbond::test {

// Runs the event loop until `done` holds or `timeout_ms` has passed; true when it held.
inline bool wait_until(const std::function<bool()>& done, int timeout_ms) {
    if (done()) return true;
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (done()) loop.quit();
    });
    check.start(2);
    QTimer::singleShot(timeout_ms, &loop, &QEventLoop::quit);
    loop.exec();
    return done();
}

}  // namespace eqbond::test
