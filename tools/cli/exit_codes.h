#pragma once

namespace eqbond::cli {

enum ExitCode {
    kDone = 0,
    kBadUsage = 1,
    kNoInstrument = 2,
    kLinkLost = 3,
    kWriteFailed = 4,
    kArchiveUnusable = 5,
    kTeamUnusable = 6,
    // A download changed or deleted on the server as well: the push kept the server's side.
    kConflict = 7,
    // report verify: the file is not the bytes of a report this archive issued.
    kNotIssued = 8,
};

}  // namespace eqbond::cli
