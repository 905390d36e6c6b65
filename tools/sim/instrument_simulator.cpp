#include "sim/instrument_simulator.h"

#include <unistd.h>

#include <QDateTime>
#include <QTimer>

namespace eqbond::sim {

namespace {
constexpr int kHighestReading = 40000;  // above this a reading is an overload
constexpr int kDefaultWanderStep = 200;
}  // namespace

InstrumentSimulator::InstrumentSimulator(SimulatorConfig config, QObject* parent)
    : QObject(parent),
      config_(std::move(config)),
      pacer_([this](const QByteArray& bytes) { terminal_.write(bytes); }),
      faults_(config_.faults, config_.seed),
      random_(config_.seed ^ 0x2545f491u),
      measuring_(config_.measuring),
      wander_centre_(config_.live_value) {}

InstrumentSimulator::~InstrumentSimulator() {
    notifier_.reset();
    terminal_.close();
    if (!config_.link_path.isEmpty()) remove_link(config_.link_path);
}

bool InstrumentSimulator::start() {
    if (!terminal_.open()) return false;
    listen();
    return true;
}

QString InstrumentSimulator::device_path() const {
    return config_.link_path.isEmpty() ? terminal_.slave_path() : config_.link_path;
}

void InstrumentSimulator::listen() {
    notifier_ = std::make_unique<QSocketNotifier>(terminal_.master_fd(), QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &InstrumentSimulator::on_readable);
    if (!config_.link_path.isEmpty()) point_link(config_.link_path, terminal_.slave_path());
}

void InstrumentSimulator::start_live_readings() {
    measuring_ = true;
    if (config_.wander_step == 0) config_.wander_step = kDefaultWanderStep;
}

void InstrumentSimulator::fall_silent() {
    silent_ = true;
}

void InstrumentSimulator::resume() {
    silent_ = false;
}

void InstrumentSimulator::unplug() {
    if (!terminal_.is_open()) return;
    pacer_.clear();
    pending_.clear();
    // unplug() may run inside the notifier's own signal: let Qt delete it afterwards.
    notifier_->setEnabled(false);
    notifier_.release()->deleteLater();
    terminal_.close();
    if (!config_.link_path.isEmpty()) remove_link(config_.link_path);
    emit unplugged();
}

bool InstrumentSimulator::plug_in() {
    if (terminal_.is_open()) return true;
    if (!terminal_.open()) return false;
    listen();
    emit plugged_in_again();
    return true;
}

void InstrumentSimulator::send_raw(const QByteArray& bytes) {
    pacer_.send(bytes, LinePacer::Clock::now(), false);
}

void InstrumentSimulator::on_readable() {
    char buffer[256];
    const ssize_t n = ::read(terminal_.master_fd(), buffer, sizeof buffer);
    if (n <= 0) return;
    received_bytes_.append(buffer, int(n));
    pending_.append(buffer, int(n));
    request_seen_ = LinePacer::Clock::now();
    // A request is understood once its fourth byte has crossed the line.
    request_done_ = request_seen_ +
                    (config_.paced ? 4 * LinePacer::kByteTime : LinePacer::Clock::duration::zero());
    while (terminal_.is_open()) {
        const std::optional<int32_t> command = take_command(pending_);
        if (!command) break;
        const int32_t code = *command;
        received_.push_back(code);
        emit command_received(code);
        answer(code);
    }
}

void InstrumentSimulator::answer(int32_t code) {
    const int count = int(config_.groups.size());
    if (code >= 1 && code < cmd::kFirstOperation) {
        group_request_times_.push_back(request_seen_);
        if (!pacer_.busy() && pacer_.last_sent() != LinePacer::Clock::time_point{}) {
            turnarounds_.push_back(request_seen_ - pacer_.last_sent());
        }
        if (code > count || fault_triggered_at(code) || silent_) return;
        const StoredGroup& g = config_.groups[size_t(code - 1)];
        reply({g.value, code, g.battery, g.year, g.month, g.day, g.hour, g.minute, kind::kStatus});
        return;
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
            if (!silent_) reply(poll_reply());
            break;
        default:
            break;  // unknown codes go unanswered
    }
}

bool InstrumentSimulator::fault_triggered_at(int32_t group) {
    const FaultConfig& f = config_.faults;
    if (f.silent_at_group == group && !silence_fired_) {
        silence_fired_ = true;
        fall_silent();
        if (f.silent_for_ms > 0) QTimer::singleShot(f.silent_for_ms, this, [this] { resume(); });
        return true;
    }
    if (f.unplug_at_group == group && !unplug_fired_) {
        unplug_fired_ = true;
        unplug();
        if (f.unplug_for_ms > 0) QTimer::singleShot(f.unplug_for_ms, this, [this] { plug_in(); });
        return true;
    }
    return false;
}

void InstrumentSimulator::reply(const Reply& r) {
    const QByteArray bytes = faults_.apply(encode_reply(r));
    if (bytes.isEmpty()) return;
    const auto delay = std::chrono::milliseconds(config_.reply_delay_ms);
    pacer_.send(bytes, request_done_ + delay, config_.paced);
}

Reply InstrumentSimulator::poll_reply() {
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

int InstrumentSimulator::next_poll_kind() {
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

int InstrumentSimulator::next_live_value() {
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
