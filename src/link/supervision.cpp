#include "link/supervision.h"

#include "base/program.h"
#include "base/protocol.h"
#include "link/command_sender.h"

namespace eqbond {

namespace {
constexpr uint8_t kSilentTicksAllowed = 6;
constexpr int kPollPeriodMs = 500;

void show_link_state(ProgramState& s) {
    MainWindowState& window = s.main_window;
    window.link_shown = s.link.linked;
    if (s.link.linked) {
        if (window.activity == Activity::Searching) window.activity = Activity::None;
    } else {
        window.activity = Activity::Searching;
        window.reading_shown = ReadingShown::NoReading;
    }
}
}  // namespace

void supervise_link(Program& p) {
    LinkState& link = p.state.link;
    if (link.port_taken) {
        if (link.reply_seen) {
            link.silent_ticks = 0;
            if (!link.linked) note_link_moment(p, LinkMoment::LinkFound);
            link.linked = true;
        } else {
            ++link.silent_ticks;
        }
        if (link.silent_ticks > kSilentTicksAllowed) {
            link.silent_ticks = 0;
            if (link.linked) note_link_moment(p, LinkMoment::LinkLost);
            link.linked = false;
            open_next_port(p);
        }
        if (!link.reading()) {
            link.reply_seen = false;
            if (!link.linked) {
                link.pending_command = cmd::kProbe;
                send_command(p);
            }
        }
    } else {
        open_next_port(p);
    }
    show_link_state(p.state);
}

void poll_instrument(Program& p) {
    p.state.main_window.period(TimerId::LinkPoll) = kPollPeriodMs;
    LinkState& link = p.state.link;
    if (!link.reading() && link.linked) {
        link.pending_command = cmd::kPoll;
        send_command(p);
    }
}

}  // namespace eqbond
