#pragma once
// Compares the program's record store with the groups the simulated instrument holds.
#include <gtest/gtest.h>

#include <vector>

#include "base/record_store.h"
#include "base/value_format.h"
#include "demo/simulator_config.h"

namespace eqbond::test {

// Success when slots 1..N hold groups 1..N, every column as the reply's field shows it;
// otherwise the first group that differs and how.
inline ::testing::AssertionResult store_holds(const RecordStore& store,
                                              const std::vector<sim::StoredGroup>& groups) {
    for (size_t i = 0; i < groups.size(); ++i) {
        const int n = int(i) + 1;
        const sim::StoredGroup& g = groups[i];
        const struct {
            const char* column;
            QString stored, expected;
        } columns[] = {
            {"rec_index", QString::number(store.rec_index[n]), QString::number(n)},
            {"rec_value", store.rec_value[n], format_resistance(g.value)},
            {"rec_batt", QString::number(store.rec_batt[n]), QString::number(g.battery)},
            {"rec_year", store.rec_year[n], pad_date_time(g.year)},
            {"rec_month", store.rec_month[n], pad_date_time(g.month)},
            {"rec_day", store.rec_day[n], pad_date_time(g.day)},
            {"rec_hour", store.rec_hour[n], pad_date_time(g.hour)},
            {"rec_minute", store.rec_minute[n], pad_date_time(g.minute)},
        };
        for (const auto& c : columns) {
            if (c.stored != c.expected) {
                return ::testing::AssertionFailure()
                       << "group " << n << ": " << c.column << " is \"" << c.stored.toStdString()
                       << "\", the instrument sent \"" << c.expected.toStdString() << "\"";
            }
        }
    }
    return ::testing::AssertionSuccess();
}

}  // namespace eqbond::test
