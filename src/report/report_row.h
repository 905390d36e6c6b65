#pragma once
// One row of the two-column report that the text file and the printout share.
#include <QString>

namespace eqbond {

struct RecordStore;

// Width of the left column in single-byte cells: the entry (39) and the 24 blanks after it.
inline constexpr int kLeftColumnCells = 63;

enum class MissingLeft {
    Close,  // the right entry starts the line, as the text report has always written it
    Blank,  // the left column stays blank so the right entry keeps its place on paper
};

// The left entry with its 24 trailing blanks, then the right entry with one trailing blank.
// A slot whose group is not shown is left out.
QString two_column_row(const RecordStore& store, int left_slot, int right_slot,
                       MissingLeft missing_left);

}  // namespace eqbond
