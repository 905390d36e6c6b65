#pragma once
// The core's view of the serial port. The Qt implementation sits on QSerialPort; tests use fakes.
#include <QByteArray>
#include <QString>

namespace eqbond {

enum class OpenOutcome { Opened, InvalidNumber, OtherFailure };

// Events the port raises; only DataReceived carries a reply frame.
enum class PortEvent { DataReceived, Error, Other };

class SerialLine {
  public:
    virtual ~SerialLine() = default;
    virtual void close() = 0;
    virtual void set_number(int port_number) = 0;  // COM1..COM16
    virtual OpenOutcome open() = 0;
    // "9600,n,8,1", receive notification at 12 bytes, reads of at most 12 bytes, binary input.
    virtual void configure() = 0;
    virtual bool is_open() const = 0;
    virtual void write(const QByteArray& bytes) = 0;
    virtual QByteArray read(int max_bytes) = 0;
    // Drops everything waiting in the input buffer (and the tail of a frame still arriving), so
    // the next reply starts aligned after a broken frame.
    virtual void discard_input() = 0;
    // The device behind a COM number, for the port label's tooltip; empty for an empty slot.
    virtual QString device_name(int port_number) const = 0;
    // Called when the search wraps from COM16 to COM1: a system port table is read again.
    virtual void rescan_ports() {}
    // The system's words for the last failure (a refused open, an error event), for a wire trace.
    virtual QString last_error() const { return {}; }
};

}  // namespace eqbond
