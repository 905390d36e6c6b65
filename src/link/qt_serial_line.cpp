#include "link/qt_serial_line.h"

#include "base/protocol.h"

namespace eqbond {

namespace {
// Long enough for the rest of a 12-byte frame at 9600 baud (about 12.5 ms), far shorter than the
// 100 ms before the program asks again.
constexpr qint64 kDiscardWindowMs = 30;
}  // namespace

QtSerialLine::QtSerialLine(PortTable table, QObject* parent)
    : QObject(parent), table_(std::move(table)) {
    connect(&port_, &QSerialPort::readyRead, this, &QtSerialLine::on_ready_read);
    connect(&port_, &QSerialPort::errorOccurred, this, &QtSerialLine::on_error);
}

void QtSerialLine::close() {
    if (port_.isOpen()) port_.close();
}

void QtSerialLine::set_number(int port_number) {
    port_no_ = port_number;
    port_.setPortName(table_.device(port_number));
}

OpenOutcome QtSerialLine::open() {
    if (port_.isOpen()) return OpenOutcome::OtherFailure;  // the control refuses a second open
    if (table_.device(port_no_).isEmpty()) return OpenOutcome::InvalidNumber;
    if (port_.open(QIODevice::ReadWrite)) {
        port_.clear(QSerialPort::AllDirections);
        return OpenOutcome::Opened;
    }
    return port_.error() == QSerialPort::DeviceNotFoundError ? OpenOutcome::InvalidNumber
                                                             : OpenOutcome::OtherFailure;
}

void QtSerialLine::configure() {
    port_.setBaudRate(QSerialPort::Baud9600);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
}

bool QtSerialLine::is_open() const {
    return port_.isOpen();
}

void QtSerialLine::write(const QByteArray& bytes) {
    if (!port_.isOpen()) return;
    // QSerialPort only buffers a write until the event loop next turns; a read sends the next
    // request from inside the receive event, so hand the frame to the driver at once.
    port_.write(bytes);
    port_.flush();
}

QByteArray QtSerialLine::read(int max_bytes) {
    if (!port_.isOpen()) return {};
    return port_.read(max_bytes);
}

void QtSerialLine::discard_input() {
    if (!port_.isOpen()) return;
    port_.readAll();
    port_.clear(QSerialPort::Input);
    discarding_.start();
}

QString QtSerialLine::device_name(int port_number) const {
    return table_.device(port_number);
}

void QtSerialLine::rescan_ports() {
    table_.rescan();
}

void QtSerialLine::on_ready_read() {
    if (discarding_.isValid()) {
        if (discarding_.elapsed() < kDiscardWindowMs) {
            port_.readAll();
            return;
        }
        discarding_.invalidate();
    }
    // One receive event per 12 bytes waiting, as the threshold of 12 asks.
    while (port_.isOpen() && port_.bytesAvailable() >= kReplyFrameLength) {
        const qint64 before = port_.bytesAvailable();
        if (handler_) handler_(PortEvent::DataReceived);
        if (port_.isOpen() && port_.bytesAvailable() >= before) break;
    }
}

void QtSerialLine::on_error(QSerialPort::SerialPortError error) {
    if (error == QSerialPort::NoError) return;
    // A vanished device (an unplugged adapter, a closed pseudo-terminal) is hung up: its reads
    // end at end of file, which QSerialPort reports as a read error, or fail as a resource
    // error. Left open it would raise the same error on every poll of the descriptor; closed, it
    // counts as silent and the search or the read watchdog opens it again.
    const bool device_gone = error == QSerialPort::ResourceError || error == QSerialPort::ReadError;
    if (device_gone && port_.isOpen()) port_.close();
    if (handler_) handler_(PortEvent::Error);
}

}  // namespace eqbond
