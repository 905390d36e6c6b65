#include "report/print_options.h"

#include <algorithm>

#include "app/program.h"
#include "app/typed_number.h"
#include "report/print_layout.h"
#include "report/report_texts.h"

namespace eqbond {

namespace {
using Field = PrintOptionsState::Field;

QString count_caption(int value, const QString& unit) {
    return QStringLiteral("共有: ") + QString::number(value) + unit;
}

void reject_field(Program& p, Field field) {
    p.state.form2.selected_field = field;
    p.ports.message_box->notify(text::kMessageTitle, text::kRangeWanted);
}

void close_and_show_main_window(Program& p) {
    p.state.form2.open = false;
    p.ports.window->show_main_window();
}
}  // namespace

void on_print_clicked(Program& p) {
    PrintOptionsState& form2 = p.state.form2;
    form2.biaozi = PrintOptionsState::kOpen;
    p.ports.window->run_print_options_dialog(p);
    if (form2.biaozi == PrintOptionsState::kPrint) run_print_job(p, form2.kai, form2.jie);
    form2.biaozi = PrintOptionsState::kOpen;
}

void form2_load(Program& p) {
    PrintOptionsState& form2 = p.state.form2;
    form2.ui = Form2Controls{};
    form2.open = true;
    form2.selected_field = Field::None;
    form2.biaozi = PrintOptionsState::kOpen;
    const int groups = p.state.records.form2zushu;
    form2.ui.Label1 = count_caption(groups, QStringLiteral("组"));
    form2.ui.Label3 = count_caption(print_page_count(groups), QStringLiteral("页"));
}

void on_form2_print_clicked(Program& p) {
    PrintOptionsState& form2 = p.state.form2;
    const int16_t groups = p.state.records.form2zushu;
    int16_t first = 1;
    int16_t last = groups;
    if (form2.ui.Option1) {
        const std::optional<int16_t> from = typed_int16(form2.ui.Text1);
        if (!from) {
            reject_field(p, Field::Text1);
            return;
        }
        const std::optional<int16_t> to = typed_int16(form2.ui.Text2);
        if (!to) {
            reject_field(p, Field::Text2);
            return;
        }
        first = *from;
        last = std::min(*to, groups);  // no further than the groups read
    }
    form2.selected_field = Field::None;
    form2.biaozi = PrintOptionsState::kPrint;
    form2.kai = first;
    form2.jie = last;
    close_and_show_main_window(p);
}

void on_form2_cancel_clicked(Program& p) {
    p.state.form2.biaozi = PrintOptionsState::kCancelled;
    close_and_show_main_window(p);
}

}  // namespace eqbond
