#pragma once
// The bonding limit: the highest resistance a bonded joint may show. A group passes when the
// instrument measured at or below it; an overload never passes. The instrument measures whole
// milliohms (the listing's fourth decimal is made from the other digits), so that is what is
// judged.
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
// an empty text, no number or one above 1000. Digits past the fourth decimal are dropped (the
// setting keeps what was typed); readings are judged against the whole milliohms below it.
std::optional<BondingLimit> typed_bonding_limit(const QString& typed);

// What a group is judged by: a limit at the instrument's resolution.
struct JudgedLimit {
    int32_t milliohm = 0;
    friend bool operator==(JudgedLimit a, JudgedLimit b) { return a.milliohm == b.milliohm; }
};

// The whole milliohms at or below the limit: a reading passes the one as the other.
JudgedLimit judged_limit(BondingLimit limit);

// The limit as the program writes it: "0.200Ω", the limit the readings are judged by.
QString bonding_limit_text(BondingLimit limit);
QString judged_limit_text(JudgedLimit limit);
// The limit in ohm with three decimals and no unit, as files and tables write it: "0.200".
QString limit_number(JudgedLimit limit);

// The group's measured value at or below the limit, and no overload.
bool passes(const Group& group, JudgedLimit limit);
inline bool passes(const Group& group, BondingLimit limit) {
    return passes(group, judged_limit(limit));
}

}  // namespace eqbond
