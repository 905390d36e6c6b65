#include "demo/simulated_instrument.h"

#include <QDateTime>
#include <QTimer>

#include "demo/line_pacer.h"

namespace eqbond::sim {

namespace {
constexpr int kHighestReading = 40000;  // above this a reading is an overload
constexpr int kDefaultWanderStep = 200;
}  // namespace

SimulatedInstrument::SimulatedInstrument(SimulatorConfig config, QObject* parent)
    : QObject(parent),
      config_(std::move(config)),
      faults_(config_.faults, config_.seed),
      random_(config_.seed ^ 0x2545f491u),
      measuring_(config_.measuring),
      wander_centre_(config_.live_value) {}

void SimulatedInstrument::start_live_readings() {
    measuring_ = true;
    if (config_.wander_step == 0) config_.wander_step = kDefaultWanderStep;
}

SimulatedInstrument::Answer SimulatedInstrument::answer(int32_t code, Clock::time_point seen) {
    Answer answer;
    const int count = int(config_.groups.size());
    if (is_group_request(code)) {
        if (code > count || fault_triggered_at(code, answer) || silent_) return answer;
        const StoredGroup& g = config_.groups[size_t(code - 1)];
        reply({g.value, code, g.battery, g.year, g.month, g.day, g.hour, g.minute, kind::kStatus},
              seen, answer);
        return answer;
    }
    switch (code) {
        case cmd::kTest:
            measuring_ = true;
            break;
        case cmd::kBacklightOn:
            backlight_on_ = true;
            break;
        case cmd::kBacklightOff:
            backlight_on_ = false;
            break;
        case cmd::kReset:
            measuring_ = false;
            lead_pending_ = false;
            break;
        case cmd::kVerify:
            lead_pending_ = true;
            break;
        case cmd::kPoll:
        case cmd::kProbe:
            if (!silent_) reply(poll_reply(), seen, answer);
            break;
        default:
            break;  // unknown codes go unanswered
    }
    return answer;
}

bool SimulatedInstrument::fault_triggered_at(int32_t group, Answer& answer) {
    const FaultConfig& f = config_.faults;
    if (f.silent_at_group == group && !silence_fired_) {
        silence_fired_ = true;
        fall_silent();
        if (f.silent_for_ms > 0) QTimer::singleShot(f.silent_for_ms, this, [this] { resume(); });
        return true;
    }
    if (f.unplug_at_group == group && !unplug_fired_) {
        unplug_fired_ = true;
        answer.unplugs = true;
        return true;
    }
    return false;
}

void SimulatedInstrument::reply(const Reply& r, Clock::time_point seen, Answer& answer) {
    answer.reply = faults_.apply(encode_reply(r));
    answer.paced = config_.paced;
    // A request is understood once its fourth byte has crossed the line.
    const Clock::duration request_time =
        config_.paced ? kCommandFrameLength * LinePacer::kByteTime : Clock::duration::zero();
    answer.not_before = seen + request_time + std::chrono::milliseconds(config_.reply_delay_ms);
}

Reply SimulatedInstrument::poll_reply() {
    Reply r;
    r.kind = next_poll_kind();
    r.group = config_.groups.empty() ? config_.none_count : int(config_.groups.size());
    r.battery = config_.battery;
    const QDateTime now = QDateTime::currentDateTime();
    r.year = now.date().year() % 100;
    r.month = now.date().month();
    r.day = now.date().day();
    r.hour = now.time().hour();
    r.minute = now.time().minute();
    if (r.kind == kind::kMeasurement) r.value = next_live_value();
    if (r.kind == kind::kLeadResistance) r.value = config_.lead_value;
    return r;
}

int SimulatedInstrument::next_poll_kind() {
    if (lead_pending_) {
        lead_pending_ = false;
        return kind::kLeadResistance;
    }
    if (!config_.reply_kinds.empty()) {
        return config_.reply_kinds[script_position_++ % config_.reply_kinds.size()];
    }
    if (config_.random_kinds) {
        const int draw = int(random_.bounded(6));
        if (draw == 0) return kind::kStatus;
        return draw == 5 ? kind::kLeadResistance : kind::kMeasurement;
    }
    if (!measuring_) return kind::kStatus;
    if (config_.lead_share > 0 && random_.generateDouble() < config_.lead_share) {
        return kind::kLeadResistance;
    }
    return kind::kMeasurement;
}

int SimulatedInstrument::next_live_value() {
    const int step = config_.wander_step;
    if (step > 0) {
        // A random step with a pull back towards where the reading started, so it wanders
        // around that value instead of drifting off.
        const int change = int(random_.bounded(-step, step + 1));
        const int pull = (wander_centre_ - config_.live_value) / 8;
        config_.live_value = qBound(0, config_.live_value + change + pull, kHighestReading);
    }
    return config_.live_value;
}

}  // namespace eqbond::sim
