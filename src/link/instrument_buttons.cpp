#include "link/instrument_buttons.h"

#include "app/program.h"
#include "link/command_sender.h"
#include "link/protocol.h"
#include "link/receive_dispatcher.h"

namespace eqbond {

namespace {
void send(Program& p, int32_t code) {
    p.state.link.cmd_code = code;
    send_cmd(p);
}

void show_chart(MainControls& ui) {
    ui.Picture2.visible = true;
    ui.RichTextBox1.visible = false;
}

bool no_data_reported(int32_t group_total) { return group_total == 0 || group_total == 65535; }
}  // namespace

void on_test_clicked(Program& p) {
    p.state.link.reading = 0;
    p.state.ui.Command5.caption = text::kRead;
    send(p, cmd::kTest);
    show_chart(p.state.ui);
}

void on_verify_clicked(Program& p) {
    send(p, cmd::kVerify);
    show_chart(p.state.ui);
}

void on_reset_clicked(Program& p) { send(p, cmd::kReset); }

void on_backlight_clicked(Program& p) {
    Control& button = p.state.ui.Command8;
    if (button.caption == text::kBacklightOn) {
        button.caption = text::kBacklightOff;
        p.state.link.cmd_code = cmd::kBacklightOn;
    } else {
        p.state.link.cmd_code = cmd::kBacklightOff;
        button.caption = text::kBacklightOn;
    }
    send_cmd(p);
}

void on_read_clicked(Program& p) {
    ProgramState& s = p.state;
    LinkState& link = s.link;
    Control& button = s.ui.Command5;
    s.history.cur_page = 1;
    if (link.linked != 1) {
        p.ports.message_box->show(text::kMessageTitle, text::kLinkFailedMessage);
        button.caption = text::kRead;
        link.reading = 0;
        return;
    }
    if (button.caption != text::kContinue && button.caption != text::kRead) {
        button.caption = text::kContinue;
        link.resume_group = link.next_group;
        link.reading = 0;
        note_link_moment(p, LinkMoment::ReadPaused);
        return;
    }
    if (button.caption == text::kRead) {
        s.ui.Picture2.visible = false;
        s.ui.RichTextBox1.visible = true;
        link.resume_group = 1;
    }
    button.caption = text::kPause;
    link.reading = 1;
    note_link_moment(p, LinkMoment::ReadStarted);
    if (!no_data_reported(link.group_total)) {
        link.next_group = link.resume_group;
        // A pause taken past the last group the PC keeps must not become a request either.
        if (link.next_group <= kLastReadableGroup) send(p, link.next_group);
    } else {
        p.ports.message_box->show(text::kMessageTitle, text::kNoDataMessage);
    }
}

void on_clear_clicked(Program& p) {
    ProgramState& s = p.state;
    s.ui.RichTextBox1.caption = QStringLiteral("   ");
    s.records.clear();
    s.records.form2zushu = 0;
    s.history.page_count = 0;
}

void timer9_tick(Program& p) {
    MainControls& ui = p.state.ui;
    if (p.state.link.reading == 1) {
        ui.Label18.caption = text::kReadingActivity;
    } else if (ui.Label18.caption == text::kReadingActivity) {
        ui.Label18.caption.clear();
    }
    for (Control* page_button : {&ui.Command14, &ui.Command12, &ui.Command13}) {
        if (ui.Picture2.visible) page_button->enabled = false;
        if (ui.RichTextBox1.visible) page_button->enabled = true;
    }
}

}  // namespace eqbond
