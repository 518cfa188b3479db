#include "doc/mps_format.h"

#include <gtest/gtest.h>

#include <string>

#include "format_summary.h"

namespace tessaro {
namespace {

using test::Summary;

struct ReadCase {
  const char* name;
  const char* text;
  const char* expected;
};

class MpsRead : public testing::TestWithParam<ReadCase> {};

TEST_P(MpsRead, GivesTheModel) {
  EXPECT_EQ(Summary(ReadMps(GetParam().text)), GetParam().expected) << GetParam().text;
}

// Rows and columns every case below starts from.
#define MPS_HEAD "NAME t\nROWS\n N obj\n L c1\nCOLUMNS\n"
#define MPS_XY " x obj 1 c1 1\n y obj 2 c1 3\n"

INSTANTIATE_TEST_SUITE_P(
    Grammar, MpsRead,
    testing::Values(
        ReadCase{"FixedWithSetsCommentsAndCrLf",
                 "* comment\r\nNAME          TESTLP\r\nOBJSENSE\r\n    MAX\r\nROWS\r\n N  COST\r\n"
                 " L  LIM1\r\n G  LIM2\r\n\r\n E  MYEQN\r\nCOLUMNS\r\n"
                 "    X         COST         1.0   LIM1         1.0\r\n"
                 "    X         LIM2         1.0\r\n"
                 "    Y         COST         2.0   LIM1         1.0\r\n"
                 "    Y         MYEQN       -1.0\r\nRHS\r\n"
                 "    RHS1      LIM1         4.0   LIM2         1.0\r\n"
                 "    RHS1      MYEQN        7.0\r\n    RHS2      LIM1         9.0\r\nENDATA\r\n",
                 "max X Y | 1 2 | LIM1: 1 1 <= 4 | LIM2: 1 0 >= 1 | MYEQN: 0 -1 = 7"},
        ReadCase{"SenseOnItsLineFreeRowsAndNoSetName",
                 "NAME\nOBJSENSE MIN\nROWS\n N obj\n N spare\n G c1\nCOLUMNS\n x obj -1 spare 5\n"
                 " x c1 2\n y obj 1 c1 1\nRHS\n c1 -5\nENDATA\n",
                 "min x y | -1 1 | c1: 2 1 >= -5"},
        ReadCase{"BoundsBecomeRows",
                 MPS_HEAD MPS_XY "RHS\n RHS c1 9\nBOUNDS\n UP BND x 4\n LO BND y 2\n UP BND y 3\n"
                                 " UP OTHER y 1\nENDATA\n",
                 "min x y | 1 2 | c1: 1 3 <= 9 | x_max: 1 0 <= 4 | y_min: 0 1 >= 2 | "
                 "y_max: 0 1 <= 3"},
        ReadCase{"FixedAndInfiniteBounds",
                 MPS_HEAD MPS_XY "BOUNDS\n FX BND x 2\n UP BND y 1e30\nENDATA\n",
                 "min x y | 1 2 | c1: 1 3 <= 0 | x_fixed: 1 0 = 2"},
        ReadCase{"MarkersWithoutBoundsAreBinary",
                 MPS_HEAD " M 'MARKER' 'INTORG'\n" MPS_XY " M 'MARKER' 'INTEND'\nENDATA\n",
                 "min x y | 1 2 | c1: 1 3 <= 0 | x_max: 1 0 <= 1 | y_max: 0 1 <= 1 | integer"},
        ReadCase{"MarkersWithBounds",
                 MPS_HEAD " M 'MARKER' 'INTORG'\n" MPS_XY
                          " M 'MARKER' 'INTEND'\nBOUNDS\n PL BND x\n LO BND y 0\nENDATA\n",
                 "min x y | 1 2 | c1: 1 3 <= 0 | integer"},
        ReadCase{"IntegerBoundTypes", MPS_HEAD MPS_XY "BOUNDS\n UI BND x 5\n BV BND y\nENDATA\n",
                 "min x y | 1 2 | c1: 1 3 <= 0 | x_max: 1 0 <= 5 | y_max: 0 1 <= 1 | integer"}),
    [](const testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Refusals, MpsRead,
    testing::Values(
        ReadCase{"ThirdVariable", MPS_HEAD MPS_XY " z obj 1\nENDATA\n",
                 "refused: line 8: a third variable 'z'"},
        ReadCase{"Range", MPS_HEAD MPS_XY "RANGES\n RNG c1 4\nENDATA\n",
                 "refused: line 9: a range on a row; write it as two rows"},
        ReadCase{"Free", MPS_HEAD MPS_XY "BOUNDS\n FR BND y\nENDATA\n",
                 "refused: variable y is free; the graphical method here works over x, y >= 0"},
        ReadCase{"MinusInfinity", MPS_HEAD MPS_XY "BOUNDS\n MI BND x\n UP BND x 4\nENDATA\n",
                 "refused: variable x has no lower bound; the graphical method here works over "
                 "x, y >= 0"},
        ReadCase{"UnknownRow", MPS_HEAD " x obj 1 c2 1\nENDATA\n",
                 "refused: line 6: unknown row 'c2'"},
        ReadCase{"NotANumber", MPS_HEAD " x obj 1 c1 one\nENDATA\n",
                 "refused: line 6: 'one' is not a number"},
        ReadCase{"NoEndata", MPS_HEAD MPS_XY, "refused: line 8: the file ends without ENDATA"},
        ReadCase{"Quadratic", MPS_HEAD MPS_XY "QUADOBJ\n x x 1\nENDATA\n",
                 "refused: line 8: the section QUADOBJ does not fit the graphical method"},
        ReadCase{"ObjectiveConstant", MPS_HEAD MPS_XY "RHS\n RHS obj 3\nENDATA\n",
                 "refused: line 9: a constant in the objective"},
        ReadCase{"SecondRow", "NAME\nROWS\n N obj\n L c1\n G c1\nENDATA\n",
                 "refused: line 5: a second row 'c1'"},
        ReadCase{"EmptyRow", "NAME\nROWS\n N obj\n L c1\n G c2\nCOLUMNS\n" MPS_XY "ENDATA\n",
                 "refused: line 5: row 'c2' has no nonzero coefficient"},
        ReadCase{"TooManyRows",
                 "NAME\nROWS\n N o\n L a\n L b\n L c\n L d\n L e\n L f\n L g\nCOLUMNS\n"
                 " x a 1 b 1\n x c 1 d 1\n x e 1 f 1\n x g 1\n y o 1\nENDATA\n",
                 "refused: 7 constraint rows; at most 6 fit"}),
    [](const testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tessaro
