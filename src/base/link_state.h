#pragma once
// State of the instrument link: port choice, command sender, read cycle, supervision.
#include <cstdint>

namespace eqbond {

// A read of the instrument's stored groups.
enum class ReadState {
    Idle,     // no read, or the last one finished
    Reading,  // groups are being requested
    Paused,   // stopped at resume_group until continued
};

enum class BannerDirection { Right, Left };

struct LinkState {
    int32_t pending_command = 0;  // code of the next frame send_command writes
    bool sender_free = false;     // the sender may write
    int16_t port_number = 0;      // COM number 1..16 the search opens next after
    bool port_taken = false;      // the last open_next_port did not hit an invalid number
    int16_t open_port_number =
        0;                     // the number open_next_port last opened; re-opened by the watchdog
    bool linked = false;       // the instrument answers
    bool reply_seen = false;   // set per good frame, read and cleared by the supervision
    uint8_t silent_ticks = 0;  // supervision ticks in a row without a reply
    ReadState read_state = ReadState::Idle;
    int32_t next_group = 1;               // group to request next while reading
    int32_t group_pending_last_tick = 0;  // next_group as the watchdog saw it at its previous tick
    int32_t resume_group = 1;             // group at which the next read starts
    int32_t re_requests = 0;              // re-requests by the watchdog since the last progress
    int32_t silent_read_ticks = 0;        // watchdog ticks of a read since the last good frame
    uint8_t read_progress = 100;          // percentage of the groups read
    BannerDirection banner_direction = BannerDirection::Right;
    int32_t instrument_group_count = 0;  // groups stored in the instrument as last reported

    bool reading() const { return read_state == ReadState::Reading; }
};

}  // namespace eqbond
