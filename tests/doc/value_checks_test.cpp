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
  std::function<void(CVelmarDoc&)> change;
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
  CVelmarDoc model = test::WorkshopModel();
  c.change(model);
  test::TempFolder folder;
  const std::string path = folder / "m.kvr";
  ASSERT_TRUE(test::WriteBytes(path, model.SaveToBytes()));

  CVelmarDoc doc;
  std::string message;
  EXPECT_FALSE(LoadDocumentFile(path, doc, message));
  EXPECT_EQ(message, std::string("Unexpected file format.\n") + c.problem);
  EXPECT_EQ(doc.SaveToBytes(), CVelmarDoc().SaveToBytes());

  Model decoded;
  std::string problem;
  EXPECT_EQ(DecodeModel(model.SaveToBytes(), decoded, &problem), DecodeStatus::BadValue);
  EXPECT_EQ(problem, c.problem);
  EXPECT_EQ(decoded, Model());
}

INSTANTIATE_TEST_SUITE_P(
    Files, RefusedValueTest,
    testing::Values(
        RefusedCase{"zeroSign", [](CVelmarDoc& d) { d.lineSign[0] = 0; },
                    "The sign of constraint 1 is 0; it must be +1 or -1."},
        RefusedCase{"relationThree", [](CVelmarDoc& d) { d.lineRelation[1] = 3; },
                    "The relation of constraint 2 is 3; it must be 0 (<=), 1 (=) or 2 (>=)."},
        RefusedCase{"payoffSignTwo", [](CVelmarDoc& d) { d.payoffSign = 2; },
                    "The sign of the payoff is 2; it must be +1 or -1."},
        RefusedCase{"infinitePayoff", [](CVelmarDoc& d) { d.payoffA = kInf; },
                    "The x coefficient of the payoff is inf; it must be a finite number."},
        RefusedCase{"nanCoefficient", [](CVelmarDoc& d) { d.lineB[2] = kNaN; },
                    "The y coefficient of constraint 3 is nan; it must be a finite number."},
        RefusedCase{"nanRange", [](CVelmarDoc& d) { d.xMax = kNaN; },
                    "The x maximum is nan; it must be a finite number."},
        RefusedCase{"infiniteZoom", [](CVelmarDoc& d) { d.yZoom = kInf; },
                    "The y zoom is inf; it must be a finite number."},
        RefusedCase{"nanLabelPosition", [](CVelmarDoc& d) { d.payoffLabelY = kNaN; },
                    "The payoff label position is nan; it must be a finite number."}),
    [](const testing::TestParamInfo<RefusedCase>& info) { return info.param.name; });

TEST(DecodeModel, KeepsTheGuardedValuesAndGivesPlainMessages) {
  // A zoom of 0 and a huge decimals count are finite: the form guards them.
  CVelmarDoc d = test::WorkshopModel();
  d.xZoom = 0;
  d.decimals = 10000;
  d.lineSign[1] = -1;
  Model m;
  ASSERT_EQ(DecodeModel(d.SaveToBytes(), m), DecodeStatus::Ok);
  EXPECT_EQ(m.xZoom, 0.0);
  EXPECT_EQ(m.decimals, 10000);
  EXPECT_EQ(m.lines[1].sign, -1);
  EXPECT_EQ(DecodeMessage(DecodeStatus::NotAModelFile), "This file is not in KVR format.");
}

}  // namespace
}  // namespace tessaro
