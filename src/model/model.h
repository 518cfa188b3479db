#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <string>

namespace tessaro {

// Marks an absent point, a duplicate optimal point or an unplaced label.
inline constexpr double kNoPoint = -8888.0;
// Constraint lines a model holds.
inline constexpr int kLineCount = 6;

// The relation of a line, with the codes a model file stores.
enum class Relation : std::uint8_t { LessEqual = 0, Equal = 1, GreaterEqual = 2 };

// The relation of a stored code; an unknown code reads as "<=".
inline Relation RelationOfCode(double code) {
  if (code == 1.0) return Relation::Equal;
  if (code == 2.0) return Relation::GreaterEqual;
  return Relation::LessEqual;
}
inline double RelationCode(Relation relation) {
  return static_cast<double>(relation);
}

// Where a line's label sits, as offsets in model units from (xMin, yMin);
// kNoPoint in x until the user or the first drawing places it.
struct LabelPosition {
  double x = kNoPoint;
  double y = kNoPoint;
  bool isPlaced() const { return x != kNoPoint; }
  bool operator==(const LabelPosition&) const = default;
};

// One constraint line: name: a x + sign b y (relation) c. b is kept as the
// magnitude the text shows; sign carries the operator between the terms.
struct Line {
  std::string name;
  double a = 0.0;
  double b = 0.0;
  double c = 0.0;
  int sign = 1;  // +1 or -1
  Relation relation = Relation::LessEqual;
  LabelPosition label;

  double yCoefficient() const { return sign * b; }
  // A line whose coefficients are both zero is empty: it is not drawn and
  // takes no part in solving.
  bool isPresent() const { return a != 0.0 || b != 0.0; }
  bool operator==(const Line&) const = default;
};

// The payoff line a x + sign b y = level.
struct Payoff {
  double a = 0.0;
  double b = 0.0;
  double level = 0.0;
  int sign = 1;
  LabelPosition label;

  double yCoefficient() const { return sign * b; }
  double valueAt(double x, double y) const { return a * x + yCoefficient() * y; }
  bool operator==(const Payoff&) const = default;
};

// Whether a label's offsets are a place the user gave it; anything else
// (unplaced, or not a number) is laid out by the drawing.
inline bool IsPlacedLabel(double lx, double ly) {
  return lx != kNoPoint && ly != kNoPoint && !std::isnan(lx) && !std::isnan(ly);
}

enum class FillMode : std::uint8_t { None = 0, Color = 1, Grey = 2 };

// Exactly what a model file holds, with the values of a new model. A
// regular value: the document keeps one, its history keeps copies, and
// every computation takes a const reference.
struct Model {
  std::string xLabel;
  std::string yLabel;
  Payoff payoff;
  std::array<Line, kLineCount> lines{};
  double xMin = 0.0;
  double xMax = 200.0;
  double xZoom = 6.0;
  double yMin = 0.0;
  double yMax = 120.0;
  double yZoom = 6.0;
  int decimals = 1;
  bool trim = false;
  bool labels = true;
  bool integerDots = false;
  FillMode fill = FillMode::None;

  bool operator==(const Model&) const = default;
};

}  // namespace tessaro
