#include "sim/simulator_terminal.h"

#include <unistd.h>

#include "demo/command_frames.h"

namespace eqbond::sim {

SimulatorTerminal::SimulatorTerminal(QString link_path, QObject* parent)
    : QObject(parent),
      link_path_(std::move(link_path)),
      pacer_([this](const QByteArray& bytes) { terminal_.write(bytes); }) {}

SimulatorTerminal::~SimulatorTerminal() {
    notifier_.reset();
    terminal_.close();
    if (!link_path_.isEmpty()) remove_link(link_path_);
}

bool SimulatorTerminal::start() {
    if (!terminal_.open()) return false;
    listen();
    return true;
}

QString SimulatorTerminal::device_path() const {
    return link_path_.isEmpty() ? terminal_.slave_path() : link_path_;
}

void SimulatorTerminal::listen() {
    notifier_ = std::make_unique<QSocketNotifier>(terminal_.master_fd(), QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &SimulatorTerminal::on_readable);
    if (!link_path_.isEmpty()) point_link(link_path_, terminal_.slave_path());
}

void SimulatorTerminal::unplug() {
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

bool SimulatorTerminal::plug_in() {
    if (terminal_.is_open()) return true;
    if (!terminal_.open()) return false;
    listen();
    emit plugged_in_again();
    return true;
}

void SimulatorTerminal::on_readable() {
    char buffer[256];
    const ssize_t n = ::read(terminal_.master_fd(), buffer, sizeof buffer);
    if (n <= 0) return;
    const QByteArray bytes(buffer, int(n));
    if (on_bytes) on_bytes(bytes);
    pending_.append(bytes);
    // A command may unplug the instrument: the frames after it are never heard.
    while (terminal_.is_open()) {
        const std::optional<int32_t> command = take_command(pending_);
        if (!command) break;
        if (on_command) on_command(*command);
    }
}

}  // namespace eqbond::sim
