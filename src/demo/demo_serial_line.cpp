#include "demo/demo_serial_line.h"

#include "base/protocol.h"
#include "demo/command_frames.h"
#include "demo/demo_instrument.h"

namespace eqbond::sim {

DemoSerialLine::DemoSerialLine(SimulatorConfig config, QObject* parent)
    : QObject(parent),
      instrument_(std::move(config)),
      pacer_([this](const QByteArray& bytes) { arrive(bytes); }) {
    // Nothing reads the line before a frame's worth waits (the receive event comes at 12 bytes):
    // one wake-up a reply instead of one a byte, and the program hears of it at the same moment.
    pacer_.wake_for([this] { return kReplyFrameLength - int(input_.size()); });
}

void DemoSerialLine::close() {
    open_ = false;
    // What was on its way is lost with the port, as on a real line.
    pacer_.clear();
    requests_.clear();
    input_.clear();
}

OpenOutcome DemoSerialLine::open() {
    if (open_) return OpenOutcome::OtherFailure;  // the control refuses a second open
    open_ = true;
    return OpenOutcome::Opened;
}

void DemoSerialLine::write(const QByteArray& bytes) {
    if (!open_) return;
    const SimulatedInstrument::Clock::time_point seen = SimulatedInstrument::Clock::now();
    requests_.append(bytes);
    while (const std::optional<int32_t> code = take_command(requests_)) {
        const SimulatedInstrument::Answer answer = instrument_.answer(*code, seen);
        pacer_.send(answer.reply, answer.not_before, answer.paced);
    }
}

QByteArray DemoSerialLine::read(int max_bytes) {
    const QByteArray bytes = input_.left(max_bytes);
    input_.remove(0, bytes.size());
    return bytes;
}

void DemoSerialLine::discard_input() {
    // The tail of a broken frame still on its way goes too.
    pacer_.clear();
    input_.clear();
}

QString DemoSerialLine::device_name(int) const {
    return kDemoDevice;
}

void DemoSerialLine::arrive(const QByteArray& bytes) {
    if (!open_) return;
    input_.append(bytes);
    // Never from inside write(): the program hears of a reply on a later turn of the event loop,
    // as it does from the real port.
    if (announcing_) return;
    announcing_ = true;
    QMetaObject::invokeMethod(this, &DemoSerialLine::announce, Qt::QueuedConnection);
}

void DemoSerialLine::announce() {
    announcing_ = false;
    // One receive event per 12 bytes waiting, as on the real line.
    while (open_ && input_.size() >= kReplyFrameLength) {
        const int before = int(input_.size());
        if (handler_) handler_(PortEvent::DataReceived);
        if (open_ && input_.size() >= before) break;
    }
}

}  // namespace eqbond::sim
