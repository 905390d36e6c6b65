#pragma once
// Compares the program's record store with the groups the simulated instrument holds.
#include <gtest/gtest.h>

#include <vector>

#include "base/record_store.h"
#include "demo/simulator_config.h"

namespace eqbond::test {

// Success when slots 1..N hold groups 1..N, every field as the instrument sent it;
// otherwise the first group that differs and how.
inline ::testing::AssertionResult store_holds(const RecordStore& store,
                                              const std::vector<sim::StoredGroup>& groups) {
    for (size_t i = 0; i < groups.size(); ++i) {
        const int n = int(i) + 1;
        const sim::StoredGroup& g = groups[i];
        const Group& stored = store.at(n);
        const struct {
            const char* field;
            int stored, expected;
        } columns[] = {
            {"number", stored.number, n},           {"milliohm", stored.milliohm, g.value},
            {"battery", stored.battery, g.battery}, {"year", stored.year, g.year},
            {"month", stored.month, g.month},       {"day", stored.day, g.day},
            {"hour", stored.hour, g.hour},          {"minute", stored.minute, g.minute},
        };
        for (const auto& c : columns) {
            if (c.stored != c.expected) {
                return ::testing::AssertionFailure()
                       << "group " << n << ": " << c.field << " is " << c.stored
                       << ", the instrument sent " << c.expected;
            }
        }
    }
    return ::testing::AssertionSuccess();
}

}  // namespace eqbond::test
