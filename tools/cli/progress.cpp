#include "cli/progress.h"

#include <algorithm>

namespace eqbond::cli {

namespace {
constexpr int kBarWidth = 30;
}

void Progress::update(int done, int total) {
    if (total <= 0 || done == last_done_) return;
    last_done_ = done;
    const double seconds = std::max<qint64>(clock_.elapsed(), 1) / 1000.0;
    const double rate = done / seconds;
    if (terminal_) {
        const int filled = int(double(kBarWidth) * done / total);
        std::fprintf(out_, "\r[%-*.*s] %d/%d groups  %.1f groups/s", kBarWidth, filled,
                     "##############################", done, total, rate);
        std::fflush(out_);
        return;
    }
    // One line each time a tenth is passed: the part done, as the count says.
    const int tenth = done * 10 / total;
    if (tenth <= last_tenth_) return;
    last_tenth_ = tenth;
    std::fprintf(out_, "%d%%: %d/%d groups, %.1f groups/s\n", done * 100 / total, done, total,
                 rate);
    std::fflush(out_);
}

void Progress::finish(int done, int total) {
    update(done, total);
    if (terminal_) std::fprintf(out_, "\n");
}

}  // namespace eqbond::cli
