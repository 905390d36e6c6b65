#pragma once
// The simulated instrument's answers to command frames, as the tester gives them: stored groups,
// status and measurements to polls, the leads after verify, and a poor line's faults when asked
// for. It knows nothing of the line it stands on: eqbond-sim's pseudo-terminal and the demo's
// in-process line both put its answers on the wire.
#include <QByteArray>
#include <QObject>
#include <QRandomGenerator>
#include <chrono>

#include "base/protocol.h"
#include "demo/fault_injector.h"
#include "demo/simulator_config.h"

namespace eqbond::sim {

class SimulatedInstrument : public QObject {
    Q_OBJECT
  public:
    using Clock = std::chrono::steady_clock;

    struct Answer {
        QByteArray reply;                // the bytes for the line, faults applied; empty for none
        Clock::time_point not_before{};  // when the reply may start
        bool paced = false;              // at the pace of 9600 baud, or all at once
        bool unplugs = false;            // the unplug fault struck: the adapter vanishes now
    };

    explicit SimulatedInstrument(SimulatorConfig config, QObject* parent = nullptr);

    static bool is_group_request(int32_t code) { return code >= 1 && code < cmd::kFirstOperation; }

    // What the instrument does about `code`, whose frame began to arrive at `seen`.
    Answer answer(int32_t code, Clock::time_point seen);

    // From now on polls are answered with measurements that wander around live_value.
    void start_live_readings();
    // Stops answering / answers again.
    void fall_silent() { silent_ = true; }
    void resume() { silent_ = false; }
    bool silent() const { return silent_; }

    bool backlight_on() const { return backlight_on_; }
    const FaultCounts& fault_counts() const { return faults_.counts(); }
    SimulatorConfig& config() { return config_; }

  private:
    bool fault_triggered_at(int32_t group, Answer& answer);
    void reply(const Reply& r, Clock::time_point seen, Answer& answer);
    Reply poll_reply();
    int next_poll_kind();
    int next_live_value();

    SimulatorConfig config_;
    FaultInjector faults_;
    QRandomGenerator random_;
    bool measuring_ = false;
    bool lead_pending_ = false;  // the verify command makes the next reply a lead resistance
    bool backlight_on_ = false;
    bool silent_ = false;
    bool silence_fired_ = false, unplug_fired_ = false;
    size_t script_position_ = 0;
    int wander_centre_;  // the live value the reading wanders around
};

}  // namespace eqbond::sim
