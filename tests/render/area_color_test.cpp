#include "render/area_color.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render_fixture.h"

namespace tessaro {
namespace {

using test::MemorySettings;
using test::RenderFixture;

TEST(LoadAreaColor, DefaultsWhenNothingStored) {
  MemorySettings settings;
  EXPECT_EQ(LoadAreaColor(settings), (Rgb{200, 254, 200}));
}

TEST(LoadAreaColor, StoredTexts) {
  struct Row {
    const char* name;
    const char* text;
    int red;
  };
  const Row rows[] = {
      {"InRange", "17", 17},        {"Over255", "300", 44},
      {"Negative", "-5", 251},      {"FourDigits", "1234", 123},
      {"NotANumber", "abc", 0},     {"LeadingBlank", " 7", 7},
      {"ThreeBlanks", "   7", 0},   {"PlusSign", "+12", 12},
      {"DigitsThenText", "9x1", 9}, {"Empty", "", 0},
  };
  for (const Row& r : rows) {
    MemorySettings settings;
    settings.values[{"KVR1Configuration", "fcolorR"}] = r.text;
    const Rgb color = LoadAreaColor(settings);
    EXPECT_EQ(color.r, r.red) << r.name;
    EXPECT_EQ(color.g, 254) << r.name;
    EXPECT_EQ(color.b, 200) << r.name;
  }
}

TEST(LoadAreaColor, EachComponentFromItsOwnSection) {
  MemorySettings settings;
  settings.values[{"KVR1Configuration", "fcolorR"}] = "1";
  settings.values[{"KVR2Configuration", "fcolorG"}] = "2";
  settings.values[{"KVR3Configuration", "fcolorB"}] = "3";
  settings.values[{"KVR1Configuration", "fcolorG"}] = "99";  // wrong section
  EXPECT_EQ(LoadAreaColor(settings), (Rgb{1, 2, 3}));
}

TEST(StoreAreaColor, ThreeWritesInOrder) {
  MemorySettings settings;
  StoreAreaColor(settings, Rgb{255, 0, 128});
  EXPECT_EQ(settings.writeOrder, (std::vector<std::string>{"KVR1Configuration/fcolorR=255",
                                                           "KVR2Configuration/fcolorG=0",
                                                           "KVR3Configuration/fcolorB=128"}));
  EXPECT_EQ(LoadAreaColor(settings), (Rgb{255, 0, 128}));
}

TEST(configureColor, CancelChangesNothing) {
  MemorySettings settings;
  test::FakeFormWindow host;
  host.offscreenCreated = true;
  FormController eq(host, &settings);
  EXPECT_EQ(AreaColor(), (Rgb{200, 254, 200}));
  host.colorChosen = false;
  host.colorToChoose = Rgb{1, 2, 3};
  eq.run(FormCommand::ConfigureColor);
  EXPECT_EQ(host.colorInitial, (Rgb{200, 254, 200}));
  EXPECT_EQ(AreaColor(), (Rgb{200, 254, 200}));
  EXPECT_TRUE(settings.writeOrder.empty());
  EXPECT_EQ(host.presents, 0);
}

TEST(configureColor, ChosenColourIsStoredAndReadByTheNextView) {
  MemorySettings settings;
  test::FakeFormWindow host;
  host.offscreenCreated = true;
  Document document;
  EditModel(document)->fill = FillMode::Color;
  FormController eq(host, &settings);
  eq.attach(document);
  host.colorChosen = true;
  host.colorToChoose = Rgb{255, 0, 128};
  eq.run(FormCommand::ConfigureColor);
  EXPECT_EQ(AreaColor(), (Rgb{255, 0, 128}));
  EXPECT_EQ(settings.writeOrder.size(), 3u);
  EXPECT_EQ(host.presents, 1);
  const auto polygons = host.surface.CallsOf("polygon");
  ASSERT_EQ(polygons.size(), 1u);
  EXPECT_EQ(polygons[0].brush, (Rgb{255, 0, 128}));

  AreaColor() = Rgb{0, 0, 0};
  test::FakeFormWindow otherHost;
  FormController other(otherHost, &settings);
  EXPECT_EQ(AreaColor(), (Rgb{255, 0, 128}));
}

}  // namespace
}  // namespace tessaro
