#include "sim/replay_instrument.h"

#include <unistd.h>

#include <QTimer>

#include "base/protocol.h"

namespace eqbond::sim {

namespace {
int whole_ms(std::chrono::microseconds delay) {
    return int(std::chrono::ceil<std::chrono::milliseconds>(delay).count());
}
}  // namespace

ReplayInstrument::ReplayInstrument(ReplayScript script, bool fast, QString link_path,
                                   QObject* parent)
    : QObject(parent),
      script_(std::move(script)),
      fast_(fast),
      link_path_(std::move(link_path)),
      pacer_([this](const QByteArray& bytes) { terminal_.write(bytes); }) {}

ReplayInstrument::~ReplayInstrument() {
    notifier_.reset();
    terminal_.close();
    if (!link_path_.isEmpty()) remove_link(link_path_);
}

bool ReplayInstrument::start() {
    if (!terminal_.open()) return false;
    listen();
    return true;
}

QString ReplayInstrument::device_path() const {
    return link_path_.isEmpty() ? terminal_.slave_path() : link_path_;
}

void ReplayInstrument::listen() {
    notifier_ = std::make_unique<QSocketNotifier>(terminal_.master_fd(), QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &ReplayInstrument::on_readable);
    if (!link_path_.isEmpty()) point_link(link_path_, terminal_.slave_path());
}

void ReplayInstrument::on_readable() {
    char buffer[256];
    const ssize_t n = ::read(terminal_.master_fd(), buffer, sizeof buffer);
    if (n <= 0) return;
    const LinePacer::Clock::time_point arrived = LinePacer::Clock::now();
    pending_.append(buffer, int(n));
    while (terminal_.is_open()) {
        const std::optional<int32_t> command = take_command(pending_);
        if (!command) break;
        const int32_t code = *command;
        answer(code, arrived);
    }
}

void ReplayInstrument::answer(int32_t code, LinePacer::Clock::time_point arrived) {
    const std::optional<ReplayExchange> exchange = script_.next(code);
    if (!exchange) return;
    for (const ReplayExchange::Answer& a : exchange->answers) {
        pacer_.send(a.bytes, fast_ ? arrived : arrived + a.delay, false);
    }
    if (exchange->gone_after) {
        const std::optional<std::chrono::microseconds> back = exchange->back_after;
        QTimer::singleShot(fast_ ? 0 : whole_ms(*exchange->gone_after), this, [this, back] {
            unplug();
            if (back) QTimer::singleShot(fast_ ? 0 : whole_ms(*back), this, [this] { plug_in(); });
        });
    }
    if (script_.played_out()) emit played_out();
}

void ReplayInstrument::unplug() {
    if (!terminal_.is_open()) return;
    pacer_.clear();
    pending_.clear();
    // unplug() may run inside the notifier's own signal: let Qt delete it afterwards.
    notifier_->setEnabled(false);
    notifier_.release()->deleteLater();
    terminal_.close();
    if (!link_path_.isEmpty()) remove_link(link_path_);
    emit unplugged();
}

void ReplayInstrument::plug_in() {
    if (terminal_.is_open() || !terminal_.open()) return;
    listen();
    emit plugged_in_again();
}

}  // namespace eqbond::sim
