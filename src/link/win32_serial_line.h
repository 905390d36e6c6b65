#pragma once
// The serial line on the Win32 API, for the Windows build: \\.\COMn at 9600 8N1 with one
// overlapped read of the rest of a frame always outstanding, its completion handed to the event
// loop. It only moves bytes; the search, the cadence and the watchdog stay the core's.
#include <QByteArray>
#include <QElapsedTimer>
#include <functional>
#include <memory>

#include "base/serial_line.h"
#include "link/port_table.h"

namespace eqbond {

class Win32SerialLine : public SerialLine {
  public:
    explicit Win32SerialLine(PortTable table);
    ~Win32SerialLine() override;

    // Called once for each 12 bytes waiting, and for port errors.
    void set_event_handler(std::function<void(PortEvent)> handler) {
        handler_ = std::move(handler);
    }
    PortTable& table() { return table_; }

    void close() override;
    void set_number(int port_number) override;
    OpenOutcome open() override;
    void configure() override;
    bool is_open() const override;
    void write(const QByteArray& bytes) override;
    QByteArray read(int max_bytes) override;
    void discard_input() override;
    QString device_name(int port_number) const override;
    QString last_error() const override;

  private:
    struct Handle;  // the Win32 handle and the read in flight, kept out of this header

    void start_read();
    void on_read_done();
    void fail(unsigned long system_error);

    std::unique_ptr<Handle> port_;
    PortTable table_;
    int port_no_ = 0;
    QByteArray received_;  // read from the device, not yet taken by read()
    unsigned long last_error_ = 0;
    bool discarding_ = false;  // the read in flight drops the tail of a broken frame
    std::function<void(PortEvent)> handler_;
};

}  // namespace eqbond
