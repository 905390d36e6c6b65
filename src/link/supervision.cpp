#include "link/supervision.h"

#include "app/program.h"
#include "link/command_sender.h"
#include "link/protocol.h"

namespace eqbond {

namespace {
constexpr uint8_t kSilentTicksAllowed = 6;
constexpr int16_t kPortTaken = 100;

void show_link_texts(ProgramState& s) {
    MainControls& ui = s.ui;
    if (s.link.linked == 1) {
        ui.Label17.caption = text::kLinked;
        if (ui.Label18.caption == text::kSearching) ui.Label18.caption.clear();
    } else {
        ui.Label17.caption = text::kNotLinked;
        ui.Label18.caption = text::kSearching;
        ui.Label6.caption = text::kNoReading;
        ui.Label8.caption.clear();
    }
}
}  // namespace

void timer2_tick(Program& p) {
    LinkState& link = p.state.link;
    if (link.port_state == kPortTaken) {
        if (link.reply_seen != 0) {
            link.miss_count = 0;
            if (link.linked != 1) note_link_moment(p, LinkMoment::LinkFound);
            link.linked = 1;
        } else {
            ++link.miss_count;
        }
        if (link.miss_count > kSilentTicksAllowed) {
            link.miss_count = 0;
            if (link.linked == 1) note_link_moment(p, LinkMoment::LinkLost);
            link.linked = 0;
            com_st(p);
        }
        if (link.reading == 0) {
            link.reply_seen = 0;
            if (link.linked == 0) {
                link.cmd_code = cmd::kProbe;
                send_cmd(p);
            }
        }
    } else {
        com_st(p);
    }
    show_link_texts(p.state);
}

void timer7_tick(Program& p) {
    p.state.ui.timers.Timer7 = 500;
    LinkState& link = p.state.link;
    if (link.reading == 0 && link.linked == 1) {
        link.cmd_code = cmd::kPoll;
        send_cmd(p);
    }
}

}  // namespace eqbond
