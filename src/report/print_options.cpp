#include "report/print_options.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <limits>

#include "app/program.h"
#include "report/print_layout.h"
#include "report/report_texts.h"

namespace eqbond {

namespace {
using Field = PrintOptionsState::Field;

QString count_caption(int value, const QString& unit) {
    return QStringLiteral("共有: ") + QString::number(value) + unit;
}

// Full-width digits, point and signs (typed with a Chinese input method) read as plain ones.
QString plain_number_text(const QString& text) {
    return text.normalized(QString::NormalizationForm_KC).trimmed();
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

std::optional<int16_t> range_field_value(const QString& text) {
    static const QRegularExpression kDecimal(
        QStringLiteral(R"(^[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?$)"));
    const QString plain = plain_number_text(text);
    if (!kDecimal.match(plain).hasMatch()) return std::nullopt;
    bool ok = false;
    const double value = plain.toDouble(&ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    // nearbyint rounds an exact half to the even neighbour under the default rounding mode.
    const double rounded = std::nearbyint(value);
    if (rounded < std::numeric_limits<int16_t>::min() ||
        rounded > std::numeric_limits<int16_t>::max())
        return std::nullopt;
    return static_cast<int16_t>(rounded);
}

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
        const std::optional<int16_t> from = range_field_value(form2.ui.Text1);
        if (!from) {
            reject_field(p, Field::Text1);
            return;
        }
        const std::optional<int16_t> to = range_field_value(form2.ui.Text2);
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
