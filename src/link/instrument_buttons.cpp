#include "link/instrument_buttons.h"

#include "base/program.h"
#include "base/protocol.h"
#include "base/texts.h"
#include "link/command_sender.h"
#include "link/receive_dispatcher.h"

namespace eqbond {

namespace {
void send(Program& p, int32_t code) {
    p.state.link.pending_command = code;
    send_command(p);
}

constexpr int32_t kNoGroupsStored = 0;
constexpr int32_t kNoGroupsStoredAlternative = 65535;
}  // namespace

bool no_data_reported(int32_t group_count) {
    return group_count == kNoGroupsStored || group_count == kNoGroupsStoredAlternative;
}

void on_test_clicked(Program& p) {
    p.state.link.read_state = ReadState::Idle;
    send(p, cmd::kTest);
    p.state.main_window.work_view = WorkView::Chart;
    note_read_given_up(p);
}

void on_verify_clicked(Program& p) {
    send(p, cmd::kVerify);
    p.state.main_window.work_view = WorkView::Chart;
}

void on_reset_clicked(Program& p) {
    send(p, cmd::kReset);
}

void on_backlight_clicked(Program& p) {
    bool& on = p.state.main_window.backlight_on;
    on = !on;
    send(p, on ? cmd::kBacklightOn : cmd::kBacklightOff);
}

void on_read_clicked(Program& p) {
    ProgramState& s = p.state;
    LinkState& link = s.link;
    s.history.current_page = 1;
    if (!link.linked) {
        p.ports.message_box->show(text::kMessageTitle, text::kLinkFailedMessage);
        link.read_state = ReadState::Idle;
        note_read_given_up(p);
        return;
    }
    if (link.read_state == ReadState::Reading) {
        pause_read(p);
        return;
    }
    if (link.read_state == ReadState::Idle) {
        s.main_window.work_view = WorkView::Listing;
        link.resume_group = 1;
        note_read_began(p);
    }
    link.read_state = ReadState::Reading;
    link.silent_read_ticks = 0;
    note_link_moment(p, LinkMoment::ReadStarted);
    if (!no_data_reported(link.instrument_group_count)) {
        link.next_group = link.resume_group;
        // A pause taken past the last group the PC keeps must not become a request either.
        if (link.next_group <= kLastReadableGroup) send(p, link.next_group);
    } else {
        p.ports.message_box->show(text::kMessageTitle, text::kNoDataMessage);
    }
}

void pause_read(Program& p) {
    p.state.link.resume_group = p.state.link.next_group;
    p.state.link.read_state = ReadState::Paused;
    note_link_moment(p, LinkMoment::ReadPaused);
}

void on_clear_clicked(Program& p) {
    ProgramState& s = p.state;
    s.main_window.listing_text = QStringLiteral("   ");
    s.records.clear();
    s.records.last_stored_group = 0;
    s.history.page_count = 0;
}

void show_read_activity(Program& p) {
    MainWindowState& window = p.state.main_window;
    if (p.state.link.reading()) {
        window.activity = Activity::Reading;
    } else if (window.activity == Activity::Reading) {
        window.activity = Activity::None;
    }
    // The page buttons serve the listing only.
    window.page_buttons_enabled = window.work_view == WorkView::Listing;
}

}  // namespace eqbond
