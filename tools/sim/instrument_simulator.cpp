#include "sim/instrument_simulator.h"

#include <QTimer>

namespace eqbond::sim {

InstrumentSimulator::InstrumentSimulator(SimulatorConfig config, QObject* parent)
    : QObject(parent), instrument_(std::move(config)), terminal_(instrument_.config().link_path) {
    terminal_.on_bytes = [this](const QByteArray& bytes) {
        received_bytes_.append(bytes);
        request_seen_ = LinePacer::Clock::now();
    };
    terminal_.on_command = [this](int32_t code) {
        received_.push_back(code);
        emit command_received(code);
        answer(code);
    };
    connect(&terminal_, &SimulatorTerminal::unplugged, this, &InstrumentSimulator::unplugged);
    connect(&terminal_, &SimulatorTerminal::plugged_in_again, this,
            &InstrumentSimulator::plugged_in_again);
}

void InstrumentSimulator::send_raw(const QByteArray& bytes) {
    terminal_.line().send(bytes, LinePacer::Clock::now(), false);
}

void InstrumentSimulator::answer(int32_t code) {
    LinePacer& line = terminal_.line();
    if (SimulatedInstrument::is_group_request(code)) {
        group_request_times_.push_back(request_seen_);
        if (!line.busy() && line.last_sent() != LinePacer::Clock::time_point{}) {
            turnarounds_.push_back(request_seen_ - line.last_sent());
        }
    }
    const SimulatedInstrument::Answer answer = instrument_.answer(code, request_seen_);
    if (answer.unplugs) {
        unplug();
        const int away_ms = instrument_.config().faults.unplug_for_ms;
        if (away_ms > 0) QTimer::singleShot(away_ms, this, [this] { plug_in(); });
    }
    line.send(answer.reply, answer.not_before, answer.paced);
}

}  // namespace eqbond::sim
