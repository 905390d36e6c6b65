#pragma once
// Spoils replies on their way to the line: drops them, changes a byte, puts noise before them.
// Each kind of fault draws from its own seeded generator, so switching one fault on does not
// move the pattern of another.
#include <QByteArray>
#include <QRandomGenerator>

#include "demo/simulator_config.h"

namespace eqbond::sim {

struct FaultCounts {
    int replies = 0;  // replies the instrument meant to send
    int dropped = 0;
    int corrupted = 0;
    int stray = 0;  // replies with noise before them
};

class FaultInjector {
  public:
    FaultInjector(const FaultConfig& faults, uint32_t seed);

    // The bytes to put on the line for `reply`; empty when the reply is lost.
    QByteArray apply(const QByteArray& reply);
    const FaultCounts& counts() const { return counts_; }

  private:
    FaultConfig faults_;
    QRandomGenerator drop_random_, corrupt_random_, stray_random_;
    FaultCounts counts_;
};

}  // namespace eqbond::sim
