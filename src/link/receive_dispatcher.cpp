#include "link/receive_dispatcher.h"

#include <algorithm>

#include "base/program.h"
#include "base/protocol.h"
#include "history/history_page.h"
#include "link/command_sender.h"
#include "records/live_reading.h"

namespace eqbond {

namespace {

void take_idle_reply(Program& p, const Reply& reply) {
    LinkState& link = p.state.link;
    if (reply.kind == kind::kMeasurement) update_live_reading(p, reply.value);
    if (reply.kind == kind::kLeadResistance) show_lead_resistance(p, reply.value);
    if (reply.kind == kind::kStatus) {
        link.instrument_group_count = reply.group;
        show_idle_status(p);
    }
    if (reply.kind == kind::kMeasurement || reply.kind == kind::kLeadResistance) {
        link.instrument_group_count = reply.group;
    }
    update_battery_indicator(p, reply.battery);
}

void finish_read(Program& p) {
    ProgramState& s = p.state;
    s.link.read_state = ReadState::Idle;
    s.link.resume_group = 1;
    s.link.read_progress = 0;
    note_link_moment(p, LinkMoment::ReadFinished);
    s.history.current_page = 1;
    show_history_page(p, s.history.current_page);
    note_read_completed(p);
}

void take_stored_group(Program& p, const Reply& reply) {
    ProgramState& s = p.state;
    LinkState& link = s.link;
    if (reply.kind != kind::kStatus) return;
    if (reply.group != link.next_group) return;
    s.records.store_group(link.next_group, reply);
    // A read stops at group 10000, so the group has its slot: the archive gets the stored one.
    note_group_stored(p, s.records.at(link.next_group));
    ++link.next_group;
    s.history.page_count = (link.instrument_group_count + kGroupsPerPage - 1) / kGroupsPerPage;
    const int32_t last_group = std::min(link.instrument_group_count, kLastReadableGroup);
    if (link.next_group > last_group) {
        finish_read(p);
        return;
    }
    if (link.next_group == kGroupsPerPage) {  // groups 1..41 stored: show the first page early
        s.history.current_page = 1;
        show_history_page(p, s.history.current_page);
    }
    link.re_requests = 0;
    link.pending_command = link.next_group;
    send_command(p);
}

}  // namespace

std::optional<Reply> on_receive(Program& p, PortEvent event) {
    if (event != PortEvent::DataReceived) return std::nullopt;
    SerialLine& line = *p.ports.line;
    const QByteArray frame = line.read(kReplyFrameLength);
    if (!checksum_ok(frame)) {
        // Whatever else waits belongs to the broken frame; dropping it realigns the next reply.
        line.discard_input();
        return std::nullopt;
    }
    LinkState& link = p.state.link;
    link.reply_seen = true;
    link.silent_read_ticks = 0;
    const Reply reply = decode_reply(frame);
    if (link.reading()) {
        take_stored_group(p, reply);
    } else {
        take_idle_reply(p, reply);
    }
    return reply;
}

}  // namespace eqbond
