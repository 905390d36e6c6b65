#include "sim/instrument_simulator.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <cstdlib>

namespace eqbond::sim {

InstrumentSimulator::InstrumentSimulator(SimulatorConfig config, QObject* parent)
    : QObject(parent), config_(std::move(config)) {}

InstrumentSimulator::~InstrumentSimulator() {
    notifier_.reset();
    if (slave_fd_ >= 0) ::close(slave_fd_);
    if (master_fd_ >= 0) ::close(master_fd_);
}

bool InstrumentSimulator::start() {
    master_fd_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (master_fd_ < 0 || ::grantpt(master_fd_) != 0 || ::unlockpt(master_fd_) != 0) return false;
    device_path_ = QString::fromLocal8Bit(::ptsname(master_fd_));
    slave_fd_ = ::open(::ptsname(master_fd_), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (slave_fd_ < 0) return false;
    termios raw{};
    ::tcgetattr(slave_fd_, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(slave_fd_, TCSANOW, &raw);
    notifier_ = std::make_unique<QSocketNotifier>(master_fd_, QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &InstrumentSimulator::on_readable);
    return true;
}

void InstrumentSimulator::start_live_readings() {
    measuring_ = true;
    wandering_ = true;
}

void InstrumentSimulator::send_raw(const QByteArray& bytes) {
    if (master_fd_ < 0) return;
    const ssize_t written = ::write(master_fd_, bytes.constData(), size_t(bytes.size()));
    (void)written;
}

void InstrumentSimulator::on_readable() {
    char buffer[256];
    const ssize_t n = ::read(master_fd_, buffer, sizeof buffer);
    if (n <= 0) return;
    pending_.append(buffer, int(n));
    // Frames start with "de"; anything before a header is line noise.
    while (pending_.size() >= kCommandFrameLength) {
        const int head = pending_.indexOf("de");
        if (head < 0) {
            pending_ = pending_.right(1);
            break;
        }
        pending_.remove(0, head);
        if (pending_.size() < kCommandFrameLength) break;
        const int32_t code = command_code(pending_.left(kCommandFrameLength));
        pending_.remove(0, kCommandFrameLength);
        received_.push_back(code);
        emit command_received(code);
        answer(code);
    }
}

Reply InstrumentSimulator::status_reply() const {
    Reply r;
    r.group = int(config_.groups.size());
    r.battery = config_.battery;
    r.kind = kind::kStatus;
    return r;
}

void InstrumentSimulator::answer(int32_t code) {
    if (code >= 1 && code <= int32_t(config_.groups.size())) {
        const StoredGroup& g = config_.groups[size_t(code - 1)];
        send_raw(encode_reply(
            {g.value, code, g.battery, g.year, g.month, g.day, g.hour, g.minute, kind::kStatus}));
        return;
    }
    if (code == cmd::kTest) measuring_ = true;
    if (code == cmd::kProbe || code == cmd::kPoll) {
        Reply r = status_reply();
        if (measuring_) {
            if (wandering_) {
                wander_state_ = wander_state_ * 1103515245u + 12345u;
                const int step = int((wander_state_ >> 16) % 401) - 200;
                config_.live_value = qBound(0, config_.live_value + step, 40000);
            }
            r.value = config_.live_value;
            r.kind = kind::kMeasurement;
        }
        send_raw(encode_reply(r));
    }
}

}  // namespace eqbond::sim
