#include "demo/command_frames.h"

#include "base/protocol.h"

namespace eqbond::sim {

std::optional<int32_t> take_command(QByteArray& pending) {
    if (pending.size() < kCommandFrameLength) return std::nullopt;
    const int head = int(pending.indexOf("de"));
    if (head < 0) {
        pending = pending.right(1);
        return std::nullopt;
    }
    pending.remove(0, head);
    if (pending.size() < kCommandFrameLength) return std::nullopt;
    const int32_t code = command_code(pending.left(kCommandFrameLength));
    pending.remove(0, kCommandFrameLength);
    return code;
}

}  // namespace eqbond::sim
