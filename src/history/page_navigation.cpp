#include "history/page_navigation.h"

#include "base/program.h"
#include "base/typed_number.h"
#include "history/history_page.h"

namespace eqbond {

namespace {
constexpr int kHighestPage = 10000;
}

void on_prev_page_clicked(Program& p) {
    int16_t& page = p.state.history.current_page;
    page = int16_t(page - 1);
    if (page <= 0) page = 1;
    if (page > kHighestPage) page = 1;
    show_history_page(p, page);
}

void on_next_page_clicked(Program& p) {
    HistoryState& h = p.state.history;
    const int next = h.current_page + 1;
    h.current_page = int16_t(next > h.page_count ? h.page_count : next);
    show_history_page(p, h.current_page);
}

void on_jump_page_clicked(Program& p) {
    HistoryState& h = p.state.history;
    QString& typed = p.state.main_window.page_field_text;
    const std::optional<int16_t> page = typed_int16(typed);
    if (!page) {
        // Not a page number: stay on the page shown and say which one it is.
        typed = QString::number(h.current_page);
        show_history_page(p, h.current_page);
        return;
    }
    h.current_page = *page;
    if (h.current_page < 1) {
        typed = QStringLiteral("1");
        h.current_page = 1;
    }
    if (h.current_page > h.page_count) {
        typed = QString::number(h.page_count);
        h.current_page = int16_t(h.page_count);
    }
    show_history_page(p, h.current_page);
}

}  // namespace eqbond
