#pragma once
namespace eqbond {

struct Program;

void on_prev_page_clicked(Program& p);  // previous page
void on_next_page_clicked(Program& p);  // next page
void on_jump_page_clicked(Program& p);  // go to the typed page

}  // namespace eqbond
