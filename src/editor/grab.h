#pragma once

#include "editor/hit_test.h"
#include "editor/pointer_mapping.h"
#include "model/model.h"
#include "render/plot_drawing.h"

namespace tessaro {

// What a left press at one point grabs. A press can grab a line label and
// the payoff line together; otherwise at most one item.
struct GrabTargets {
  int line = -1;   // constraint line 0 to 5
  int label = -1;  // label of constraint line 0 to 5
  bool payoff = false;
  bool payoffLabel = false;

  bool Any() const { return line >= 0 || label >= 0 || payoff || payoffLabel; }
};

// The grab rules of a left press at p, in their order: the first
// constraint line within reach (not while the lines are trimmed), else the
// first label whose box holds p (hidden labels too); the payoff line when
// no constraint line was grabbed; the payoff label when neither a line, a
// label nor the payoff line was. Empty lines take no part. A label is
// grabbed where the last drawing showed it.
GrabTargets FindGrabTargets(const Model& model, const ShownLabels& shown, const ModelPoint& p);

// The payoff line as a line equation, its level as the right-hand side.
LineEquation PayoffLine(const Payoff& payoff);

}  // namespace tessaro
