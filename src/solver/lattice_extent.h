#pragma once

#include "solver/lattice_points.h"

namespace tessaro {

// The columns that can hold a feasible lattice point: the X
// extent of the region where every usable row holds within its tolerance,
// widened enough to cover the rounding of the exact test and one column on
// each side, and cut to columns. Empty when that region misses the box
// columns x rows altogether.
IntegerSpan LatticeColumnExtent(const LatticeRows& rows, const IntegerSpan& columns,
                                const IntegerSpan& rowSpan);

}  // namespace tessaro
