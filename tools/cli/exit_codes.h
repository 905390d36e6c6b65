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
};

}  // namespace eqbond::cli
