#include "link/read_watchdog.h"

#include "base/program.h"
#include "link/command_sender.h"
#include "link/instrument_buttons.h"
#include "link/receive_dispatcher.h"

namespace eqbond {

namespace {
constexpr int kResendsBeforeReopen = 6;
// A read with no good frame for 5 s (50 ticks) pauses by itself. The watchdog re-opens the port
// about every 0.8 s meanwhile, so an adapter pulled and plugged back under its old name within
// a few seconds lets the read go on unnoticed; an instrument silent for longer is switched off
// or back under another name, which only the search can find once the read no longer holds the
// link up.
constexpr int kSilentTicksBeforePause = 50;
}  // namespace

void watch_read(Program& p) {
    LinkState& link = p.state.link;
    if (!link.reading()) return;
    if (++link.silent_read_ticks >= kSilentTicksBeforePause) {
        link.silent_read_ticks = 0;
        pause_read(p);
        // The last reply is seconds old: the supervision judges the link afresh, as when idle.
        link.reply_seen = false;
        return;
    }
    // Never past the last group the PC keeps: after a read capped at that group, next_group
    // stays one above it, and a read that then finds no data would re-request it.
    if (link.next_group == link.group_pending_last_tick && link.next_group <= kLastReadableGroup) {
        link.pending_command = link.next_group;
        send_command(p);
        ++link.re_requests;
    }
    link.group_pending_last_tick = link.next_group;
    if (link.re_requests > kResendsBeforeReopen) {
        link.re_requests = 0;
        reopen_port(p);
    }
}

}  // namespace eqbond
