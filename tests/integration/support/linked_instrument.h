#pragma once
// A simulated instrument reached through a symbolic link in a temporary folder, the way a fixed
// --port list names it: the link keeps its path when the instrument is unplugged and comes back.
#include <QTemporaryDir>
#include <memory>

#include "sim/instrument_simulator.h"

namespace eqbond::test {

class LinkedInstrument {
  public:
    explicit LinkedInstrument(sim::SimulatorConfig config) {
        config.link_path = dir_.filePath(QStringLiteral("instrument"));
        simulator_ = std::make_unique<sim::InstrumentSimulator>(std::move(config));
    }
    bool start() { return dir_.isValid() && simulator_->start(); }
    QString path() const { return simulator_->device_path(); }
    sim::InstrumentSimulator& operator*() { return *simulator_; }
    sim::InstrumentSimulator* operator->() { return simulator_.get(); }

  private:
    QTemporaryDir dir_;
    std::unique_ptr<sim::InstrumentSimulator> simulator_;
};

}  // namespace eqbond::test
