#pragma once

// The CPLEX LP text format: a model written for other solvers, and an LP
// file read into a model when it fits the program.

#include <string_view>

#include "doc/linear_program.h"
#include "model/model.h"

namespace tessaro {

// The model as LP text: the objective in the given sense, one row per
// present line, x >= 0 and y >= 0 as bounds, a General section in integer
// mode. Names are made valid (see MakeExportNames); each change is noted in
// a comment line at the top. Refused only for a number that is not finite.
[[nodiscard]] ExportResult WriteLp(const Model& model, Sense sense);

// Reads LP text: comments, continued lines, sections in any case, "<" for
// "<=", signs apart from or joined to the coefficients, a constant side on
// either side, bounds, General and Binary sections.
[[nodiscard]] ImportResult ReadLp(std::string_view text);

}  // namespace tessaro
