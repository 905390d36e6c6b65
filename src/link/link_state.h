#pragma once
// Module state of the instrument link: port choice, command sender, read cycle, supervision.
#include <cstdint>

namespace eqbond {

struct LinkState {
    int32_t cmd_code = 0;           // code of the next frame send_cmd writes
    uint8_t send_gate = 0;          // 100 = the sender may write
    int16_t port_no = 0;            // COM number 1..16 used by com_st and the watchdog's re-open
    int16_t port_state = 0;         // 100 = the last com_st did not hit an invalid number
    int16_t line_port_no = 0;       // the number com_st last opened; the watchdog re-opens it
    uint8_t linked = 0;             // 1 = the instrument answers
    uint8_t reply_seen = 0;         // set per good frame, read and cleared by Timer2
    uint8_t miss_count = 0;         // Timer2 ticks in a row without a reply
    uint8_t reading = 0;            // 1 while stored groups are being read
    int32_t next_group = 1;         // group to request next while reading
    int32_t next_group_seen = 0;    // next_group as Timer1 saw it at its previous tick
    int32_t resume_group = 1;       // group at which the next read starts
    int32_t resend_count = 0;       // re-requests by Timer1 since the last progress
    int32_t silent_read_ticks = 0;  // Timer1 ticks of a read since the last good frame
    uint8_t read_progress = 100;    // percentage of the groups read
    uint8_t banner_dir = 1;         // 1 = banner moving right, 2 = left
    int32_t group_total = 0;        // groups stored in the instrument as last reported

    // Fields of the last good reply frame.
    int32_t raw_value = 0;
    int32_t raw_group = 0;
    int16_t raw_year = 0, raw_month = 0, raw_day = 0, raw_hour = 0, raw_minute = 0;
    int raw_kind = 0;
    uint32_t frames_accepted = 0;  // good frames since start, for observers outside the window
};

}  // namespace eqbond
