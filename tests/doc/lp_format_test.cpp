#include "doc/lp_format.h"

#include <gtest/gtest.h>

#include <string>

#include "doc/linear_program.h"
#include "format_summary.h"

namespace tessaro {
namespace {

using test::Summary;

struct ReadCase {
  const char* name;
  const char* text;
  const char* expected;  // Summary of the result
};

class LpRead : public testing::TestWithParam<ReadCase> {};

TEST_P(LpRead, GivesTheModel) {
  const ReadCase& c = GetParam();
  EXPECT_EQ(Summary(ReadLp(c.text)), c.expected) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Grammar, LpRead,
    testing::Values(
        ReadCase{"Textbook",
                 "Maximize\n obj: 3 x + 2 y\nSubject To\n c1: x + y <= 4\n c2: x + 3 y <= 6\nEnd\n",
                 "max x y | 3 2 | c1: 1 1 <= 4 | c2: 1 3 <= 6"},
        ReadCase{"CommentsContinuationAndCase",
                 "\\ a comment\nMAXIMIZE\n profit: 3 x\n   + 2 y \\ tail\nSUBJECT TO\n"
                 "\\* a block\n comment *\\ wood: 2 x\n  + y\n  <= 10\nEND\n",
                 "max x y | 3 2 | wood: 2 1 <= 10"},
        ReadCase{"RelationSpellings",
                 "min\n x + y\nst\n a: x + y > 2\n b: x - y =< 1\n c: -x + y => -3\n d: 2x < 8\n"
                 " e: x = 1\nend",
                 "min x y | 1 1 | a: 1 1 >= 2 | b: 1 -1 <= 1 | c: -1 1 >= -3 | d: 2 0 <= 8 | "
                 "e: 1 0 = 1"},
        ReadCase{"SignsAndConstants",
                 "Minimize\n - 3 x -2y\nSubject To\n r: + -2 x - - y - 5 <= 1\n s: 10 >= x + 2 y\n"
                 " t: 3 x + x + 0.5e1 y >= 2\nEnd",
                 "min x y | -3 -2 | r: -2 1 <= 6 | s: 1 2 <= 10 | t: 4 5 >= 2"},
        ReadCase{"UnnamedRowsStartingWithSigns",
                 "max: 2a + b\nsubject to:\n-a + b <= 4\n-a - b >= -10\n3 a <= 7\nend",
                 "max a b | 2 1 | c1: -1 1 <= 4 | c2: -1 -1 >= -10 | c3: 3 0 <= 7"},
        ReadCase{"BoundsBecomeRows",
                 "Maximize\n x + y\nsuch that\n c: x + y <= 9\nBounds\n 0 <= x\n x = 4\n"
                 " 2 <= y <= 3\nEnd",
                 "max x y | 1 1 | c: 1 1 <= 9 | x_fixed: 1 0 = 4 | y_min: 0 1 >= 2 | "
                 "y_max: 0 1 <= 3"},
        ReadCase{"General", "Maximize\n x + y\nst\n c: x + y <= 9\nGenerals\n x\n y\nEnd",
                 "max x y | 1 1 | c: 1 1 <= 9 | integer"},
        ReadCase{"BinaryIsIntegerUpToOne",
                 "Maximize\n x + y\nst\n c: x + y <= 9\nBinary\n x y\nEnd",
                 "max x y | 1 1 | c: 1 1 <= 9 | x_max: 1 0 <= 1 | y_max: 0 1 <= 1 | integer"}),
    [](const testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

std::string Rows(int n) {
  std::string text = "Maximize\n x + y\nSubject To\n";
  for (int i = 0; i < n; ++i) text += " x + " + std::to_string(i + 1) + " y <= 10\n";
  return text;
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, LpRead,
    testing::Values(
        ReadCase{"ThirdVariable", "Maximize\n x + y\nSubject To\n c: x + y + z <= 4\nEnd",
                 "refused: line 4: a third variable 'z'"},
        ReadCase{"OneVariable", "Maximize\n x\nSubject To\n c: x <= 4\nEnd",
                 "refused: the file names one variable only (x); the graphical method here "
                 "needs two"},
        ReadCase{"Free", "Maximize\n x + y\nst\n c: x + y <= 4\nBounds\n x free\nEnd",
                 "refused: variable x is free; the graphical method here works over x, y >= 0"},
        ReadCase{"NegativeLower", "Maximize\n x + y\nst\n c: x + y <= 4\nBounds\n y >= -2\nEnd",
                 "refused: variable y has the lower bound -2; the graphical method here works "
                 "over x, y >= 0"},
        ReadCase{"NoLower",
                 "Maximize\n x + y\nst\n c: x + y <= 4\nBounds\n x >= -1e30\n x <= 5\nEnd",
                 "refused: variable x has no lower bound; the graphical method here works over "
                 "x, y >= 0"},
        ReadCase{"NoValueLeft", "Maximize\n x + y\nst\n c: x + y <= 4\nBounds\n x <= -inf\nEnd",
                 "refused: variable x has an infinite bound that leaves it no value"},
        ReadCase{"OneInteger", "Maximize\n x + y\nst\n c: x + y <= 4\nGeneral\n y\nEnd",
                 "refused: only variable y is integer; the integer mode here makes both x and y "
                 "integer"},
        ReadCase{"NotAnObjective", "foo: x + y <= 3\n",
                 "refused: line 1: expected Maximize or Minimize, found 'foo'"},
        ReadCase{"Empty", "\\ nothing\n", "refused: line 2: no objective: the file is empty"},
        ReadCase{"Ranged", "Maximize\n x + y\nst\n\n r: -5 <= x + y <= 10\nEnd",
                 "refused: line 5: a ranged constraint; write it as two rows"},
        ReadCase{"ObjectiveConstant", "Maximize\n\n obj: x + y + 4\nst\n c: x <= 1\nEnd",
                 "refused: line 3: a constant term in the objective"},
        ReadCase{"MissingRelation", "Maximize\n x + y\nst\n c1: x + y 4\nEnd",
                 "refused: line 4: expected <=, >= or = in row 'c1', found '4'"},
        ReadCase{"NoCoefficient", "Maximize\n x + y\nst\n c: 0 x + 0 y <= 3\nEnd",
                 "refused: line 4: row 'c' has no nonzero coefficient"},
        ReadCase{"SemiContinuous", "Maximize\n x + y\nst\n c: x + y <= 3\nSemi\n x\nEnd",
                 "refused: line 5: semi-continuous variables do not fit the graphical method"},
        ReadCase{"HugeNumber", "Maximize\n 1e999 x + y\nst\n c: x + y <= 3\nEnd",
                 "refused: line 2: the number 1e999 is out of range"},
        ReadCase{"SumOutOfRange", "Maximize\n 1e308 x + 1e308 x + y\nst\n c: x + y <= 3\nEnd",
                 "refused: the objective sums to a coefficient out of range"},
        ReadCase{"Quadratic", "Maximize\n x + y\nst\n c: [ x * y ] <= 3\nEnd",
                 "refused: line 4: expected a constraint, found '['"}),
    [](const testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

TEST(LpReadRows, TooManyRowsAreRefusedWhole) {
  EXPECT_EQ(Summary(ReadLp(Rows(9) + "End\n")), "refused: 9 constraint rows; at most 6 fit");
  EXPECT_EQ(Summary(ReadLp(Rows(5) + "Bounds\n x <= 3\n y >= 1\nEnd\n")),
            "refused: 5 constraint rows and 2 bounds that become rows; at most 6 fit");
}

struct NameCase {
  const char* name;
  Model model;
  const char* expected;  // x, y, the rows present, the objective, then the notes
};

Model Named(std::string x, std::string y, std::vector<std::string> rows) {
  Model m;
  m.xLabel = std::move(x);
  m.yLabel = std::move(y);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    m.lines[i].a = rows[i] == "-" ? 0.0 : 1.0;  // "-": a line that is not present
    m.lines[i].name = rows[i] == "-" ? "" : rows[i];
  }
  return m;
}

class ExportNaming : public testing::TestWithParam<NameCase> {};

TEST_P(ExportNaming, MakesValidStableNames) {
  const ExportNames n = MakeExportNames(GetParam().model);
  std::string got = n.x + " " + n.y + " |";
  for (const std::string& row : n.rows) {
    if (!row.empty()) got += " " + row;
  }
  got += " | " + n.objective;
  for (const std::string& note : n.notes) got += " | " + note;
  EXPECT_EQ(got, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Names, ExportNaming,
    testing::Values(
        NameCase{"ValidKept", Named("chairs", "tables", {"wood", "labour"}),
                 "chairs tables | wood labour | obj"},
        NameCase{"Mended", Named("Wood stock", "2nd", {"max", "a-b"}),
                 "Wood_stock _2nd | max_ a_b | obj | variable \"Wood stock\" is written as "
                 "Wood_stock | variable \"2nd\" is written as _2nd | constraint 1 \"max\" is "
                 "written as max_ | constraint 2 \"a-b\" is written as a_b"},
        NameCase{"EmptyAndClashing", Named("", "", {"", "", "c2", "obj", "obj"}),
                 "x y | c1 c2_2 c2 obj obj_2 | obj_3 | the X variable has no name; it is "
                 "written as x | the Y variable has no name; it is written as y | constraint 5 "
                 "\"obj\" is written as obj_2"},
        NameCase{"SameVariableNames", Named("p", "p", {"-", ""}),
                 "p p_2 | c2 | obj | variable \"p\" is written as p_2"}),
    [](const testing::TestParamInfo<NameCase>& info) { return std::string(info.param.name); });

TEST(LpWrite, NotesNameChangesAndRefusesNonFiniteNumbers) {
  Model m = Named("Wood stock", "y", {"c"});
  m.lines[0].b = 0.1;
  m.lines[0].c = 1.0 / 3.0;
  const ExportResult lp = WriteLp(m, Sense::Minimize);
  ASSERT_TRUE(lp.ok);
  EXPECT_NE(lp.text.find("\\ Name change: variable \"Wood stock\" is written as Wood_stock\n"),
            std::string::npos);
  EXPECT_NE(lp.text.find(" c: 1 Wood_stock + 0.1 y <= 0.3333333333333333\n"), std::string::npos)
      << lp.text;
  m.lines[0].c = std::numeric_limits<double>::infinity();
  const ExportResult bad = WriteLp(m, Sense::Minimize);
  EXPECT_FALSE(bad.ok);
  EXPECT_EQ(bad.message, "constraint 1 has a number that is not finite");
}

TEST(FitView, ShowsTheAreaWithRoundRangesAndEnoughDecimals) {
  struct Row {
    const char* name;
    const char* text;
    double xMax, yMax;
    int decimals;
  };
  const Row rows[] = {
      {"Corners", "max\n x + y\nst\n x + 2 y <= 80\n 3 x + y <= 90\nend", 50, 50, 1},
      {"OpenArea", "max\n x + y\nst\n x + y >= 4\n x <= 7\nend", 10, 5, 1},
      {"Infeasible", "max\n x + y\nst\n x + y >= 40\n x + 3 y <= 9\nend", 50, 50, 1},
      {"Decimals", "max\n 0.125 x + y\nst\n x + y <= 0.25\nend", 0.5, 0.5, 3},
      {"Tiny", "max\n x + y\nst\n x + y <= 1e-320\nend", 1e-6, 1e-6, 1},
  };
  for (const Row& r : rows) {
    const ImportResult read = ReadLp(r.text);
    ASSERT_TRUE(read.ok) << r.name << ": " << read.message;
    EXPECT_EQ(read.model.xMax, r.xMax) << r.name;
    EXPECT_EQ(read.model.yMax, r.yMax) << r.name;
    EXPECT_EQ(read.model.xMin, 0.0) << r.name;
    // The zoom fields hold at most 10000 pixels per unit.
    EXPECT_EQ(read.model.xZoom, std::min(600.0 / r.xMax, 10000.0)) << r.name;
    EXPECT_EQ(read.model.yZoom, std::min(250.0 / r.yMax, 10000.0)) << r.name;
    EXPECT_EQ(read.model.decimals, r.decimals) << r.name;
  }
}

}  // namespace
}  // namespace tessaro
