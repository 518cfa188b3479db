#pragma once

// What the LP and MPS codecs share: the result of reading a text, the names
// and numbers a written text uses, and the fitting of a read model into a
// model the program can show.

#include <array>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "model/model.h"

namespace tessaro {

// The direction of the objective.
enum class Sense { Maximize, Minimize };

// A text read into a model, or refused whole with a message that says what
// and where ("line 7: a third variable 'z'").
struct ImportResult {
  bool ok = false;
  Model model;
  Sense sense = Sense::Maximize;
  std::string message;
};

// A written text, or the reason none could be written.
struct ExportResult {
  bool ok = false;
  std::string text;
  std::string message;
};

// The shortest decimal text that reads back as exactly value.
std::string FormatNumber(double value);

// Whether name may stand for a variable or a row in both formats as they are
// written here: ASCII letters, digits and "_", not starting with a digit, at
// most kMaxNameLength characters, and not a keyword of the LP format.
inline constexpr std::size_t kMaxNameLength = 255;
bool IsWritableName(std::string_view name);

// The names a written text uses for a model. Valid names stay; an invalid
// name becomes a valid one (others characters turned into "_"), a clash
// gets "_2", "_3", ...; an empty row name becomes c<line number>. Every
// change of a name the user gave is described in notes, one sentence each.
struct ExportNames {
  std::string x;
  std::string y;
  std::array<std::string, kLineCount> rows;  // empty for a line that is not present
  std::string objective;                     // clashes with no row
  std::vector<std::string> notes;
};
ExportNames MakeExportNames(const Model& model);

// Empty when every number the written text holds is finite; otherwise what
// is wrong, naming the line.
std::string NonFiniteNumber(const Model& model);

// What a reader gathers before it becomes a model: at most two variables in
// the order met, the objective, the rows and the bounds.
struct ReadVariable {
  std::string name;
  int line = 0;  // where the variable first appears
  double lower = 0.0;
  double upper = std::numeric_limits<double>::infinity();
  bool boundGiven = false;  // the text states some bound of it
  bool integer = false;
};

struct ReadRow {
  std::string name;
  int line = 0;
  std::array<double, 2> coefficients{};
  Relation relation = Relation::LessEqual;
  double rhs = 0.0;
};

struct ReadProgram {
  Sense sense = Sense::Maximize;
  std::vector<ReadVariable> variables;  // at most two
  std::array<double, 2> objective{};
  std::vector<ReadRow> rows;
};

// The index of the variable called name, added (first seen on line) when
// new; -1 when it would be a third variable.
int FindOrAddVariable(ReadProgram& program, std::string_view name, int line);

// A decimal number filling all of text ("12", "-1.5e3", ".5"); false for
// anything else, including infinities, "nan" and numbers out of range.
bool ParseNumber(std::string_view text, double& value);

// Turns what a reader gathered into a model with its view fitted, or refuses
// what does not fit the program: fewer than two variables, a variable that
// may go below zero, integrality of one variable only, more rows than fit,
// a row without a nonzero coefficient.
ImportResult BuildModel(const ReadProgram& program);

// The plotted ranges and zooms that show the feasible area (its corners, or
// the axis crossings of the rows when there are none), from zero up to a
// round number above the largest coordinate, and the decimals that show
// every coefficient exactly (at least one, at most kMaxFittedDecimals).
inline constexpr int kMaxFittedDecimals = 6;
Model FitView(Model model);

}  // namespace tessaro
