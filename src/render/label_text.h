#pragma once

#include <string>

#include "solver/point_text.h"

namespace tessaro {

// Text builders for the labels on the graph, the status pane and the
// printed results. Every text is assembled in a std::string of the size it
// needs, so no number of decimals or length of a name can overflow it.

// The on-graph labels have formats for 0 to 7 decimals; a setting outside
// that range shows the nearest of them.
inline constexpr int LABEL_DECIMALS_MAX = 7;
int LabelDecimals(int decimals);

// The status and printed texts take any number of decimals
// (TextDecimals, solver/point_text.h).

// "<name>: <a> <xLabel> + <b> <yLabel> = <c>", numbers "%5.Nf"; minus family
// when plus is false. All labels show "=" whatever the relation.
std::string LineLabelText(const std::string& name, double a, const std::string& xLabel, bool plus,
                          double b, const std::string& yLabel, double c, int decimals);
// "Payoff: <a> <xLabel> + <b> <yLabel> = <level>".
std::string PayoffLabelText(double a, const std::string& xLabel, bool plus, double b,
                            const std::string& yLabel, double level, int decimals);

// "Optimal Decisions(<x>, <y>): " of the status pane.
std::string StatusHead(const std::string& xLabel, const std::string& yLabel);
// "Optimal Decisions(<x>,<y>):" of the printed page and the picture.
std::string PrintedHead(const std::string& xLabel, const std::string& yLabel);

// "<name>: <a><xLabel> + <b><yLabel> <= <c>", numbers "%5.Nf"; the relation
// code 0 prints "<=", 1 prints "=", any other ">=".
std::string PrintedConstraintText(const std::string& name, double a, const std::string& xLabel,
                                  bool plus, double b, const std::string& yLabel, int relation,
                                  double c, int decimals);

}  // namespace tessaro
