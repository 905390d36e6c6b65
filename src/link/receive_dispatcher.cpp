#include "link/receive_dispatcher.h"

#include <algorithm>

#include "app/program.h"
#include "history/history_page.h"
#include "link/command_sender.h"
#include "link/protocol.h"
#include "records/live_reading.h"

namespace eqbond {

namespace {

void take_idle_reply(Program& p, const Reply& reply) {
    LinkState& link = p.state.link;
    if (reply.kind == kind::kMeasurement) update_live_reading(p);
    if (reply.kind == kind::kLeadResistance) show_lead_resistance(p);
    if (reply.kind == kind::kStatus) {
        link.group_total = link.raw_group;
        show_idle_status(p);
    }
    if (reply.kind == kind::kMeasurement || reply.kind == kind::kLeadResistance) {
        link.group_total = link.raw_group;
    }
    update_battery_indicator(p, reply.battery);
}

void take_stored_group(Program& p, const Reply& reply) {
    ProgramState& s = p.state;
    LinkState& link = s.link;
    if (reply.kind != kind::kStatus) return;
    if (link.raw_group != link.next_group) return;
    s.records.store_group(link.next_group, reply);
    ++link.next_group;
    s.history.page_count = (link.group_total + kGroupsPerPage - 1) / kGroupsPerPage;
    const int32_t last_group = std::min(link.group_total, kLastReadableGroup);
    if (link.next_group > last_group) {
        link.reading = 0;
        s.ui.Command5.caption = text::kRead;
        link.resume_group = 1;
        link.read_progress = 0;
        note_link_moment(p, LinkMoment::ReadFinished);
        s.history.cur_page = 1;
        show_history_page(p, s.history.cur_page);
        return;
    }
    if (link.next_group == kGroupsPerPage) {  // groups 1..41 stored: show the first page early
        s.history.cur_page = 1;
        show_history_page(p, s.history.cur_page);
    }
    link.resend_count = 0;
    link.cmd_code = link.next_group;
    send_cmd(p);
}

}  // namespace

void on_receive(Program& p, PortEvent event) {
    if (event != PortEvent::DataReceived) return;
    SerialLine& line = *p.ports.line;
    const QByteArray frame = line.read(kReplyFrameLength);
    if (!checksum_ok(frame)) {
        // Whatever else waits belongs to the broken frame; dropping it realigns the next reply.
        line.discard_input();
        return;
    }
    LinkState& link = p.state.link;
    link.reply_seen = 1;
    const Reply reply = decode_reply(frame);
    link.raw_value = reply.value;
    link.raw_group = reply.group;
    link.raw_year = int16_t(reply.year);
    link.raw_month = int16_t(reply.month);
    link.raw_day = int16_t(reply.day);
    link.raw_hour = int16_t(reply.hour);
    link.raw_minute = int16_t(reply.minute);
    link.raw_kind = reply.kind;
    ++link.frames_accepted;
    if (link.reading == 0) {
        take_idle_reply(p, reply);
    } else if (link.reading == 1) {
        take_stored_group(p, reply);
    }
}

}  // namespace eqbond
