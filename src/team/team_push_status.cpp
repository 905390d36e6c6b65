#include "team/team_push_status.h"

namespace eqbond {

std::chrono::milliseconds team_retry_pause(int failures, std::chrono::milliseconds base) {
    constexpr int kLongestInBases = 60;
    if (failures <= 0) return std::chrono::milliseconds(0);
    // Doubling stops well before the shift could overflow.
    const int doublings = failures - 1 < 6 ? failures - 1 : 6;
    const int64_t bases = std::min<int64_t>(int64_t(1) << doublings, kLongestInBases);
    return base * bases;
}

TeamServerAddress with_connect_timeout(TeamServerAddress address) {
    for (const auto& option : address.options)
        if (option.first == QLatin1String("connect_timeout")) return address;
    address.options.emplace_back(QStringLiteral("connect_timeout"), QStringLiteral("10"));
    return address;
}

}  // namespace eqbond
