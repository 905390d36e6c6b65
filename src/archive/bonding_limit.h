#pragma once
// The bonding limit: the highest resistance a bonded joint may show. A group passes at or below
// it; an overload never passes. Values are compared as the listing shows them, four decimals.
#include <QString>
#include <cstdint>
#include <optional>

namespace eqbond {

struct Group;

struct BondingLimit {
    int32_t tenths_of_milliohm = 0;  // 0.1 ohm is 1000
    friend bool operator==(BondingLimit a, BondingLimit b) {
        return a.tenths_of_milliohm == b.tenths_of_milliohm;
    }
};

// A limit typed in ohm ("0.1", "０.２", " 0.15 "): a number from 0 up to 1000; nothing for
// an empty text, no number or one above 1000. Digits past the fourth decimal are dropped,
// as the shown values have no more.
std::optional<BondingLimit> typed_bonding_limit(const QString& typed);

// The limit as the program writes it: "0.1000Ω".
QString bonding_limit_text(BondingLimit limit);

// The group's shown value at or below the limit.
bool passes(const Group& group, BondingLimit limit);

}  // namespace eqbond
