#include "report/print_options.h"

#include <algorithm>

#include "base/program.h"
#include "base/texts.h"
#include "base/typed_number.h"
#include "report/print_layout.h"

namespace eqbond {

namespace {
using Field = PrintOptionsState::Field;

void reject_field(Program& p, Field field) {
    p.state.print_options.selected_field = field;
    p.ports.message_box->notify(text::kMessageTitle, text::kRangeWanted);
}

void close_and_show_main_window(Program& p) {
    p.state.print_options.open = false;
    p.ports.window->show_main_window();
}
}  // namespace

void on_print_clicked(Program& p) {
    PrintOptionsState& print_options = p.state.print_options;
    print_options.dialog_answer = DialogAnswer::Open;
    p.ports.window->run_print_options_dialog(p);
    if (print_options.dialog_answer == DialogAnswer::Print)
        run_print_job(p, print_options.first_group, print_options.last_group);
    print_options.dialog_answer = DialogAnswer::Open;
}

void load_print_options(Program& p) {
    PrintOptionsState& print_options = p.state.print_options;
    print_options.controls = PrintOptionsControls{};
    print_options.open = true;
    print_options.selected_field = Field::None;
    print_options.dialog_answer = DialogAnswer::Open;
    const int groups = p.state.records.last_stored_group;
    print_options.controls.counts_shown = true;
    print_options.controls.shown_groups = groups;
    print_options.controls.shown_pages = print_page_count(groups);
}

void on_print_options_confirmed(Program& p) {
    PrintOptionsState& print_options = p.state.print_options;
    const PrintOptionsControls& controls = print_options.controls;
    const int16_t groups = p.state.records.last_stored_group;
    int16_t first = 1;
    int16_t last = groups;
    if (controls.range_chosen) {
        const std::optional<int16_t> from = typed_int16(controls.first_group_text);
        if (!from) {
            reject_field(p, Field::FirstGroup);
            return;
        }
        const std::optional<int16_t> to = typed_int16(controls.last_group_text);
        if (!to) {
            reject_field(p, Field::LastGroup);
            return;
        }
        first = *from;
        last = std::min(*to, groups);  // no further than the groups read
    }
    print_options.selected_field = Field::None;
    print_options.dialog_answer = DialogAnswer::Print;
    print_options.first_group = first;
    print_options.last_group = last;
    close_and_show_main_window(p);
}

void on_print_options_cancelled(Program& p) {
    p.state.print_options.dialog_answer = DialogAnswer::Cancelled;
    close_and_show_main_window(p);
}

}  // namespace eqbond
