#include "model/format_line.h"

#include <gtest/gtest.h>

#include <string>

#include "model/parse_line.h"

namespace tessaro {
namespace {

// Line texts with "·" standing for a blank, as they are easier to read.
std::string Dots(std::string text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text.compare(i, 2, "\xC2\xB7") == 0) {
      out += ' ';
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

struct FormatRow {
  const char* what;
  const char* name;
  double xCoef;
  const char* xLabel;
  double sign;
  double yCoef;
  const char* yLabel;
  double relation;
  double rhs;
  int decimals;
  const char* text;
};

TEST(FormatLine, WritesTheFixedShape) {
  const FormatRow rows[] = {
      {"full", "c1", 2, "x", 1, 3, "y", 0, 12, 1, "c1:··2.0·x·+··3.0·y·<=·12.0·"},
      {"no decimals", "c1", 2, "x", 1, 3, "y", 0, 12, 0, "c1:····2·x·+····3·y·<=···12·"},
      {"payoff", "", -1, "x", -1, 0.5, "y", 1, 0, 1, "-1.0·x·-··0.5·y·=··0.0·"},
      {"no labels", "", 2, "", 1, 3, "", 0, 12, 1, "·2.0·+··3.0·<=·12.0·"},
      {"negative Y", "c1", 1, "x", 1, -2, "y", 0, 12, 1, "c1:··1.0·x·+·-2.0·y·<=·12.0·"},
      {"blank name", "  ", 1, "x", 1, 1, "y", 2, 1, 0, "··:····1·x·+····1·y·>=····1·"},
      {"name, X label only", "n", 1, "x", 1, 1, "", 0, 1, 0, "n:····1·x·+····1·<=····1·"},
      {"name, Y label only", "n", 1, "", 1, 1, "y", 0, 1, 0, "n:····1·+····1·y·<=····1·"},
      {"wide number", "", 1234.5, "x", 1, 0, "y", 0, -1, 1, "1234.5·x·+··0.0·y·<=·-1.0·"},
      {"sign 0 written +", "", 1, "x", 0, 1, "y", 0, 1, 0, "···1·x·+····1·y·<=····1·"},
      {"sign -0.5 truncates to 0", "", 1, "x", -0.5, 1, "y", 0, 1, 0, "···1·x·+····1·y·<=····1·"},
      {"sign -2", "", 1, "x", -2, 1, "y", 0, 1, 0, "···1·x·-····1·y·<=····1·"},
      {"relation 2.9 truncates", "", 1, "x", 1, 1, "y", 2.9, 1, 0, "···1·x·+····1·y·>=····1·"},
      {"unknown relation", "", 1, "x", 1, 1, "y", 7, 1, 0, "···1·x·+····1·y·<=····1·"},
      {"negative decimals as 0", "", 2.6, "x", 1, 1, "y", 0, 1, -3, "···3·x·+····1·y·<=····1·"},
  };
  for (const FormatRow& r : rows) {
    EXPECT_EQ(FormatLine(r.name, r.xCoef, r.xLabel, r.sign, r.yCoef, r.yLabel, r.relation, r.rhs,
                         r.decimals),
              Dots(r.text))
        << r.what;
  }
}

TEST(FormatLine, LargeDecimalsAndLongStringsAreWrittenWhole) {
  const std::string name(400, 'n');
  const std::string label(250, 'v');
  const std::string full = FormatLine(name, 1, label, -1, 1, "y", 2, 1e300, 10000);
  // Three numbers of 10000 decimals each, the last with 301 digits before the point.
  EXPECT_GT(full.size(), 3u * 10000u + 301u + name.size() + label.size());
  EXPECT_EQ(full.substr(full.size() - 4), "000 ");
  const ParsedLine line = ParseLineText(full, label, "y");
  ASSERT_EQ(line.outcome, ParseOutcome::Read);
  EXPECT_EQ(line.name, name);
  EXPECT_EQ(line.xCoef, 1.0);
  EXPECT_EQ(line.sign, -1);
  EXPECT_EQ(line.relation, 2.0);
  EXPECT_NEAR(line.rhs, 1e300, 1e285);
  // Above the spin's maximum the text keeps MAX_TEXT_DECIMALS decimals.
  EXPECT_EQ(FormatLine("", 1, "x", 1, 1, "y", 0, 1, 20000),
            FormatLine("", 1, "x", 1, 1, "y", 0, 1, MAX_TEXT_DECIMALS));
}

struct RoundTripRow {
  const char* name;
  double xCoef;
  int sign;
  double yCoef;
  double relation;
  double rhs;
  int decimals;
  // The values as the text shows them.
  double shownX;
  double shownY;
  double shownRhs;
};

TEST(FormatLine, EveryWrittenTextReadsBackAsShown) {
  const RoundTripRow rows[] = {
      {"c1", 2, 1, 3, 0, 12, 1, 2, 3, 12},
      {"", -1, -1, 0.5, 1, 0, 1, -1, 0.5, 0},
      {"Labour hours", 0.26, 1, -2, 2, -6.04, 1, 0.3, -2, -6.0},
      {"m", 0, -1, 0, 0, 0, 0, 0, 0, 0},
      {"big", 1e20, 1, 2.5e-3, 2, -1e15, 3, 1e20, 0.003, -1e15},
      {"neg", -123.456, -1, -7, 1, 1e-7, 2, -123.46, -7, 0},
      {"p", 5, 1, 1, 0, 40, 5, 5, 1, 40},
  };
  const std::pair<const char*, const char*> labels[] = {
      {"x", "y"}, {"Chairs", "Tables"}, {"a", "b"}};
  for (const auto& [xLabel, yLabel] : labels) {
    for (const RoundTripRow& r : rows) {
      const std::string text = FormatLine(r.name, r.xCoef, xLabel, r.sign, r.yCoef, yLabel,
                                          r.relation, r.rhs, r.decimals);
      const ParsedLine line = ParseLineText(text, xLabel, yLabel);
      SCOPED_TRACE(text);
      ASSERT_EQ(line.outcome, ParseOutcome::Read);
      EXPECT_EQ(line.name, r.name);
      EXPECT_DOUBLE_EQ(line.xCoef, r.shownX);
      EXPECT_EQ(line.sign, r.sign);
      EXPECT_DOUBLE_EQ(line.yCoef, r.shownY);
      ASSERT_TRUE(line.relationFound);
      EXPECT_EQ(line.relation, r.relation);
      EXPECT_DOUBLE_EQ(line.rhs, r.shownRhs);
    }
  }
}

}  // namespace
}  // namespace tessaro
