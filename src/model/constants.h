#pragma once

// Fixed sizes, markers and identifiers of a model and its form. The numeric
// identifiers are the ones model files and the form refer to.

namespace tessaro {

// Marks an absent point, a duplicate optimal point or an unplaced label.
inline constexpr double NO_POINT = -8888.0;

inline constexpr int LINE_COUNT = 6;       // constraint lines of a model
inline constexpr int ROW_COUNT = 10;       // geometry rows: 6 lines, 2 axes, 2 far bounds
inline constexpr int ROW_X_AXIS = 6;       // x >= 0
inline constexpr int ROW_Y_AXIS = 7;       // y >= 0
inline constexpr int ROW_FAR_X = 8;        // x <= xMax + 500 / xZoom
inline constexpr int ROW_FAR_Y = 9;        // y <= yMax + 500 / yZoom
inline constexpr int MAX_OPTIMAL = 20;     // places of the optimal point list
inline constexpr int MAX_VERTICES = 200;   // places of the vertex list
inline constexpr int DOT_CAPACITY = 1001;  // places of the lattice point list
inline constexpr int DOT_LIMIT = 1000;     // the enumeration stops when it reaches this count
inline constexpr int POLYGON_CAPACITY = 3000;

// Far bounds lie this many pixels beyond the right and top ends of the range.
inline constexpr double FAR_BOUND_PIXELS = 500.0;

// Relation codes, as the file holds them.
inline constexpr double REL_LE = 0.0;
inline constexpr double REL_EQ = 1.0;
inline constexpr double REL_GE = 2.0;

// Accepted zoom range of the form's zoom fields.
inline constexpr double ZOOM_FIELD_MIN = 0.001;
inline constexpr double ZOOM_FIELD_MAX = 10000.0;
// The "-" zoom button never goes below this.
inline constexpr double ZOOM_FLOOR = 0.00001;

inline constexpr int DECIMALS_SPIN_MAX = 10000;

// Form control ids.
namespace ctl {
inline constexpr int X_LABEL = 11000;
inline constexpr int Y_LABEL = 14000;
inline constexpr int PAYOFF = 10008;
inline constexpr int LINE0 = 1044;  // lines 0..5 are 1044..1049
inline constexpr int X_MIN = 1034;
inline constexpr int X_MAX = 1035;
inline constexpr int Y_MIN = 1036;
inline constexpr int Y_MAX = 1037;
inline constexpr int X_ZOOM = 1038;
inline constexpr int Y_ZOOM = 1039;
inline constexpr int DECIMALS = 1040;
inline constexpr int DECIMALS_SPIN = 1043;
inline constexpr int PLOT = 1033;

inline constexpr int PAYOFF_PLUS = 1079;
inline constexpr int PAYOFF_MINUS = 1080;
// "+" and "-" beside constraint line i.
inline constexpr int LINE_PLUS[6] = {1081, 1083, 1085, 1073, 1075, 1077};
inline constexpr int LINE_MINUS[6] = {1082, 1084, 1086, 1074, 1076, 1078};
inline constexpr int X_ZOOM_PLUS = 1057;
inline constexpr int X_ZOOM_MINUS = 1058;
inline constexpr int Y_ZOOM_PLUS = 1059;
inline constexpr int Y_ZOOM_MINUS = 1060;
inline constexpr int X_MIN_PLUS = 1061;
inline constexpr int X_MIN_MINUS = 1062;
inline constexpr int X_MAX_PLUS = 1063;
inline constexpr int X_MAX_MINUS = 1064;
inline constexpr int Y_MIN_PLUS = 1065;
inline constexpr int Y_MIN_MINUS = 1066;
inline constexpr int Y_MAX_PLUS = 1067;
inline constexpr int Y_MAX_MINUS = 1068;
}  // namespace ctl

}  // namespace tessaro
