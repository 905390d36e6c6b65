#pragma once
// What a wire trace says the instrument did after each request: the chunks it sent and when, and
// whether its adapter vanished. Requests are kept per command code in the order the trace saw
// them, so that the n-th request for a code is answered as the n-th one was.
#include <QByteArray>
#include <chrono>
#include <deque>
#include <map>
#include <optional>
#include <vector>

#include "trace/trace_format.h"

namespace eqbond::sim {

struct ReplayExchange {
    struct Answer {
        std::chrono::microseconds delay;  // after the request
        QByteArray bytes;
    };
    std::vector<Answer> answers;
    // The instrument's device vanished this long after the request...
    std::optional<std::chrono::microseconds> gone_after;
    // ...and was back this long after it vanished; none = it stayed away.
    std::optional<std::chrono::microseconds> back_after;
};

class ReplayScript {
  public:
    // Only the devices that answered anything count: ports the program tried on its search and
    // that stayed silent are no part of the instrument.
    static ReplayScript from_trace(const std::vector<trace::TraceLine>& lines);

    // What was recorded for the next request with this code; nothing once the trace has none.
    std::optional<ReplayExchange> next(int32_t code);
    bool played_out() const { return remaining_ == 0; }
    int exchanges() const { return total_; }

  private:
    std::map<int32_t, std::deque<ReplayExchange>> by_code_;
    int total_ = 0;
    int remaining_ = 0;
};

}  // namespace eqbond::sim
