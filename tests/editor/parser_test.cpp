#include <gtest/gtest.h>

#include <string>

#include "editor/form_controller.h"
#include "support/fake_form_window.h"

namespace tessaro {
namespace {

// Places the parser writes to, filled with values no text produces.
struct Places {
  std::string name = "old";
  double x = -7.0;
  int sign = 5;
  double y = -7.0;
  double relation = 9.0;
  double rhs = -7.0;
};

// A refusal is reported to the caller, never shown in a box: a box at each
// keystroke would take the keystrokes that follow.
TEST(ParseEquation, RefusalsGiveTheirReasonShowNothingAndWriteOnlyTheName) {
  const struct {
    const char* what;
    const char* xLabel;
    const char* yLabel;
    const char* text;
    const char* reason;
    const char* name;
  } rows[] = {
      {"no X label", "", "y", "c1: x <= 1", "Please specify label of X axis first!", "old"},
      {"no labels, empty text", "", "", "", "Please specify label of X axis first!", "old"},
      {"no Y label", "x", "", "c1: x <= 1", "Please specify label of Y axis first!", "old"},
      {"two colons", "x", "y", "a:b: x", "You typed two \":\",please correct it!", "a"},
      {"no right-hand side", "x", "y", "c1: x + y <=", "right-hand side missing", "old"},
      {"unknown variable", "x", "y", "c1: x + z <= 1", "unknown variable z", "old"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    test::FakeFormWindow host;
    FormController eq(host, nullptr);
    eq.xLabel = row.xLabel;
    eq.yLabel = row.yLabel;
    Places p;
    std::string reason;
    EXPECT_EQ(eq.ParseEquation(row.text, &p.name, p.x, p.sign, p.y, p.relation, p.rhs, &reason), 0);
    EXPECT_EQ(reason, row.reason);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(host.focusedField, 0);
    EXPECT_EQ(p.name, row.name);
    EXPECT_EQ(p.x, -7.0);
    EXPECT_EQ(p.sign, 5);
    EXPECT_EQ(p.y, -7.0);
    EXPECT_EQ(p.relation, 9.0);
    EXPECT_EQ(p.rhs, -7.0);
  }
}

TEST(ParseEquation, AcceptedTextWritesEveryPlaceButAnAbsentRelation) {
  test::FakeFormWindow host;
  FormController eq(host, nullptr);
  eq.xLabel = "x";
  eq.yLabel = "y";
  Places p;
  EXPECT_EQ(eq.ParseEquation("c2: 4x - 5y 6", &p.name, p.x, p.sign, p.y, p.relation, p.rhs), 1);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(p.name, "c2");
  EXPECT_EQ(p.x, 4.0);
  EXPECT_EQ(p.sign, -1);
  EXPECT_EQ(p.y, 5.0);
  EXPECT_EQ(p.relation, 9.0);  // no relation token: kept
  EXPECT_EQ(p.rhs, 6.0);

  // Without a name place (the PAYOFF line) a name in the text is dropped.
  EXPECT_EQ(eq.ParseEquation("p: x + y = 3", nullptr, p.x, p.sign, p.y, p.relation, p.rhs), 1);
  EXPECT_EQ(p.name, "c2");
  EXPECT_EQ(p.relation, 1.0);
  EXPECT_EQ(p.rhs, 3.0);
}

}  // namespace
}  // namespace tessaro
