#pragma once
#include <QString>
#include <cstdint>

namespace eqbond {

struct Program;
struct RecordStore;

inline constexpr int kGroupsPerPage = 42;
inline constexpr int kRowsPerPage = 21;

// The listing text of one page: a page-number line, then 21 rows pairing slot
// (page-1)*42 + r on the left with the slot 21 further on the right. CR LF after every line.
QString history_page_text(const RecordStore& store, int page);

// Puts the text of `page` into the listing box.
void show_history_page(Program& p, int16_t page);

}  // namespace eqbond
