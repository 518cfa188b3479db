#include "render/label_layout.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

namespace tessaro {
namespace {

// Labels of 10 characters: 60 x 14 pixels.
const TextSize kSize{60, 14};
const TextBox kPlot{-30, -300, 700, 32};
// A horizontal line 100 pixels above the X axis; a label on it sits with
// its corner 2 pixels right of its point and its bottom 2 pixels above.
const PixelSegment kLevel{0, -100, 400, -100};

LabelRequest Default(std::optional<PixelSegment> line, IntPoint fallback = {7, 7}) {
  return LabelRequest{kSize, false, fallback, line};
}
LabelRequest User(IntPoint at) {
  return LabelRequest{kSize, true, at, kLevel};
}

struct LayoutCase {
  const char* name;
  std::vector<LabelRequest> labels;
  std::vector<TextBox> fixed;
  TextBox bounds;
  std::vector<IntPoint> expected;
};

class LabelLayout : public testing::TestWithParam<LayoutCase> {};

TEST_P(LabelLayout, PlacesEveryLabel) {
  const LayoutCase& c = GetParam();
  EXPECT_EQ(LayOutLabels(c.labels, c.fixed, c.bounds), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LabelLayout,
    testing::Values(
        LayoutCase{"AloneAtTheLinesStart", {Default(kLevel)}, {}, kPlot, {{2, -116}}},
        LayoutCase{"RunsLeftToRightWhicheverEndComesFirst",
                   {Default(PixelSegment{400, -100, 0, -100})},
                   {},
                   kPlot,
                   {{2, -116}}},
        // The second label moves on until 2 pixels of space separate them.
        LayoutCase{"OverlappingLabelsSeparateAlongTheirLine",
                   {Default(kLevel), Default(kLevel)},
                   {},
                   kPlot,
                   {{2, -116}, {66, -116}}},
        LayoutCase{"UserPlacedNeverMoves",
                   {User({2, -116}), Default(kLevel), User({0, -110})},
                   {{0, -120, 100, -100}},
                   kPlot,
                   {{2, -116}, {102, -116}, {0, -110}}},
        // A Y axis name (or tick number) over the line's start.
        LayoutCase{
            "MovesOffAxisTexts", {Default(kLevel)}, {{0, -130, 40, -100}}, kPlot, {{42, -116}}},
        LayoutCase{"AnAxisWithoutNameIsNoObstacle",
                   {Default(kLevel)},
                   {{0, -110, 0, -96}},
                   kPlot,
                   {{2, -116}}},
        // The plot ends at 100 pixels: above the line there is room for one
        // label, so the second goes below it, left of its point.
        LayoutCase{"OtherSideWhenItsOwnIsFull",
                   {Default(kLevel), Default(kLevel)},
                   {},
                   {-30, -300, 100, 32},
                   {{2, -116}, {-30, -98}}},
        LayoutCase{"NoRoomStaysAtItsStart",
                   {Default(kLevel), Default(kLevel)},
                   {{-30, -100, 100, 32}},
                   {-30, -300, 100, 32},
                   {{2, -116}, {2, -116}}},
        // Enters the plot on the Y axis at 270 pixels up.
        LayoutCase{"ClippedToTheRightOfTheYAxis",
                   {Default(PixelSegment{-50, -295, 350, -95})},
                   {},
                   kPlot,
                   {{2, -286}}},
        // At its start the label would stick out above the plot's top.
        LayoutCase{"MovesDownUntilItFitsUnderTheTop",
                   {Default(PixelSegment{0, -295, 400, -95})},
                   {},
                   kPlot,
                   {{27, -299}}},
        LayoutCase{"RisingLineLabelBelowIt",
                   {Default(PixelSegment{0, 0, 300, -150})},
                   {},
                   kPlot,
                   {{2, 2}}},
        LayoutCase{"VerticalLineLabelRightOfIt",
                   {Default(PixelSegment{100, 0, 100, -300})},
                   {},
                   kPlot,
                   {{102, -16}}},
        LayoutCase{"UndrawnLineKeepsItsFallback",
                   {Default(std::nullopt, {26, -26})},
                   {},
                   kPlot,
                   {{26, -26}}},
        LayoutCase{"LineTouchingOnlyTheOriginKeepsItsFallback",
                   {Default(PixelSegment{-100, -50, 100, 50}, {26, -26})},
                   {},
                   kPlot,
                   {{26, -26}}},
        LayoutCase{"LineOffThePlotKeepsItsFallback",
                   {Default(PixelSegment{0, 20, 400, 20}, {26, -26})},
                   {},
                   kPlot,
                   {{26, -26}}}),
    [](const auto& info) { return std::string(info.param.name); });

// Skipping the places still in a text's way must find the very places that
// trying every place finds: crowded random plots, lines of every slope (a
// vertical one too), labels of every width, texts near every line.
TEST(LabelLayout, SkippingFindsThePlacesOfTryingEveryOne) {
  std::mt19937 rng(20261207);
  std::uniform_int_distribution<int> coord(-60, 720);
  std::uniform_int_distribution<int> height(-320, 40);
  std::uniform_int_distribution<int> width(1, 40);
  std::uniform_int_distribution<int> count(1, 6);
  for (int trial = 0; trial < 3000; ++trial) {
    std::vector<LabelRequest> labels(static_cast<std::size_t>(count(rng)));
    for (LabelRequest& label : labels) {
      label.size = {width(rng) * TEXT_CHAR_WIDTH, TEXT_LINE_HEIGHT};
      label.userPlaced = coord(rng) < 0;
      label.at = {coord(rng), height(rng)};
      const double x1 = coord(rng);
      const double x2 = trial % 7 == 0 ? x1 : coord(rng);
      label.line =
          PixelSegment{x1, static_cast<double>(height(rng)), x2, static_cast<double>(height(rng))};
    }
    std::vector<TextBox> fixed(static_cast<std::size_t>(count(rng) * 4));
    for (TextBox& box : fixed) box = TextBoxAt({coord(rng), height(rng)}, {width(rng) * 6, 14});
    ASSERT_EQ(LayOutLabels(labels, fixed, kPlot), LayOutLabelsStepByStep(labels, fixed, kPlot))
        << "trial " << trial;
  }
}

}  // namespace
}  // namespace tessaro
