// The chart's display list: axes, titles, labels, ticks and the curve, in twips and in the order
// they are drawn, and how draw_chart turns the live samples into the curve.
#include "chart/chart_geometry.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "base/program.h"
#include "chart/chart.h"
#include "program/window_views.h"

namespace eqbond {
namespace {

using Kind = ChartItem::Kind;

constexpr double kTolerance = 0.01;  // twips; coordinates travel as single precision

std::vector<ChartItem> drawn_with_samples(const std::map<int, double>& samples_by_slot) {
    Program p;
    for (const auto& [slot, milliohm] : samples_by_slot)
        p.state.chart.chart_samples[slot] = milliohm;
    draw_chart(p);
    return p.state.chart.display_list;
}

// The 149 curve segments are the last items drawn.
std::vector<ChartItem> curve_of(const std::vector<ChartItem>& items) {
    return std::vector<ChartItem>(items.end() - (kChartPoints - 1), items.end());
}

// What an item is, from its shape alone, so the order of the whole list can be checked.
std::string category(const ChartItem& item) {
    if (item.kind == Kind::Text) return "text";
    const bool horizontal = item.y1 == item.y2;
    const bool vertical = item.x1 == item.x2;
    if (horizontal && item.x2 == 540) {
        if (item.x1 == 400) return "R major tick";
        if (item.x1 == 450) return "R medium tick";
        if (item.x1 == 500) return "R minor tick";
    }
    if (vertical && item.y1 == 4800) {
        if (item.y2 == 4950) return "T major tick";
        if (item.y2 == 4900) return "T medium tick";
        if (item.y2 == 4860) return "T minor tick";
    }
    return "line";
}

TEST(ChartGeometry, AxesAndArrowHeadsComeFirst) {
    const struct {
        const char* element;
        float x1, y1, x2, y2;
    } expected[] = {
        {"resistance axis", 540, 300, 540, 4800},
        {"time axis", 540, 4800, 9800, 4800},
        {"resistance arrow, left stroke", 540, 300, 450, 450},
        {"resistance arrow, right stroke", 540, 300, 630, 450},
        {"time arrow, upper stroke", 9800, 4800, 9650, 4710},
        {"time arrow, lower stroke", 9800, 4800, 9650, 4890},
    };
    const std::vector<ChartItem> items = drawn_with_samples({});
    for (size_t i = 0; i < std::size(expected); ++i) {
        const auto& e = expected[i];
        ASSERT_EQ(items[i].kind, Kind::Line) << e.element;
        EXPECT_EQ(items[i].x1, e.x1) << e.element;
        EXPECT_EQ(items[i].y1, e.y1) << e.element;
        EXPECT_EQ(items[i].x2, e.x2) << e.element;
        EXPECT_EQ(items[i].y2, e.y2) << e.element;
    }
}

TEST(ChartGeometry, TitlesAndLabelsStandAtTheirTopLeftCorners) {
    const struct {
        const char* text;
        float x, y;
    } expected[] = {
        {"T(S)", 9960, 4703}, {"R(Ω)", 0, 0},    {"60", 100, 350},
        {"50", 100, 1075},    {"40", 100, 1800}, {"30", 100, 2525},
        {"20", 100, 3250},    {"10", 100, 3975}, {"00", 100, 4700},
    };
    std::vector<ChartItem> texts;
    for (const ChartItem& item : drawn_with_samples({}))
        if (item.kind == Kind::Text) texts.push_back(item);
    ASSERT_EQ(texts.size(), std::size(expected));
    for (size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(texts[i].text.toStdString(), expected[i].text) << i;
        EXPECT_EQ(texts[i].x1, expected[i].x) << expected[i].text;
        EXPECT_EQ(texts[i].y1, expected[i].y) << expected[i].text;
    }
}

TEST(ChartGeometry, ItemsAreDrawnInTheirGroupsInOrder) {
    // Consecutive items of one category collapse into a run; each label follows its tick.
    std::vector<std::pair<std::string, int>> runs;
    const std::vector<ChartItem> items = drawn_with_samples({});
    for (size_t i = 0; i < items.size(); ++i) {
        // All-zero samples put the curve on the time axis: tell it apart by position.
        const std::string name = i >= items.size() - 149 ? "curve" : category(items[i]);
        if (runs.empty() || runs.back().first != name) runs.emplace_back(name, 0);
        ++runs.back().second;
    }
    std::vector<std::pair<std::string, int>> expected = {{"line", 6}, {"text", 2}};
    for (int j = 0; j <= 6; ++j) {
        expected.emplace_back("R major tick", 1);
        expected.emplace_back("text", 1);
    }
    for (const auto& run : std::vector<std::pair<std::string, int>>{{"R minor tick", 61},
                                                                    {"R medium tick", 13},
                                                                    {"T major tick", 16},
                                                                    {"T medium tick", 31},
                                                                    {"T minor tick", 151},
                                                                    {"curve", 149}})
        expected.push_back(run);
    EXPECT_EQ(runs, expected);
}

TEST(ChartGeometry, TicksStandAtTheirScalePositions) {
    const struct {
        const char* tick;
        int index;  // among the ticks of its kind, in drawing order
        float x1, y1, x2, y2;
    } expected[] = {
        {"R major tick", 0, 400, 450, 540, 450},
        {"R major tick", 3, 400, 2625, 540, 2625},
        {"R major tick", 6, 400, 4800, 540, 4800},
        {"R minor tick", 1, 500, 522.5f, 540, 522.5f},
        {"R minor tick", 60, 500, 4800, 540, 4800},
        {"R medium tick", 1, 450, 812.5f, 540, 812.5f},
        {"R medium tick", 12, 450, 4800, 540, 4800},
        {"T major tick", 1, 1147.3333f, 4800, 1147.3333f, 4950},
        {"T major tick", 15, 9649.9995f, 4800, 9649.9995f, 4950},
        {"T medium tick", 1, 843.66665f, 4800, 843.66665f, 4900},
        {"T medium tick", 30, 9649.9995f, 4800, 9649.9995f, 4900},
        {"T minor tick", 1, 600.73333f, 4800, 600.73333f, 4860},
        {"T minor tick", 150, 9649.9995f, 4800, 9649.9995f, 4860},
    };
    std::map<std::string, std::vector<ChartItem>> ticks;
    for (const ChartItem& item : drawn_with_samples({{0, 30000}}))
        ticks[category(item)].push_back(item);
    for (const auto& e : expected) {
        const std::vector<ChartItem>& kind = ticks[e.tick];
        ASSERT_LT(size_t(e.index), kind.size()) << e.tick;
        const ChartItem& item = kind[size_t(e.index)];
        EXPECT_NEAR(item.x1, e.x1, kTolerance) << e.tick << " " << e.index;
        EXPECT_NEAR(item.y1, e.y1, kTolerance) << e.tick << " " << e.index;
        EXPECT_NEAR(item.x2, e.x2, kTolerance) << e.tick << " " << e.index;
        EXPECT_NEAR(item.y2, e.y2, kTolerance) << e.tick << " " << e.index;
    }
}

TEST(ChartGeometry, CountsOfEachKindOfTick) {
    const struct {
        const char* kind;
        int count;
    } expected[] = {
        {"R major tick", 7},  {"R medium tick", 13}, {"R minor tick", 61},
        {"T major tick", 16}, {"T medium tick", 31}, {"T minor tick", 151},
    };
    // A reading away from zero keeps the curve off the axis, where it could pass for a tick.
    std::map<std::string, int> counts;
    for (const ChartItem& item : drawn_with_samples({{0, 30000}})) ++counts[category(item)];
    for (const auto& e : expected) EXPECT_EQ(counts[e.kind], e.count) << e.kind;
    EXPECT_EQ(counts["text"], 9);
}

TEST(ChartGeometry, AllZeroSamplesLayTheCurveOnTheTimeAxis) {
    const std::vector<ChartItem> curve = curve_of(drawn_with_samples({}));
    ASSERT_EQ(curve.size(), 149u);
    EXPECT_EQ(curve.front().x1, 540.0f);
    EXPECT_NEAR(curve.back().x2, 9589.26617, kTolerance);
    for (size_t d = 0; d < curve.size(); ++d) {
        EXPECT_EQ(curve[d].y1, 4800.0f) << d;
        EXPECT_EQ(curve[d].y2, 4800.0f) << d;
        // Segments join: each starts where the one before it ended.
        if (d > 0) {
            EXPECT_EQ(curve[d].x1, curve[d - 1].x2) << d;
        }
    }
}

TEST(ChartGeometry, SamplesPlotOnTheResistanceScaleNewestAtTheRightEnd) {
    const struct {
        int slot;  // in chart_samples, 0 = newest
        double milliohm;
        int point;    // plot point, 0 = left end
        double x, y;  // twips
    } cases[] = {
        {0, 60000, 149, 9589.26617, 450},  // level with the top label "60"
        {1, 30000, 148, 9528.53284, 2625},
        {2, 65535, 147, 9467.79951, 48.7125},  // the largest reading, still inside the box
        {3, 45000, 146, 9407.06618, 1537.5},   // an overload plots at its value
        {149, 1234, 0, 540, 4710.535},         // the oldest reading shown
        {148, 0, 1, 600.73333, 4800},
    };
    std::map<int, double> samples;
    for (const auto& c : cases) samples[c.slot] = c.milliohm;
    samples[150] = 20000;  // one older than the chart shows
    const std::vector<ChartItem> curve = curve_of(drawn_with_samples(samples));

    std::vector<std::pair<float, float>> vertices;
    for (const ChartItem& segment : curve) vertices.emplace_back(segment.x1, segment.y1);
    vertices.emplace_back(curve.back().x2, curve.back().y2);
    ASSERT_EQ(vertices.size(), size_t(kChartPoints));
    for (const auto& c : cases) {
        EXPECT_NEAR(vertices[size_t(c.point)].first, c.x, kTolerance) << c.milliohm;
        EXPECT_NEAR(vertices[size_t(c.point)].second, c.y, kTolerance) << c.milliohm;
    }
    for (const auto& [x, y] : vertices) EXPECT_NE(y, 4800 - 72.5f * 20) << "slot 150 is not shown";
}

TEST(ChartGeometry, DrawChartFillsThePlotBufferInOhmOldestFirst) {
    Program p;
    p.state.chart.chart_samples[0] = 12345;
    p.state.chart.chart_samples[149] = 600;
    p.state.chart.chart_samples[150] = 999;  // beyond the plot
    draw_chart(p);
    const auto& points = p.state.chart.chart_points;
    EXPECT_DOUBLE_EQ(points[149], 12.345);
    EXPECT_DOUBLE_EQ(points[0], 0.6);
    EXPECT_DOUBLE_EQ(points[1], 0);
}

TEST(ChartGeometry, EveryDrawIsANewGenerationOnTheCurrentBackground) {
    Program p;
    draw_chart(p);
    const uint64_t first = p.state.chart.generation;
    p.state.main_window.chart_background = Rgb{255, 192, 192};
    draw_chart(p);
    EXPECT_EQ(p.state.chart.generation, first + 1);
    EXPECT_EQ(p.state.chart.drawn_background, (Rgb{255, 192, 192}));
    // An unchanged chart is still redrawn: the window repaints on every draw.
    draw_chart(p);
    EXPECT_EQ(p.state.chart.generation, first + 2);
}

}  // namespace
}  // namespace eqbond
