#pragma once
// The serial line on QSerialPort.
#include <QElapsedTimer>
#include <QObject>
#include <QSerialPort>
#include <functional>

#include "base/serial_line.h"
#include "link/port_table.h"

namespace eqbond {

class QtSerialLine : public QObject, public SerialLine {
    Q_OBJECT
  public:
    explicit QtSerialLine(PortTable table, QObject* parent = nullptr);

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
    void rescan_ports() override;
    QString last_error() const override { return port_.errorString(); }

  private:
    void on_ready_read();
    void on_error(QSerialPort::SerialPortError error);

    QSerialPort port_;
    PortTable table_;
    int port_no_ = 0;
    std::function<void(PortEvent)> handler_;
    QElapsedTimer discarding_;  // running while the tail of a broken frame is being dropped
};

}  // namespace eqbond
