#pragma once
// The serial line to the simulated instrument inside the program, opened by eqbond --demo in place
// of a device: a request written to it reaches the instrument, whose reply comes back at the pace
// of the real line and is announced through the event loop, as the real port announces what it
// receives. The faults of the line itself (an adapter that vanishes) are left to eqbond-sim.
#include <QByteArray>
#include <QObject>
#include <functional>

#include "base/serial_line.h"
#include "demo/line_pacer.h"
#include "demo/simulated_instrument.h"

namespace eqbond::sim {

class DemoSerialLine : public QObject, public SerialLine {
    Q_OBJECT
  public:
    explicit DemoSerialLine(SimulatorConfig config, QObject* parent = nullptr);

    // Called once for each 12 bytes waiting.
    void set_event_handler(std::function<void(PortEvent)> handler) {
        handler_ = std::move(handler);
    }

    void close() override;
    void set_number(int) override {}
    OpenOutcome open() override;
    void configure() override {}
    bool is_open() const override { return open_; }
    void write(const QByteArray& bytes) override;
    QByteArray read(int max_bytes) override;
    void discard_input() override;
    QString device_name(int) const override;

  private:
    void arrive(const QByteArray& bytes);
    void announce();

    SimulatedInstrument instrument_;
    LinePacer pacer_;
    std::function<void(PortEvent)> handler_;
    QByteArray requests_;  // request bytes not yet a whole frame
    QByteArray input_;     // reply bytes that have arrived and wait to be read
    bool open_ = false;
    bool announcing_ = false;  // an announcement waits on the event loop
};

}  // namespace eqbond::sim
