#pragma once

#include <QString>

namespace tessaro::app {

// What a screen reader announces for the form's controls, and the order in
// which Tab visits them.

// A field: its caption on the form ("X", "PAYOFF", "X Min", "Decimal
// number"); a constraint line, which has none, is "Line 1" to "Line 6",
// numbered in reading order (row by row, as Tab visits them).
QString FieldAccessibleName(int fieldId);

// A "+" or "-" button: what it does to its field, e.g. "Increase X Zoom",
// "Decrease payoff level" or, for a constraint line, "Increase Wood
// right-hand side" with the name the line's text gives before its ":"
// ("Increase line 2 right-hand side" while it has none).
QString ButtonAccessibleName(int buttonId, const QString& lineText);

// The field a "+" or "-" button steps; 0 for another id.
int FieldOfButton(int buttonId);

}  // namespace tessaro::app
