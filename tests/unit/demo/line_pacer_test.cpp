// The demo line's pacer wakes only for the byte that completes what its receiver waits for: the
// reply's bytes reach it together, at the moment the last of them arrives.
#include "demo/line_pacer.h"

#include <gtest/gtest.h>

#include <thread>

namespace eqbond::test {
namespace {

using sim::LinePacer;

// Takes the wake-ups the pacer asks for instead of a timer, and runs them when told.
class WakeRecorder : public LinePacer {
  public:
    using LinePacer::LinePacer;
    int wake_ups = 0;
    // Sleeps until each asked-for wake-up is due and runs it, until none is asked for.
    void run_wake_ups() {
        while (pending_) {
            std::this_thread::sleep_for(*pending_);
            pending_.reset();
            ++wake_ups;
            send_due();
        }
    }

  protected:
    void wake_after(std::chrono::nanoseconds wait) override { pending_ = wait; }

  private:
    std::optional<std::chrono::nanoseconds> pending_;
};

TEST(LinePacer, WakesOnceForWhatTheReceiverWaitsFor) {
    struct Case {
        const char* what;
        int bytes_sent;
        int wake_ups;
        std::vector<int> deliveries;  // the sizes of the bytes handed over together
    };
    const Case cases[] = {
        {"a whole reply", 12, 1, {12}},
        {"less than a reply: nothing to act on yet", 5, 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QByteArray received;
        std::vector<int> deliveries;
        WakeRecorder pacer([&](const QByteArray& bytes) {
            received += bytes;
            deliveries.push_back(int(bytes.size()));
        });
        pacer.wake_for([&] { return 12 - int(received.size()); });
        pacer.send(QByteArray(c.bytes_sent, 'x'), LinePacer::Clock::now(), true);
        pacer.run_wake_ups();
        EXPECT_EQ(pacer.wake_ups, c.wake_ups);
        EXPECT_EQ(deliveries, c.deliveries);
    }
}

}  // namespace
}  // namespace eqbond::test
