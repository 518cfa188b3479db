#pragma once

#include <array>
#include <cmath>
#include <string>

#include "model/constants.h"

namespace tessaro {

// The ten geometry rows: row i is rowA·x + rowSign·rowB·y (rowRelation) rowC.
// Rows 0 to 5 are the constraint lines, 6 and 7 the axes, 8 and 9 the far
// bounds. A row whose A and B are both zero is empty and is skipped.
struct GeometryRows {
  std::array<double, ROW_COUNT> rowA{0, 0, 0, 0, 0, 0, 1, 0, 1, 0};
  std::array<double, ROW_COUNT> rowB{0, 0, 0, 0, 0, 0, 0, 1, 0, 1};
  std::array<double, ROW_COUNT> rowC{0, 0, 0, 0, 0, 0, 0, 0, 166.66666666666666, 250.0};
  std::array<double, ROW_COUNT> rowRelation{0, 0, 0, 0, 0, 0, REL_GE, REL_GE, REL_LE, REL_LE};
  std::array<int, ROW_COUNT> rowSign{1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
};

// The working model of one form view, with its construction values. The
// computations of the core read and write it without any user interface.
struct ModelState : GeometryRows {
  // Values exchanged with the form.
  std::string xLabel;
  std::string yLabel;
  double xMax = 0.0;
  double xMin = 0.0;
  double xZoom = 3.0;
  double yMax = 0.0;
  double yMin = 0.0;
  double yZoom = 2.0;
  int decimals = 1;
  std::string payoffText;
  std::array<std::string, LINE_COUNT> lineText;

  // Label positions, offsets in model units from (xMin, yMin).
  std::array<double, LINE_COUNT> labelX{NO_POINT, NO_POINT, NO_POINT, NO_POINT, NO_POINT, NO_POINT};
  std::array<double, LINE_COUNT> labelY{NO_POINT, NO_POINT, NO_POINT, NO_POINT, NO_POINT, NO_POINT};
  double payoffLabelX = NO_POINT;
  double payoffLabelY = NO_POINT;
  // Where the last drawing wrote each label, in the same offsets. A label
  // the user never placed is laid out afresh by every drawing: its place is
  // kept here, for the pointer to find it, and never in the values above.
  std::array<double, LINE_COUNT> shownLabelX{NO_POINT, NO_POINT, NO_POINT,
                                             NO_POINT, NO_POINT, NO_POINT};
  std::array<double, LINE_COUNT> shownLabelY{NO_POINT, NO_POINT, NO_POINT,
                                             NO_POINT, NO_POINT, NO_POINT};
  double shownPayoffLabelX = NO_POINT;
  double shownPayoffLabelY = NO_POINT;
  int payoffSign = 1;
  double savedPayoffLevel = NO_POINT;

  // Pointer interaction state, -1 meaning none.
  int dragLine = -1;
  int dragLabel = -1;
  int dragPayoff = -1;
  int dragPayoffLabel = -1;
  int rotatePayoff = -1;

  // Display toggles.
  int trimOn = 0;
  int labelsOn = 1;
  int integerDotsOn = 0;
  int fillMode = 0;  // 0 none, 1 configured colour, 2 grey
  int previewPayoff = 0;

  // Lattice points and optimal point list.
  std::array<int, DOT_CAPACITY> dotX{};
  std::array<int, DOT_CAPACITY> dotY{};
  int dotCount = 0;
  int optimalCount = 0;
  std::array<double, MAX_OPTIMAL> optimalX{};
  std::array<double, MAX_OPTIMAL> optimalY{};

  // Parsed values of the lines. The relation and sign of line i live in
  // rowRelation[i] and rowSign[i].
  std::array<double, LINE_COUNT> lineB{};
  std::array<double, LINE_COUNT> lineC{};
  double payoffB = 0.0;
  double payoffLevel = 0.0;
  std::array<std::string, LINE_COUNT> lineName;
  std::array<double, LINE_COUNT> lineA{};
  double payoffA = 0.0;

  // Command state.
  int solveDirection = 0;  // 0 none, +1 after Auto Max, -1 after Auto Min
  int editUndoFlag = 0;    // 1 after a clipboard text command
};

// Whether a label's offsets are a place the user gave it; anything else
// (unplaced, or not a number) is laid out by the drawing.
inline bool IsPlacedLabel(double lx, double ly) {
  return lx != NO_POINT && ly != NO_POINT && !std::isnan(lx) && !std::isnan(ly);
}

}  // namespace tessaro
