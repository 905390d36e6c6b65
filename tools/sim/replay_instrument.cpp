#include "sim/replay_instrument.h"

#include <QTimer>

namespace eqbond::sim {

namespace {
int whole_ms(std::chrono::microseconds delay) {
    return int(std::chrono::ceil<std::chrono::milliseconds>(delay).count());
}
}  // namespace

ReplayInstrument::ReplayInstrument(ReplayScript script, bool fast, QString link_path,
                                   QObject* parent)
    : QObject(parent), script_(std::move(script)), fast_(fast), terminal_(std::move(link_path)) {
    terminal_.on_bytes = [this](const QByteArray&) { arrived_ = LinePacer::Clock::now(); };
    terminal_.on_command = [this](int32_t code) { answer(code, arrived_); };
    connect(&terminal_, &SimulatorTerminal::unplugged, this, &ReplayInstrument::unplugged);
    connect(&terminal_, &SimulatorTerminal::plugged_in_again, this,
            &ReplayInstrument::plugged_in_again);
}

void ReplayInstrument::answer(int32_t code, LinePacer::Clock::time_point arrived) {
    const std::optional<ReplayExchange> exchange = script_.next(code);
    if (!exchange) return;
    for (const ReplayExchange::Answer& a : exchange->answers) {
        terminal_.line().send(a.bytes, fast_ ? arrived : arrived + a.delay, false);
    }
    if (exchange->gone_after) {
        const std::optional<std::chrono::microseconds> back = exchange->back_after;
        QTimer::singleShot(fast_ ? 0 : whole_ms(*exchange->gone_after), this, [this, back] {
            terminal_.unplug();
            if (back) {
                QTimer::singleShot(fast_ ? 0 : whole_ms(*back), this,
                                   [this] { terminal_.plug_in(); });
            }
        });
    }
    if (script_.played_out()) emit played_out();
}

}  // namespace eqbond::sim
