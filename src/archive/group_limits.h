#pragma once
// Which limit judges each group of a download: its own, else the bonding limit, else none.
#include <optional>

#include "archive/bonding_limit.h"
#include "archive/download.h"

namespace eqbond {

enum class Verdict { NotJudged, Pass, Fail };

class GroupLimits {
  public:
    GroupLimits(const OwnLimits& own, std::optional<BondingLimit> bonding);
    std::optional<JudgedLimit> of(const Group& group) const;
    Verdict verdict(const Group& group) const;
    // Some group is judged.
    bool any() const { return bonding_ || !own_.empty(); }
    bool any_own() const { return !own_.empty(); }

  private:
    OwnLimits own_;
    std::optional<JudgedLimit> bonding_;
};

}  // namespace eqbond
