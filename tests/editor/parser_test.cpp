#include <gtest/gtest.h>

#include <string>

#include "model/parse_line.h"

namespace tessaro {
namespace {

// A refusal carries its reason for the caller to show beside the field;
// the parser shows nothing itself. A text refused for a missing label sets
// none of the values, and one with two colons only its name.
TEST(ParseLineText, RefusalsGiveTheirReasonAndSetOnlyTheName) {
  const struct {
    const char* what;
    const char* xLabel;
    const char* yLabel;
    const char* text;
    ParseOutcome outcome;
    const char* reason;
    const char* name;
  } rows[] = {
      {"no X label", "", "y", "c1: x <= 1", ParseOutcome::NoXLabel,
       "Please specify label of X axis first!", ""},
      {"no labels, empty text", "", "", "", ParseOutcome::NoXLabel,
       "Please specify label of X axis first!", ""},
      {"no Y label", "x", "", "c1: x <= 1", ParseOutcome::NoYLabel,
       "Please specify label of Y axis first!", ""},
      {"two colons", "x", "y", "a:b: x", ParseOutcome::TwoColons,
       "You typed two \":\",please correct it!", "a"},
      {"no right-hand side", "x", "y", "c1: x + y <=", ParseOutcome::Unreadable,
       "right-hand side missing", nullptr},
      {"unknown variable", "x", "y", "c1: x + z <= 1", ParseOutcome::Unreadable,
       "unknown variable z", nullptr},
  };
  const ParsedLine unset;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    const ParsedLine p = ParseLineText(row.text, row.xLabel, row.yLabel);
    EXPECT_EQ(p.outcome, row.outcome);
    EXPECT_EQ(RefusalText(p), row.reason);
    // An unreadable text gives only its reason; its values are not read.
    if (row.name == nullptr) continue;
    EXPECT_EQ(p.name, row.name);
    EXPECT_EQ(p.xCoef, unset.xCoef);
    EXPECT_EQ(p.sign, unset.sign);
    EXPECT_EQ(p.yCoef, unset.yCoef);
    EXPECT_EQ(p.relationFound, unset.relationFound);
    EXPECT_EQ(p.rhs, unset.rhs);
  }
}

TEST(ParseLineText, AcceptedTextSetsEveryValueButAnAbsentRelation) {
  const ParsedLine p = ParseLineText("c2: 4x - 5y 6", "x", "y");
  EXPECT_EQ(p.outcome, ParseOutcome::Read);
  EXPECT_EQ(RefusalText(p), "");
  EXPECT_EQ(p.name, "c2");
  EXPECT_EQ(p.xCoef, 4.0);
  EXPECT_EQ(p.sign, -1);
  EXPECT_EQ(p.yCoef, 5.0);
  EXPECT_FALSE(p.relationFound);  // no relation token: the caller keeps its own
  EXPECT_EQ(p.rhs, 6.0);

  // The PAYOFF line reads the same way; the payoff keeps no name.
  const ParsedLine payoff = ParseLineText("p: x + y = 3", "x", "y", LineKind::Payoff);
  EXPECT_EQ(payoff.outcome, ParseOutcome::Read);
  EXPECT_TRUE(payoff.relationFound);
  EXPECT_EQ(payoff.relation, 1.0);
  EXPECT_EQ(payoff.rhs, 3.0);
}

}  // namespace
}  // namespace tessaro
