#pragma once

#include <utility>

#include "random_model.h"

namespace tessaro::test {

// GLPK's answer for a model: the reference the program is checked against.
enum class Reference { Optimal, Infeasible, Unbounded };

struct ReferenceResult {
  Reference status = Reference::Infeasible;
  double value = 0.0;
};

// The linear programme over x >= 0, y >= 0 (glp_simplex).
ReferenceResult SolveWithGlpk(const RandomModel& m, bool maximize);

// The integer programme over the plotted range [0, xMax] x [0, yMax]
// (glp_intopt).
ReferenceResult SolveIntegerWithGlpk(const RandomModel& m, bool maximize);

// Whether the optimal face of a finite maximum is unbounded: with the
// payoff held at its optimum, x + y can grow without end.
bool OptimalFaceUnbounded(const RandomModel& m, double optimum);

}  // namespace tessaro::test
