#pragma once

#include <vector>

#include "model/constants.h"
#include "solver/lattice_points.h"

namespace tessaro::test {

// One constraint a * x + b * y (relation) c, b with its sign.
struct Constraint {
  double a;
  double b;
  double relation;
  double c;
};

// The constraints in rows 0..5, x >= 0 and y >= 0 in rows 6 and 7.
inline LatticeRows MakeRows(const std::vector<Constraint>& constraints) {
  LatticeRows rows;
  for (std::size_t i = 0; i < constraints.size() && i < 6; ++i) {
    const Constraint& k = constraints[i];
    rows[i] = LatticeRow{k.a, k.b, k.c, k.relation, k.a != 0.0 || k.b != 0.0};
  }
  rows[6] = LatticeRow{1, 0, 0, REL_GE, true};
  rows[7] = LatticeRow{0, 1, 0, REL_GE, true};
  return rows;
}

}  // namespace tessaro::test
