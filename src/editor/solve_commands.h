#pragma once

#include "solver/solution.h"

namespace tessaro {

class FormController;

// The far bounds the form's rows were last cut with; the solver takes them
// as they are, as they may lag behind a range being typed.
FarBounds FormFarBounds(const FormController& view);

// Puts a solution on the form: the previous optimum goes, a failure shows
// its message; an optimum stores the payoff level, marks the optimum and
// writes the results pane, the PAYOFF text, the form, the spin position and
// the picture. An unbounded model keeps the gathered points listed.
void ShowSolution(FormController& view, const Solution& solution);

// SolveMax (maximize) or SolveMin: solves the document's model and shows
// the solution.
Solution SolveAndReport(FormController& view, bool maximize);

// Auto Max or Auto Min: starts the history entry, sets the solving
// direction and solves.
Solution AutoSolve(FormController& view, bool maximize);

}  // namespace tessaro
