#include "demo/fault_injector.h"

namespace eqbond::sim {

FaultInjector::FaultInjector(const FaultConfig& faults, uint32_t seed)
    : faults_(faults),
      drop_random_(seed),
      corrupt_random_(seed ^ 0x5bd1e995u),
      stray_random_(seed ^ 0x9e3779b9u) {}

QByteArray FaultInjector::apply(const QByteArray& reply) {
    ++counts_.replies;
    // Draw every generator for every reply, so each pattern depends on the reply count alone.
    const bool drop_by_share = drop_random_.generateDouble() < faults_.drop_share;
    const bool corrupt = corrupt_random_.generateDouble() < faults_.corrupt_share;
    const int corrupt_at = int(corrupt_random_.bounded(reply.size()));
    const char corrupt_mask = char(corrupt_random_.bounded(1, 256));
    const bool stray = stray_random_.generateDouble() < faults_.stray_share;
    QByteArray noise(int(stray_random_.bounded(1, 4)), '\0');
    for (char& byte : noise) byte = char(stray_random_.bounded(256));

    const bool drop_by_count = faults_.drop_every > 0 && counts_.replies % faults_.drop_every == 0;
    if (drop_by_count || drop_by_share) {
        ++counts_.dropped;
        return {};
    }
    QByteArray out = reply;
    if (corrupt) {
        // One changed byte always breaks the sum: a change of 1..255 is never a multiple of 256.
        out[corrupt_at] = char(out[corrupt_at] ^ corrupt_mask);
        ++counts_.corrupted;
    }
    if (stray) {
        out.prepend(noise);
        ++counts_.stray;
    }
    return out;
}

}  // namespace eqbond::sim
