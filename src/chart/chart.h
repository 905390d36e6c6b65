#pragma once
// The trend chart's handlers.
namespace eqbond {

struct Program;

// Rebuilds chart_points from chart_samples and the display list the window paints.
void draw_chart(Program& p);

}  // namespace eqbond
