#pragma once
// Archives every read of the stored groups: the read button begins a download, the receive
// dispatcher adds each group and closes it after the last one; a read given up before its end
// (test button, a read without link, the main window loaded anew, the program closed) is
// archived as it stands. An archive that fails is reported once and then left alone.
#include <cstdint>

namespace eqbond {

struct Program;
struct Reply;

// A fresh read starts: whatever read was still open is archived as abandoned first.
void begin_download(Program& p);

// Group `n` as the instrument sent it has been stored.
void note_stored_group(Program& p, int32_t n, const Reply& reply);

// The last group has been stored.
void archive_completed_read(Program& p);

// The open read, if any, has been given up.
void archive_abandoned_read(Program& p);

// Shows the archive's fault, once a run, if it has one.
void report_archive_fault(Program& p);

}  // namespace eqbond
