#include "history/page_navigation.h"

#include "app/program.h"
#include "app/typed_number.h"
#include "history/history_page.h"

namespace eqbond {

namespace {
constexpr int kHighestPage = 10000;
}

void on_prev_page_clicked(Program& p) {
    int16_t& page = p.state.history.cur_page;
    page = int16_t(page - 1);
    if (page <= 0) page = 1;
    if (page > kHighestPage) page = 1;
    show_history_page(p, page);
}

void on_next_page_clicked(Program& p) {
    HistoryState& h = p.state.history;
    const int next = h.cur_page + 1;
    h.cur_page = int16_t(next > h.page_count ? h.page_count : next);
    show_history_page(p, h.cur_page);
}

void on_jump_page_clicked(Program& p) {
    HistoryState& h = p.state.history;
    Control& typed = p.state.ui.Text1;
    const std::optional<int16_t> page = typed_int16(typed.caption);
    if (!page) {
        // Not a page number: stay on the page shown and say which one it is.
        typed.caption = QString::number(h.cur_page);
        show_history_page(p, h.cur_page);
        return;
    }
    h.cur_page = *page;
    if (h.cur_page < 1) {
        typed.caption = QStringLiteral("1");
        h.cur_page = 1;
    }
    if (h.cur_page > h.page_count) {
        typed.caption = QString::number(h.page_count);
        h.cur_page = int16_t(h.page_count);
    }
    show_history_page(p, h.cur_page);
}

}  // namespace eqbond
