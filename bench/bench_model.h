#pragma once

#include "doc/document.h"

namespace tessaro {
class FormController;
}

namespace tessaro::bench {

// The model a user works on: six constraints of which x <= 36 and y <= 26
// bind, the payoff 3x + 2y, the area filled with the configured colour,
// labels on and the integer dots shown (37 x 27 = 999 dots, one below the
// cap), on the default range 0..200 by 0..120 at 6 pixels per unit.
Document SixConstraintDocument();

// Opens doc in view the way a window does: creation and initial update.
void OpenView(FormController& view, Document& doc);

// The view pixel of a model point under the default range and zoom.
int ViewPx(double x);
int ViewPy(double y);

}  // namespace tessaro::bench
