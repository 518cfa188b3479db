#pragma once

#include <string>
#include <string_view>

namespace tessaro {

// The most decimals a line text is written with; a larger count (typed into
// the decimals field) is written with this many. The spin control of the
// decimals field offers the same maximum.
inline constexpr int MAX_TEXT_DECIMALS = 10000;

// The number of decimals a line text is written with for the model's
// `decimals`: a negative count gives 0, a count above MAX_TEXT_DECIMALS
// gives MAX_TEXT_DECIMALS.
int LineTextDecimals(int decimals);

// The relation text of a code, truncated toward zero: 1 "=", 2 ">=", and
// "<=" for 0 and for any other code (such codes only come from a file).
const char* RelationText(double relation);

// The operator written before the Y term for a sign, truncated toward zero:
// "-" for a negative sign, "+" otherwise. A sign of 0 (only possible from a
// file) is written "+", so the text reads back with the sign +1.
char SignCharacter(double sign);

// Writes one line in the shape the parser reads back:
//   [name ": "] X [" " xLabel] " " S " " Y [" " yLabel] " " REL " " RHS " "
// Each number is fixed-point with LineTextDecimals(decimals) decimals, at
// least 4 characters wide (blanks on the left), never cut. A part in
// brackets is left out when its string is empty.
std::string FormatLine(std::string_view name, double xCoef, std::string_view xLabel, double sign,
                       double yCoef, std::string_view yLabel, double relation, double rhs,
                       int decimals);

}  // namespace tessaro
