// The pointer read-out over the chart and the colour swatches.
#include "chart/chart_controls.h"

#include <gtest/gtest.h>

#include "base/program.h"
#include "program/window_views.h"

namespace eqbond {
namespace {

// The 5535-twip box less a two-pixel border on each side at 15 twips to the pixel.
constexpr float kInteriorHeight = 5475;

TEST(CursorReadout, ResistanceAtThePointersHeight) {
    const struct {
        float y;
        float interior_height;
        const char* text;
    } cases[] = {
        {450, kInteriorHeight, "60Ω"},
        {449, kInteriorHeight, "60Ω"},  // above the top tick: held at 60
        {0, kInteriorHeight, "60Ω"},
        {-300, kInteriorHeight, "60Ω"},
        {2625, kInteriorHeight, "30Ω"},
        {1000, kInteriorHeight, "52.41379Ω"},
        {4000, kInteriorHeight, "11.03448Ω"},
        {4799, kInteriorHeight, "0.01379Ω"},
        {4785, kInteriorHeight, "0.2069Ω"},  // one pixel above the axis; trailing zero dropped
        {4800, kInteriorHeight, "0Ω"},
        {5475, kInteriorHeight, "0Ω"},  // the lowest point of the interior, held at H - 675
        {9000, kInteriorHeight, "0Ω"},
        // Exact halves go to the even neighbour: 5999062.5 and 5999687.5 hundred-thousandths.
        {450.6796875f, kInteriorHeight, "59.99062Ω"},
        {450.2265625f, kInteriorHeight, "59.99688Ω"},
        // The lower hold follows the interior: a taller box reads below zero ...
        {5700, 5625, "-2.06897Ω"},
        // ... a shorter one stops higher up ...
        {5000, 3000, "34.13793Ω"},
        // ... and below 1125 twips the upper hold at 450 wins.
        {5000, 1000, "60Ω"},
        {4799.9995f, kInteriorHeight, "0.00001Ω"},  // the smallest step, still plain decimal
    };
    for (const auto& c : cases) {
        EXPECT_EQ(cursor_text(c.y, c.interior_height).toStdString(), c.text)
            << "y " << c.y << " H " << c.interior_height;
    }
}

TEST(CursorReadout, PressAndMoveShowTheTextWhateverTheHorizontalPosition) {
    const struct {
        float y;
        const char* text;
    } heights[] = {{1000, "52.41379Ω"}, {4000, "11.03448Ω"}, {300, "60Ω"}};
    for (const auto& h : heights) {
        for (const float x : {-50.0f, 0.0f, 540.0f, 5000.0f, 10395.0f}) {
            Program p;
            show_cursor_value(p, x, h.y, kInteriorHeight);
            EXPECT_EQ(main_window_view(p.state).readout.toStdString(), h.text) << x << ", " << h.y;
        }
    }
}

TEST(Swatches, AClickRedrawsOnTheSwatchsColour) {
    const struct {
        int index;
        const char* name;
        Rgb colour;
    } swatches[] = {
        {0, "Picture3", {192, 255, 255}}, {1, "Picture4", {255, 192, 192}},
        {2, "Picture5", {255, 192, 255}}, {3, "Picture6", {255, 255, 255}},
        {4, "Picture7", {192, 192, 255}},
    };
    Program p;
    // The first swatch is the start-up colour itself: the click still redraws.
    for (const auto& s : swatches) {
        const uint64_t before = p.state.chart.generation;
        on_swatch_clicked(p, s.index);
        EXPECT_EQ(main_window_view(p.state).chart_background, s.colour) << s.name;
        EXPECT_EQ(p.state.chart.drawn_background, s.colour) << s.name;
        EXPECT_EQ(p.state.chart.generation, before + 1) << s.name;
    }
}

}  // namespace
}  // namespace eqbond
