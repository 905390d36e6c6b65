#pragma once
namespace eqbond {

struct Program;

void on_prev_page_clicked(Program& p);  // Command12 "上一页"
void on_next_page_clicked(Program& p);  // Command13 "下一页"
void on_jump_page_clicked(Program& p);  // Command14 "确定"

}  // namespace eqbond
