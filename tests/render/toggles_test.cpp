#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "render/area_color.h"
#include "render_fixture.h"

namespace tessaro {
namespace {

using test::RenderFixture;

struct Step {
  const char* command;
  int fillMode;  // expected after the command
};

TEST(FillToggles, ColourGreyGreyColour) {
  RenderFixture f;
  AreaColor() = Rgb{10, 20, 30};
  const Step steps[] = {{"Colour", 1}, {"Grey", 2}, {"Grey", 0}, {"Colour", 1}};
  int redraws = 0;
  for (const Step& s : steps) {
    f.host.surface.Clear();
    f.document.markSaved();
    if (std::string(s.command) == "Colour") {
      f.eq.run(FormCommand::ToggleColor);
    } else {
      f.eq.run(FormCommand::ToggleGrey);
    }
    ++redraws;
    EXPECT_EQ(f.eq.fillMode, s.fillMode) << s.command;
    EXPECT_EQ(static_cast<int>(f.document.model().fill), s.fillMode) << s.command;
    EXPECT_TRUE(f.document.isModified()) << s.command;
    EXPECT_EQ(f.host.presents, redraws) << s.command;
    // The redraw shows the mode: the colour, grey or no area at all.
    const auto polygons = f.host.surface.CallsOf("polygon");
    if (s.fillMode == 0) {
      EXPECT_TRUE(polygons.empty()) << s.command;
    } else {
      ASSERT_EQ(polygons.size(), 1u) << s.command;
      EXPECT_EQ(polygons[0].brush, s.fillMode == 1 ? (Rgb{10, 20, 30}) : (Rgb{198, 198, 198}));
    }
  }
}

TEST(DisplayToggles, FlipStoreMarkAndRedraw) {
  struct Row {
    const char* name;
    FormCommand command;
    std::function<int(const FormController&)> value;
    std::function<int(const Document&)> stored;
    int initial;
  };
  const Row rows[] = {
      {"Trim", FormCommand::ToggleTrim, [](const FormController& e) { return e.trimOn; },
       [](const Document& d) { return int{d.model().trim}; }, 0},
      {"Label", FormCommand::ToggleLabels, [](const FormController& e) { return e.labelsOn; },
       [](const Document& d) { return int{d.model().labels}; }, 1},
  };
  for (const Row& r : rows) {
    RenderFixture f;
    ASSERT_EQ(r.value(f.eq), r.initial) << r.name;
    for (int press = 1; press <= 2; ++press) {
      f.document.markSaved();
      f.eq.run(r.command);
      const int expected = press == 1 ? 1 - r.initial : r.initial;
      EXPECT_EQ(r.value(f.eq), expected) << r.name << " press " << press;
      EXPECT_EQ(r.stored(f.document), expected) << r.name << " press " << press;
      EXPECT_TRUE(f.document.isModified()) << r.name;
      EXPECT_EQ(f.host.presents, press) << r.name;
    }
  }
}

TEST(DisplayToggles, WithoutDocumentStillSwitch) {
  RenderFixture f;
  f.eq.doc = nullptr;
  f.eq.run(FormCommand::ToggleTrim);
  f.eq.run(FormCommand::ToggleColor);
  f.eq.decimalsSpinLeft();
  EXPECT_EQ(f.eq.trimOn, 1);
  EXPECT_EQ(f.eq.fillMode, 1);
  EXPECT_FALSE(f.document.isModified());
}

TEST(PreviewPayoff, OnlyFlips) {
  RenderFixture f;
  f.eq.run(FormCommand::TogglePreviewPayoff);
  EXPECT_EQ(f.eq.previewPayoff, 1);
  f.eq.run(FormCommand::TogglePreviewPayoff);
  EXPECT_EQ(f.eq.previewPayoff, 0);
  EXPECT_FALSE(f.document.isModified());
  EXPECT_EQ(f.host.presents, 0);
}

TEST(DecimalsSpin, KillFocusStoresDecimals) {
  RenderFixture f;
  f.eq.decimals = 4;
  f.eq.decimalsSpinLeft();
  EXPECT_EQ(f.document.model().decimals, 4);
  EXPECT_EQ(f.host.presents, 0);
}

}  // namespace
}  // namespace tessaro
