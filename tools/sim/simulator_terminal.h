#pragma once
// The instrument's end of a pseudo-terminal, as both simulated instruments (the scripted and the
// replayed one) use it: it takes the request bytes off the line, hands on each whole command
// frame, puts the replies on the line through a pacer, vanishes as an unplugged adapter does and
// comes back on a fresh pseudo-terminal, keeping an optional symbolic link pointed at it.
#include <QByteArray>
#include <QObject>
#include <QSocketNotifier>
#include <QString>
#include <functional>
#include <memory>

#include "sim/precise_line_pacer.h"
#include "sim/pseudo_terminal.h"

namespace eqbond::sim {

class SimulatorTerminal : public QObject {
    Q_OBJECT
  public:
    // `link_path`: a symbolic link kept pointing at the current pseudo-terminal; empty = none.
    explicit SimulatorTerminal(QString link_path, QObject* parent = nullptr);
    ~SimulatorTerminal() override;

    // Each read's bytes, before the command frames among them are handed on.
    std::function<void(const QByteArray&)> on_bytes;
    // The code of each whole command frame, in order, while the terminal stays open.
    std::function<void(int32_t)> on_command;

    // Opens the pseudo-terminal pair (and points the link at it); false when the system refuses
    // one.
    bool start();
    // The device path the program opens: the stable link when there is one.
    QString device_path() const;
    // The pseudo-terminal itself, which changes each time the instrument comes back.
    QString pts_path() const { return terminal_.slave_path(); }

    // Closes the pseudo-terminal as an unplugged adapter vanishes, and removes the link.
    void unplug();
    // A fresh pseudo-terminal, with the link pointed at it; false when none could be opened.
    bool plug_in();
    bool plugged_in() const { return terminal_.is_open(); }

    LinePacer& line() { return pacer_; }
    const LinePacer& line() const { return pacer_; }

  signals:
    void unplugged();
    void plugged_in_again();

  private:
    void listen();
    void on_readable();

    QString link_path_;
    PseudoTerminal terminal_;
    std::unique_ptr<QSocketNotifier> notifier_;
    PreciseLinePacer pacer_;
    QByteArray pending_;  // request bytes not yet a whole frame
};

}  // namespace eqbond::sim
