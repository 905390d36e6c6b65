#include "archive/group_limits.h"

namespace eqbond {

GroupLimits::GroupLimits(const OwnLimits& own, std::optional<BondingLimit> bonding) : own_(own) {
    if (bonding) bonding_ = judged_limit(*bonding);
}

std::optional<JudgedLimit> GroupLimits::of(const Group& group) const {
    const auto own = own_.find(group.number);
    return own != own_.end() ? std::optional<JudgedLimit>(own->second) : bonding_;
}

Verdict GroupLimits::verdict(const Group& group) const {
    const std::optional<JudgedLimit> limit = of(group);
    if (!limit) return Verdict::NotJudged;
    return passes(group, *limit) ? Verdict::Pass : Verdict::Fail;
}

}  // namespace eqbond
