#include "sim/replay_script.h"

#include <set>

#include "base/protocol.h"

namespace eqbond::sim {

namespace {
using std::chrono::microseconds;
using trace::Direction;
using trace::Event;
using trace::TraceLine;

std::set<QByteArray> answering_devices(const std::vector<TraceLine>& lines) {
    std::set<QByteArray> devices;
    for (const TraceLine& line : lines) {
        if (line.direction == Direction::Read) devices.insert(line.device);
    }
    return devices;
}
}  // namespace

ReplayScript ReplayScript::from_trace(const std::vector<TraceLine>& lines) {
    ReplayScript script;
    const std::set<QByteArray> instrument = answering_devices(lines);
    // References into a deque stay valid while elements are added at its end.
    ReplayExchange* current = nullptr;  // the last request and what followed it
    qint64 requested_at = 0;
    ReplayExchange* vanished = nullptr;  // waiting for its device to be opened again
    qint64 vanished_at = 0;
    qint64 still_away_at = 0;  // the last failed open since it vanished
    for (const TraceLine& line : lines) {
        if (instrument.count(line.device) == 0) continue;
        if (line.direction == Direction::Written) {
            const int32_t code = command_code(line.bytes);
            if (code < 0) {
                current = nullptr;
                continue;
            }
            current = &script.by_code_[code].emplace_back();
            requested_at = line.time_us;
            ++script.total_;
        } else if (line.direction == Direction::Read) {
            if (current)
                current->answers.push_back({microseconds(line.time_us - requested_at), line.bytes});
        } else if (line.event == Event::PortGone && current) {
            current->gone_after = microseconds(line.time_us - requested_at);
            vanished = current;
            vanished_at = still_away_at = line.time_us;
        } else if (line.event == Event::OpenFailed && vanished) {
            still_away_at = line.time_us;
        } else if (line.event == Event::Opened && vanished) {
            // It came back at some time after the last open that failed: the earliest such time
            // lets the program's next attempt succeed, as it did in the trace.
            vanished->back_after = microseconds(still_away_at - vanished_at + 1000);
            vanished = nullptr;
        }
    }
    script.remaining_ = script.total_;
    return script;
}

std::optional<ReplayExchange> ReplayScript::next(int32_t code) {
    auto it = by_code_.find(code);
    if (it == by_code_.end() || it->second.empty()) return std::nullopt;
    ReplayExchange exchange = std::move(it->second.front());
    it->second.pop_front();
    --remaining_;
    return exchange;
}

}  // namespace eqbond::sim
