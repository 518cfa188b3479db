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
    std::function<int(const Document&)> stored;
    int initial;
  };
  const Row rows[] = {
      {"Trim", FormCommand::ToggleTrim, [](const Document& d) { return int{d.model().trim}; }, 0},
      {"Label", FormCommand::ToggleLabels, [](const Document& d) { return int{d.model().labels}; },
       1},
  };
  for (const Row& r : rows) {
    RenderFixture f;
    ASSERT_EQ(r.stored(f.document), r.initial) << r.name;
    for (int press = 1; press <= 2; ++press) {
      f.document.markSaved();
      f.eq.run(r.command);
      const int expected = press == 1 ? 1 - r.initial : r.initial;
      EXPECT_EQ(r.stored(f.document), expected) << r.name << " press " << press;
      EXPECT_TRUE(f.document.isModified()) << r.name;
      EXPECT_EQ(f.host.presents, press) << r.name;
    }
  }
}

// A form never given a document switches the options of its own model.
TEST(DisplayToggles, WithoutDocumentStillSwitch) {
  test::FakeFormWindow host;
  host.offscreenCreated = true;
  FormController eq(host, nullptr);
  host.fields[ctl::DECIMALS] = "3";
  eq.run(FormCommand::ToggleTrim);
  eq.run(FormCommand::ToggleColor);
  eq.decimalsSpinLeft();
  EXPECT_TRUE(eq.document().model().trim);
  EXPECT_EQ(eq.document().model().fill, FillMode::Color);
  EXPECT_EQ(eq.document().model().decimals, 3);
}

TEST(PreviewPayoff, OnlyFlips) {
  RenderFixture f;
  f.eq.run(FormCommand::TogglePreviewPayoff);
  EXPECT_TRUE(f.eq.previewsPayoff());
  f.eq.run(FormCommand::TogglePreviewPayoff);
  EXPECT_FALSE(f.eq.previewsPayoff());
  EXPECT_FALSE(f.document.isModified());
  EXPECT_EQ(f.host.presents, 0);
}

TEST(DecimalsSpin, KillFocusStoresTheDecimalsShown) {
  RenderFixture f;
  f.host.fields[ctl::DECIMALS] = "4";
  f.eq.decimalsSpinLeft();
  EXPECT_EQ(f.document.model().decimals, 4);
  EXPECT_EQ(f.host.presents, 0);
}

}  // namespace
}  // namespace tessaro
