#include "editor/hit_test.h"

#include <gtest/gtest.h>

#include <limits>

namespace tessaro {
namespace {

struct NearRow {
  const char* name;
  LineEquation line;
  ModelPoint p;
  double xZoom, yZoom;
  bool near;
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const NearRow& row, std::ostream* os) {
  *os << row.name;
}

class NearLineTest : public testing::TestWithParam<NearRow> {};

TEST_P(NearLineTest, Reach) {
  const NearRow& r = GetParam();
  EXPECT_EQ(NearLine(r.line, r.p, r.xZoom, r.yZoom), r.near);
}

const LineEquation kTwoXPlusY{2, 1, 1, 40};  // 2x + 1y = 40
const double kNaN = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Rows, NearLineTest,
    testing::Values(
        NearRow{"WithinFivePixelsAcross", kTwoXPlusY, {15.5, 10}, 6, 6, true},
        NearRow{"JustOutsideBothWays", kTwoXPlusY, {16, 10}, 6, 6, false},
        NearRow{"ExactlyAtReachIsOutside", kTwoXPlusY, {16, 10}, 5, 5, false},
        NearRow{"SmallerZoomReachesFurther", kTwoXPlusY, {16, 10}, 4.9, 6, true},
        NearRow{"LargeZoomShortReach", kTwoXPlusY, {15.001, 10}, 10000, 10000, false},
        NearRow{"HorizontalLineReachedVertically", {0, 1, 1, 20}, {100, 20.8}, 6, 6, true},
        NearRow{"HorizontalLineMissedVertically", {0, 1, 1, 20}, {100, 20.9}, 6, 6, false},
        NearRow{"NegativeSignTermAcross", {1, -1, 1, 0}, {10, 10.5}, 6, 6, true},
        NearRow{"NegativeSignTermMissed", {1, -1, 1, 0}, {10, 12}, 6, 6, false},
        NearRow{"CoefficientsBelowFloorNeverHit", {0.00009, 1, 0.00009, 0}, {0, 0}, 6, 6, false},
        NearRow{"ZeroSignStillReachedAcross", {1, 0, 1, 5}, {5, 100}, 6, 6, true},
        NearRow{"ZeroSignNoYTerm", {0, 0, 1, 5}, {0, 5}, 6, 6, false},
        NearRow{"ZeroZoomReachesNothing", kTwoXPlusY, {15, 10}, 0, 6, false},
        NearRow{"NonFinitePoint", kTwoXPlusY, {kNaN, 10}, 6, 6, false}),
    [](const testing::TestParamInfo<NearRow>& info) { return info.param.name; });

struct LabelRow {
  const char* name;
  double lx, ly;
  ModelPoint p;
  PlotScale scale;
  bool inside;
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const LabelRow& row, std::ostream* os) {
  *os << row.name;
}

class InsideLabelTest : public testing::TestWithParam<LabelRow> {};

TEST_P(InsideLabelTest, Box) {
  const LabelRow& r = GetParam();
  EXPECT_EQ(InsideLabel(r.lx, r.ly, r.p, r.scale), r.inside);
}

// At zoom 6 the box of a label at (10, 20) spans x 10 to 38.33 and y 17.5 to 20.
INSTANTIATE_TEST_SUITE_P(
    Rows, InsideLabelTest,
    testing::Values(LabelRow{"Inside", 10, 20, {11, 19}, {0, 0, 6, 6}, true},
                    LabelRow{"OnLeftEdge", 10, 20, {10, 19}, {0, 0, 6, 6}, false},
                    LabelRow{"NearRightEdge", 10, 20, {38.3, 19}, {0, 0, 6, 6}, true},
                    LabelRow{"PastRightEdge", 10, 20, {38.4, 19}, {0, 0, 6, 6}, false},
                    LabelRow{"OnTopEdge", 10, 20, {11, 20}, {0, 0, 6, 6}, false},
                    LabelRow{"NearBottomEdge", 10, 20, {11, 17.6}, {0, 0, 6, 6}, true},
                    LabelRow{"BelowBox", 10, 20, {11, 17.4}, {0, 0, 6, 6}, false},
                    LabelRow{"OffsetsFromRangeStart", 10, 20, {111, 69}, {100, 50, 6, 6}, true},
                    LabelRow{"NotFromZero", 10, 20, {11, 19}, {100, 50, 6, 6}, false},
                    LabelRow{"ZeroZoom", 10, 20, {11, 19}, {0, 0, 0, 6}, false}),
    [](const testing::TestParamInfo<LabelRow>& info) { return info.param.name; });

struct BandRow {
  const char* name;
  LineEquation payoff;
  ModelPoint p;
  bool on;
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const BandRow& row, std::ostream* os) {
  *os << row.name;
}

class PayoffBandTest : public testing::TestWithParam<BandRow> {};

TEST_P(PayoffBandTest, RightPress) {
  const BandRow& r = GetParam();
  EXPECT_EQ(OnPayoffBand(r.payoff, r.p), r.on);
}

const LineEquation kPayoff12{3, 1, 2, 12};  // 3x + 2y = 12: band 11.349 < v < 12.669
const LineEquation kPayoff0{3, 1, 2, 0};    // through the origin: v < 0.309

INSTANTIATE_TEST_SUITE_P(
    Rows, PayoffBandTest,
    testing::Values(BandRow{"OnTheLine", kPayoff12, {4, 0}, true},
                    BandRow{"AboveBand", kPayoff12, {4, 0.4}, false},
                    BandRow{"NearLowerBound", kPayoff12, {3.8, 0}, true},
                    BandRow{"BelowLowerBound", kPayoff12, {3.78, 0}, false},
                    BandRow{"NegativeLevelByMagnitude", {3, 1, 2, -12}, {-4, 0}, true},
                    BandRow{"SignOfYTerm", {3, -1, 2, 12}, {2, -3}, true},
                    BandRow{"OriginBand", kPayoff0, {0.1, 0}, true},
                    BandRow{"OriginBandOtherSide", kPayoff0, {-0.1, 0}, true},
                    BandRow{"OutsideOriginBand", kPayoff0, {0.104, 0}, false},
                    BandRow{"NonFinitePoint", kPayoff0, {kNaN, 0}, false}),
    [](const testing::TestParamInfo<BandRow>& info) { return info.param.name; });

}  // namespace
}  // namespace tessaro
