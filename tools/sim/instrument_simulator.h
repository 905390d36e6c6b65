#pragma once
// A simulated instrument on a pseudo-terminal: it answers command frames as the tester does,
// with the timing of a 9600 baud line and the faults of a poor one when asked to.
#include <QByteArray>
#include <QObject>
#include <QString>
#include <vector>

#include "demo/simulated_instrument.h"
#include "demo/simulator_config.h"
#include "sim/simulator_terminal.h"

namespace eqbond::sim {

class InstrumentSimulator : public QObject {
    Q_OBJECT
  public:
    explicit InstrumentSimulator(SimulatorConfig config, QObject* parent = nullptr);

    // Opens the pseudo-terminal pair (and points config().link_path at it); false when the
    // system refuses one.
    bool start() { return terminal_.start(); }
    // The device path the program opens: the stable link when there is one.
    QString device_path() const { return terminal_.device_path(); }
    // The pseudo-terminal itself, which changes each time the instrument comes back.
    QString pts_path() const { return terminal_.pts_path(); }

    // From now on polls are answered with measurements that wander around live_value.
    void start_live_readings() { instrument_.start_live_readings(); }

    // Stops answering (requests are still recorded) / answers again.
    void fall_silent() { instrument_.fall_silent(); }
    void resume() { instrument_.resume(); }
    bool silent() const { return instrument_.silent(); }
    // Closes the pseudo-terminal as an unplugged adapter vanishes, and removes the link.
    void unplug() { terminal_.unplug(); }
    // A fresh pseudo-terminal, with the link pointed at it; false when none could be opened.
    bool plug_in() { return terminal_.plug_in(); }
    bool plugged_in() const { return terminal_.plugged_in(); }

    // Every command code received, in order, and every byte received.
    const std::vector<int32_t>& received_codes() const { return received_; }
    const QByteArray& received_bytes() const { return received_bytes_; }
    const FaultCounts& fault_counts() const { return instrument_.fault_counts(); }
    bool backlight_on() const { return instrument_.backlight_on(); }
    // For each group request that found the line idle: the time since the instrument's last
    // byte, that is how long the program took to ask for the next group.
    const std::vector<LinePacer::Clock::duration>& turnarounds() const { return turnarounds_; }
    // When each group request arrived.
    const std::vector<LinePacer::Clock::time_point>& group_request_times() const {
        return group_request_times_;
    }
    const LinePacer& line() const { return terminal_.line(); }
    SimulatorConfig& config() { return instrument_.config(); }

    // Writes raw bytes to the line, as an instrument would (tests use it for faults).
    void send_raw(const QByteArray& bytes);

  signals:
    void command_received(int code);
    void unplugged();
    void plugged_in_again();

  private:
    void answer(int32_t code);

    SimulatedInstrument instrument_;
    SimulatorTerminal terminal_;
    std::vector<int32_t> received_;
    std::vector<LinePacer::Clock::duration> turnarounds_;
    std::vector<LinePacer::Clock::time_point> group_request_times_;
    LinePacer::Clock::time_point request_seen_{};
    QByteArray received_bytes_;
};

}  // namespace eqbond::sim
