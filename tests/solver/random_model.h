#pragma once

#include <random>
#include <string>
#include <vector>

#include "solver_fixture.h"

namespace tessaro::test {

// A random model of one to six constraints with the plotted ranges chosen
// so that every corner of its feasible area lies inside them.
struct RandomModel {
  std::vector<Line> lines;
  double px = 0.0;
  int ps = 1;
  double py = 0.0;
  double xMax = 0.0;
  double xZoom = 0.0;
  double yMax = 0.0;
  double yZoom = 0.0;

  double FarX() const { return xMax + FAR_BOUND_PIXELS / xZoom; }
  double FarY() const { return yMax + FAR_BOUND_PIXELS / yZoom; }
  double Payoff(double x, double y) const { return px * x + ps * py * y; }
  std::string Describe() const;
};

// Draws the constraints and the payoff and fits the ranges around the
// corners of the area (computed here independently of the program).
RandomModel DrawModel(std::mt19937& rng);

// How far (x, y) breaks constraint line l: positive when it does.
double Violation(const Line& l, double x, double y);

// Whether a point is feasible for the model's own constraints and axes,
// within a tolerance scaled to the numbers involved.
bool StrictlyFeasible(const RandomModel& m, double x, double y);

// A model where the program's fixed tolerances (0.01 for feasibility, ties
// within 0.01) would decide the answer: some crossing of two rows misses
// feasibility by less than 0.02, or two corners of the area plotted up to
// the far bounds score within 0.02 of each other without being equal.
bool NearDegenerate(const RandomModel& m);

// Whether every corner of the model's area lies inside its plotted range.
bool CornersInsideRange(const RandomModel& m);

// Feasible lattice points of the plotted range [0, xMax] x [0, yMax],
// column by column; false when some point sits within a hair of a
// constraint so that rounding would decide it.
bool LatticePoints(const RandomModel& m, std::vector<std::pair<int, int>>& points, int limit);

// Loads the model into a view with six decimals and far bounds set.
void LoadInto(const RandomModel& m, SolverView& v);

}  // namespace tessaro::test
