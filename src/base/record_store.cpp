#include "base/record_store.h"

#include "base/protocol.h"
#include "base/value_format.h"

namespace eqbond {

namespace {
const QString kClearedText = QStringLiteral("0");
}

RecordStore::RecordStore()
    : rec_value(kSlots, kClearedText),
      rec_batt(kSlots, 0),
      rec_year(kSlots, kClearedText),
      rec_month(kSlots, kClearedText),
      rec_day(kSlots, kClearedText),
      rec_hour(kSlots, kClearedText),
      rec_minute(kSlots, kClearedText),
      rec_index(kSlots, 0) {}

void RecordStore::clear_slot(int i) {
    rec_value[i] = kClearedText;
    rec_batt[i] = 0;
    rec_year[i] = kClearedText;
    rec_month[i] = kClearedText;
    rec_day[i] = kClearedText;
    rec_hour[i] = kClearedText;
    rec_minute[i] = kClearedText;
    rec_index[i] = 0;
}

void RecordStore::clear() {
    for (int i = 0; i <= kClearedUpTo; ++i) clear_slot(i);
}

void RecordStore::store_group(int32_t n, const Reply& reply) {
    if (n >= 0 && n < kSlots) {
        rec_value[n] = format_resistance(reply.value);
        rec_batt[n] = static_cast<uint8_t>(reply.battery);
        rec_year[n] = pad_date_time(reply.year);
        rec_month[n] = pad_date_time(reply.month);
        rec_day[n] = pad_date_time(reply.day);
        rec_hour[n] = pad_date_time(reply.hour);
        rec_minute[n] = pad_date_time(reply.minute);
        rec_index[n] = n;
    }
    last_stored_group = static_cast<int16_t>(n);
}

bool RecordStore::shown(int i) const {
    return i >= 0 && i < kSlots && rec_index[i] >= kFirstShown && rec_index[i] <= kLastShown;
}

}  // namespace eqbond
