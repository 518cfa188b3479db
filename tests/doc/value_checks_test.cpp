#include "doc/value_checks.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "doc/file_store.h"
#include "doc/model_file.h"
#include "sample_models.h"
#include "temp_folder.h"

namespace tessaro {
namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

struct RefusedCase {
  const char* name;
  std::function<void(Model&)> change;
  const char* problem;  // the second line of the message
};

void PrintTo(const RefusedCase& row, std::ostream* os) {
  *os << row.name;
}

class RefusedValueTest : public testing::TestWithParam<RefusedCase> {};

// A file holding a value the program cannot draw or solve honestly is
// refused by both loaders, before anything is shown, with the field named.
TEST_P(RefusedValueTest, BothLoadersRefuseTheFileNamingTheField) {
  const RefusedCase& c = GetParam();
  Model model = test::WorkshopModel();
  c.change(model);
  test::TempFolder folder;
  const std::string path = folder / "m.kvr";
  ASSERT_TRUE(test::WriteBytes(path, EncodeModel(model)));

  Model doc;
  std::string message;
  EXPECT_FALSE(LoadModelFile(path, doc, message));
  EXPECT_EQ(message, std::string("Unexpected file format.\n") + c.problem);
  EXPECT_EQ(EncodeModel(doc), EncodeModel(Model()));

  Model decoded;
  std::string problem;
  EXPECT_EQ(DecodeModel(EncodeModel(model), decoded, &problem), DecodeStatus::BadValue);
  EXPECT_EQ(problem, c.problem);
  EXPECT_EQ(decoded, Model());
}

INSTANTIATE_TEST_SUITE_P(
    Files, RefusedValueTest,
    testing::Values(
        RefusedCase{"zeroSign", [](Model& d) { d.lines[0].sign = 0; },
                    "The sign of constraint 1 is 0; it must be +1 or -1."},
        RefusedCase{"relationThree",
                    [](Model& d) { d.lines[1].relation = static_cast<Relation>(3); },
                    "The relation of constraint 2 is 3; it must be 0 (<=), 1 (=) or 2 (>=)."},
        RefusedCase{"payoffSignTwo", [](Model& d) { d.payoff.sign = 2; },
                    "The sign of the payoff is 2; it must be +1 or -1."},
        RefusedCase{"infinitePayoff", [](Model& d) { d.payoff.a = kInf; },
                    "The x coefficient of the payoff is inf; it must be a finite number."},
        RefusedCase{"nanCoefficient", [](Model& d) { d.lines[2].b = kNaN; },
                    "The y coefficient of constraint 3 is nan; it must be a finite number."},
        RefusedCase{"nanRange", [](Model& d) { d.xMax = kNaN; },
                    "The x maximum is nan; it must be a finite number."},
        RefusedCase{"infiniteZoom", [](Model& d) { d.yZoom = kInf; },
                    "The y zoom is inf; it must be a finite number."},
        RefusedCase{"nanLabelPosition", [](Model& d) { d.payoff.label.y = kNaN; },
                    "The payoff label position is nan; it must be a finite number."}),
    [](const testing::TestParamInfo<RefusedCase>& info) { return info.param.name; });

TEST(DecodeModel, KeepsTheGuardedValuesAndGivesPlainMessages) {
  // A zoom of 0 and a huge decimals count are finite: the form guards them.
  Model d = test::WorkshopModel();
  d.xZoom = 0;
  d.decimals = 10000;
  d.lines[1].sign = -1;
  Model m;
  ASSERT_EQ(DecodeModel(EncodeModel(d), m), DecodeStatus::Ok);
  EXPECT_EQ(m.xZoom, 0.0);
  EXPECT_EQ(m.decimals, 10000);
  EXPECT_EQ(m.lines[1].sign, -1);
  EXPECT_EQ(DecodeMessage(DecodeStatus::NotAModelFile), "This file is not in KVR format.");
}

}  // namespace
}  // namespace tessaro
