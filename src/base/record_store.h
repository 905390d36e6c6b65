#pragma once
// The groups read from the instrument: eight parallel columns, slot i holding group i.
#include <QString>
#include <cstdint>
#include <vector>

namespace eqbond {

struct Reply;

struct RecordStore {
    static constexpr int kSlots = 10001;       // slots 0..10000
    static constexpr int kClearedUpTo = 7000;  // the clear operations reach slots 0..7000
    static constexpr int kFirstShown = 1;      // readers show slots whose group is 1..6999
    static constexpr int kLastShown = 6999;

    std::vector<QString> rec_value;
    std::vector<uint8_t> rec_batt;
    std::vector<QString> rec_year, rec_month, rec_day, rec_hour, rec_minute;
    std::vector<int32_t> rec_index;
    int16_t last_stored_group = 0;  // number of the last group stored by the latest read

    // Every slot starts with the cleared values, those above 7000 included.
    RecordStore();

    // Slots 0..7000 back to the cleared values.
    void clear();

    // Writes slot n from one reply; above 10000 nothing is written. last_stored_group becomes n.
    void store_group(int32_t n, const Reply& reply);

    // True when slot i exists and holds a group the listing and the reports show.
    bool shown(int i) const;

  private:
    void clear_slot(int i);
};

}  // namespace eqbond
