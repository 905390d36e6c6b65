#include "link/read_watchdog.h"

#include "app/program.h"
#include "link/command_sender.h"
#include "link/receive_dispatcher.h"

namespace eqbond {

namespace {
constexpr int kResendsBeforeReopen = 6;
}

void timer1_tick(Program& p) {
    LinkState& link = p.state.link;
    if (link.reading != 1) return;
    // Never past the last group the PC keeps: after a read capped at that group, next_group
    // stays one above it, and a read that then finds no data would re-request it.
    if (link.next_group == link.next_group_seen && link.next_group <= kLastReadableGroup) {
        link.cmd_code = link.next_group;
        send_cmd(p);
        ++link.resend_count;
    }
    link.next_group_seen = link.next_group;
    if (link.resend_count > kResendsBeforeReopen) {
        link.resend_count = 0;
        reopen_port(p);
    }
}

}  // namespace eqbond
