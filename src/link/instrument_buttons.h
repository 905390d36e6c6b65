#pragma once
// The buttons of "仪表操作" and the read and clear buttons of "操作", and Timer9.
namespace eqbond {

struct Program;

void on_test_clicked(Program& p);       // Command1 "测    试"
void on_verify_clicked(Program& p);     // Command3 "校    验"
void on_reset_clicked(Program& p);      // Command10 "复    位"
void on_backlight_clicked(Program& p);  // Command8 "开背光灯" / "关背光灯"
void on_read_clicked(Program& p);       // Command5 "读    取" / "暂    停" / "继   续"
void on_clear_clicked(Program& p);      // Command6 "数据清除"

// Pauses a running read as the read button does: "继   续", the pending group kept for continue.
void pause_read(Program& p);

// Timer9, every 200 ms: the reading activity text and the page buttons.
void timer9_tick(Program& p);

}  // namespace eqbond
