#pragma once

#include <string>

namespace tessaro {

// The widest number of decimals the pointer text shows; the spin control
// offers no more.
inline constexpr int POINTER_TEXT_MAX_DECIMALS = 10000;

// The pointer position as status pane 0 shows it: a blank, then both
// coordinates in parentheses, each right-aligned in at least four
// characters with `decimals` decimals, e.g. " (  13,    3)" for 0 decimals.
// A negative count shows no decimals; a count above the maximum shows the
// maximum.
std::string PointerText(double x, double y, int decimals);

}  // namespace tessaro
