#include "interact/pointer_mapping.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

namespace tessaro {
namespace {

struct MappingRow {
  const char* name;
  int px, py, scrollX, scrollY;
  PlotScale scale;
  double x, y;
};

class PointerMapping : public testing::TestWithParam<MappingRow> {};

TEST_P(PointerMapping, ViewPixelToModel) {
  const MappingRow& r = GetParam();
  const ModelPoint p = ViewToModel(r.px, r.py, r.scrollX, r.scrollY, r.scale);
  EXPECT_NEAR(p.x, r.x, 1e-9);
  EXPECT_NEAR(p.y, r.y, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PointerMapping,
    testing::Values(
        MappingRow{"Zoom6", 105, 360, 0, 0, {0, 0, 6, 6}, 10.0, 10.0},
        MappingRow{"OriginIsRangeStart", 45, 420, 0, 0, {2.5, -3, 4, 7}, 2.5, -3.0},
        MappingRow{"ScrollOffsetsAdd", 65, 300, 40, 60, {0, 0, 6, 6}, 10.0, 10.0},
        MappingRow{"NoRounding", 46, 419, 0, 0, {0, 0, 3, 3}, 1.0 / 3.0, 1.0 / 3.0},
        MappingRow{"LeftOfAndBelowOrigin", 0, 480, 0, 0, {0, 0, 1.5, 2}, -30.0, -30.0},
        MappingRow{"SeparateZooms", 105, 360, 0, 0, {10, 20, 3, 2}, 30.0, 50.0},
        MappingRow{"ScrollNearIntRangeDoesNotWrap", INT_MAX, INT_MIN, INT_MAX, INT_MIN,
                   {0, 0, 1, 1}, 2.0 * INT_MAX - 45.0, 420.0 - 2.0 * INT_MIN}),
    [](const testing::TestParamInfo<MappingRow>& info) { return info.param.name; });

TEST(PointerMapping, UnusableZoomGivesNonFinitePoint) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  for (double zoom : {0.0, -0.0, nan, inf}) {
    SCOPED_TRACE(zoom);
    EXPECT_FALSE(IsFinitePoint(ViewToModel(45, 420, 0, 0, {0, 0, zoom, 6})));
    EXPECT_FALSE(IsFinitePoint(ViewToModel(45, 420, 0, 0, {0, 0, 6, zoom})));
  }
  EXPECT_TRUE(IsFinitePoint(ViewToModel(45, 420, 0, 0, {0, 0, 0.001, 10000})));
}

}  // namespace
}  // namespace tessaro
