#pragma once
#include <QString>
#include <optional>

namespace eqbond {

struct Program;

void on_prev_page_clicked(Program& p);  // Command12 "上一页"
void on_next_page_clicked(Program& p);  // Command13 "下一页"
void on_jump_page_clicked(Program& p);  // Command14 "确定"

// A typed number rounded to the nearest whole number (halves to even), when it is a number
// within -32768..32767.
std::optional<int> parse_int16(const QString& typed);

}  // namespace eqbond
