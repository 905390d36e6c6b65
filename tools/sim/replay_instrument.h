#pragma once
// The instrument's side of a wire trace, played on a pseudo-terminal: each request is answered
// with what the trace recorded for the same request in the same order, after the recorded delay
// or at once; requests the trace never saw go unanswered, and an adapter that vanished in the
// trace vanishes here too.
#include <QObject>
#include <QSocketNotifier>
#include <QString>
#include <memory>

#include "sim/line_pacer.h"
#include "sim/pseudo_terminal.h"
#include "sim/replay_script.h"

namespace eqbond::sim {

class ReplayInstrument : public QObject {
    Q_OBJECT
  public:
    // `fast`: answer at once instead of after the recorded delays. `link_path`: a symbolic link
    // kept pointing at the current pseudo-terminal; empty = none.
    ReplayInstrument(ReplayScript script, bool fast, QString link_path, QObject* parent = nullptr);
    ~ReplayInstrument() override;

    bool start();
    QString device_path() const;
    QString pts_path() const { return terminal_.slave_path(); }

  signals:
    void played_out();  // every recorded request has been answered as recorded
    void unplugged();
    void plugged_in_again();

  private:
    void listen();
    void on_readable();
    void answer(int32_t code, LinePacer::Clock::time_point arrived);
    void unplug();
    void plug_in();

    ReplayScript script_;
    bool fast_;
    QString link_path_;
    PseudoTerminal terminal_;
    std::unique_ptr<QSocketNotifier> notifier_;
    LinePacer pacer_;
    QByteArray pending_;  // request bytes not yet a whole frame
};

}  // namespace eqbond::sim
