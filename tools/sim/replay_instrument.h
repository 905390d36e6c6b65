#pragma once
// The instrument's side of a wire trace, played on a pseudo-terminal: each request is answered
// with what the trace recorded for the same request in the same order, after the recorded delay
// or at once; requests the trace never saw go unanswered, and an adapter that vanished in the
// trace vanishes here too.
#include <QObject>
#include <QString>

#include "sim/replay_script.h"
#include "sim/simulator_terminal.h"

namespace eqbond::sim {

class ReplayInstrument : public QObject {
    Q_OBJECT
  public:
    // `fast`: answer at once instead of after the recorded delays. `link_path`: a symbolic link
    // kept pointing at the current pseudo-terminal; empty = none.
    ReplayInstrument(ReplayScript script, bool fast, QString link_path, QObject* parent = nullptr);

    bool start() { return terminal_.start(); }
    QString device_path() const { return terminal_.device_path(); }
    QString pts_path() const { return terminal_.pts_path(); }

  signals:
    void played_out();  // every recorded request has been answered as recorded
    void unplugged();
    void plugged_in_again();

  private:
    void answer(int32_t code, LinePacer::Clock::time_point arrived);

    ReplayScript script_;
    bool fast_;
    SimulatorTerminal terminal_;
    LinePacer::Clock::time_point arrived_{};  // when the bytes of the last read came
};

}  // namespace eqbond::sim
