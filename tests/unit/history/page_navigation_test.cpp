// The page buttons: previous, next, jump to the typed page.
#include "history/page_navigation.h"

#include <gtest/gtest.h>

#include "base/program.h"
#include "history/history_page.h"
#include "program/window_views.h"
#include "support/qstring_printer.h"

namespace eqbond {
namespace {

enum class Click { Prev, Next, Jump };

void click(Program& p, Click c) {
    switch (c) {
        case Click::Prev:
            on_prev_page_clicked(p);
            break;
        case Click::Next:
            on_next_page_clicked(p);
            break;
        case Click::Jump:
            on_jump_page_clicked(p);
            break;
    }
}

QString shown_page(const Program& p) {
    // The page number of the header line the listing shows.
    const QString& text = main_window_view(p.state).listing;
    const int open = text.indexOf(QStringLiteral("第(  "));
    const int close = text.indexOf(QStringLiteral(" 页)"));
    if (open < 0 || close < 0) return QStringLiteral("<none>");
    return text.mid(open + 4, close - open - 4);
}

TEST(PageButtons, ClampToTheirBounds) {
    const struct {
        const char* name;
        int32_t page_count;
        int16_t current_page;
        Click click;
        const char* typed;
        int16_t page_after;
        const char* text1_after;
    } cases[] = {
        // No read yet.
        {"next with no pages", 0, 1, Click::Next, "1", 0, "1"},
        {"jump with no pages", 0, 1, Click::Jump, "5", 0, "0"},
        {"jump to 1 with no pages", 0, 1, Click::Jump, "1", 0, "0"},
        {"prev from page 0", 0, 0, Click::Prev, "1", 1, "1"},
        // 100 groups read: three pages.
        {"next on the last page", 3, 3, Click::Next, "1", 3, "1"},
        {"next", 3, 1, Click::Next, "1", 2, "1"},
        {"prev on the first page", 3, 1, Click::Prev, "9", 1, "9"},
        {"prev", 3, 3, Click::Prev, "1", 2, "1"},
        {"jump past the end", 3, 1, Click::Jump, "7", 3, "3"},
        {"jump to 0", 3, 2, Click::Jump, "0", 1, "1"},
        {"jump below 0", 3, 2, Click::Jump, "-4", 1, "1"},
        {"jump inside", 3, 1, Click::Jump, "2", 2, "2"},
        {"jump with blanks", 3, 1, Click::Jump, " 3 ", 3, " 3 "},
        {"half rounds to even (down)", 5, 1, Click::Jump, "2.5", 2, "2.5"},
        {"half rounds to even (up)", 5, 1, Click::Jump, "3.5", 4, "3.5"},
        {"rounds to nearest", 5, 1, Click::Jump, "2.6", 3, "2.6"},
        {"largest 16-bit page", 3, 1, Click::Jump, "32767", 3, "3"},
        {"prev from a page past 10000", 20000, 10005, Click::Prev, "1", 1, "1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Program p;
        p.state.history.page_count = c.page_count;
        p.state.history.current_page = c.current_page;
        p.state.main_window.page_field_text = QString::fromUtf8(c.typed);
        click(p, c.click);
        EXPECT_EQ(p.state.history.current_page, c.page_after);
        EXPECT_EQ(main_window_view(p.state).page_field, QString::fromUtf8(c.text1_after));
        EXPECT_EQ(main_window_view(p.state).listing,
                  history_page_text(p.state.records, c.page_after));
        EXPECT_EQ(shown_page(p), QString::number(c.page_after));
    }
}

TEST(PageButtons, JumpTextThatIsNoPageLeavesThePageAndShowsItAgain) {
    const char* texts[] = {"abc",    "",        " ",        "1x",  "x1",  "2..5", "40000",
                           "-40000", "32767.5", "-32768.6", "1e9", "inf", "nan",  "+-3"};
    for (const char* typed : texts) {
        SCOPED_TRACE(typed);
        Program p;
        p.state.history.page_count = 3;
        p.state.history.current_page = 2;
        p.state.main_window.page_field_text = QString::fromUtf8(typed);
        on_jump_page_clicked(p);
        EXPECT_EQ(p.state.history.current_page, 2);
        EXPECT_EQ(main_window_view(p.state).page_field, QStringLiteral("2"));
        EXPECT_EQ(shown_page(p), QStringLiteral("2"));
    }
}

TEST(PageButtons, EdgesOfThe16BitRangeStillParse) {
    const struct {
        const char* typed;
        int16_t page;
        const char* text1;
    } cases[] = {{"-32768", 1, "1"}, {"-32768.5", 1, "1"}, {"32767.4", 3, "3"}, {"1e2", 3, "3"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        Program p;
        p.state.history.page_count = 3;
        p.state.history.current_page = 2;
        p.state.main_window.page_field_text = QString::fromUtf8(c.typed);
        on_jump_page_clicked(p);
        EXPECT_EQ(p.state.history.current_page, c.page);
        EXPECT_EQ(main_window_view(p.state).page_field, QString::fromUtf8(c.text1));
    }
}

TEST(PageButtons, WalkThroughAHundredGroups) {
    Program p;
    p.state.history.page_count = 3;
    p.state.history.current_page = 1;
    std::vector<int> seen;
    for (Click c : {Click::Next, Click::Next, Click::Next, Click::Prev, Click::Prev, Click::Prev}) {
        click(p, c);
        seen.push_back(p.state.history.current_page);
    }
    EXPECT_EQ(seen, (std::vector<int>{2, 3, 3, 2, 1, 1}));
    EXPECT_EQ(main_window_view(p.state).page_field, QStringLiteral("1"))
        << "prev and next leave Text1";
}

}  // namespace
}  // namespace eqbond
