// Models written as LP and MPS are read by GLPK and solved to the optimum
// of the same programme built through GLPK's own calls, and read back by our
// readers into the same model; files GLPK writes are read into the model
// GLPK was given.

#include <glpk.h>
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "doc/linear_program.h"
#include "doc/lp_format.h"
#include "doc/mps_format.h"
#include "temp_folder.h"

namespace tessaro {
namespace {

constexpr int kRandomModels = 1000;

const std::vector<std::string> kVariableNames = {"x", "y", "chairs", "tables", "E2", "u_v", "Milk"};
const std::vector<std::string> kRowNames = {"wood", "labour", "obj", "c9", "Cap_1", "x_max", "e1"};

enum class Status { Optimal, Infeasible, Unbounded };
struct Outcome {
  Status status = Status::Infeasible;
  double value = 0.0;
};

// Simplex, then branch and bound in integer mode.
Outcome Solve(glp_prob* lp) {
  glp_smcp simplex;
  glp_init_smcp(&simplex);
  simplex.msg_lev = GLP_MSG_OFF;
  glp_simplex(lp, &simplex);
  Outcome out;
  if (glp_get_status(lp) != GLP_OPT) {
    out.status = glp_get_prim_stat(lp) == GLP_NOFEAS ? Status::Infeasible : Status::Unbounded;
    return out;
  }
  out.status = Status::Optimal;
  out.value = glp_get_obj_val(lp);
  if (glp_get_num_int(lp) > 0) {
    glp_iocp branch;
    glp_init_iocp(&branch);
    branch.msg_lev = GLP_MSG_OFF;
    branch.tm_lim = 20000;  // ms; a search this long means a fault of the draw
    EXPECT_EQ(glp_intopt(lp, &branch), 0);
    out.status = glp_mip_status(lp) == GLP_OPT ? Status::Optimal : Status::Infeasible;
    out.value = glp_mip_obj_val(lp);
  }
  return out;
}

// The programme of a model built through GLPK's calls: the reference.
glp_prob* Build(const Model& m, Sense sense) {
  glp_prob* lp = glp_create_prob();
  glp_set_obj_dir(lp, sense == Sense::Maximize ? GLP_MAX : GLP_MIN);
  glp_add_cols(lp, 2);
  for (int j = 1; j <= 2; ++j) {
    glp_set_col_name(lp, j, j == 1 ? m.xLabel.c_str() : m.yLabel.c_str());
    glp_set_col_bnds(lp, j, GLP_LO, 0.0, 0.0);
    if (m.integerDots) glp_set_col_kind(lp, j, GLP_IV);
  }
  glp_set_obj_coef(lp, 1, m.payoff.a);
  glp_set_obj_coef(lp, 2, m.payoff.yCoefficient());
  for (const Line& l : m.lines) {
    if (!l.isPresent()) continue;
    const int row = glp_add_rows(lp, 1);
    glp_set_row_name(lp, row, l.name.c_str());
    const int type = l.relation == Relation::LessEqual      ? GLP_UP
                     : l.relation == Relation::GreaterEqual ? GLP_LO
                                                            : GLP_FX;
    glp_set_row_bnds(lp, row, type, l.c, l.c);
    int cols[3] = {0, 1, 2};
    double values[3] = {0.0, l.a, l.yCoefficient()};
    glp_set_mat_row(lp, row, 2, cols, values);
  }
  return lp;
}

// A coefficient: a small whole number, a number with one decimal, or (when
// exact is allowed) any double, whose text needs all 17 digits.
double Coefficient(std::mt19937& rng, bool anyDouble) {
  std::uniform_int_distribution<int> kind(0, anyDouble ? 2 : 1);
  std::uniform_int_distribution<int> whole(-9, 9);
  switch (kind(rng)) {
    case 0:
      return whole(rng);
    case 1:
      return std::uniform_int_distribution<int>(-500, 500)(rng) / 10.0;
    default:
      return std::uniform_real_distribution<double>(-100.0, 100.0)(rng);
  }
}

// A model holding only what the formats carry, with valid names (an empty
// row name is written as c<line>) and the view a reader fits to it.
struct Drawn {
  Model written;
  Model expected;
};
Drawn Draw(std::mt19937& rng, bool anyDouble) {
  auto pick = [&rng](const std::vector<std::string>& pool) {
    return pool[std::uniform_int_distribution<std::size_t>(0, pool.size() - 1)(rng)];
  };
  Model m;
  m.xLabel = pick(kVariableNames);
  do m.yLabel = pick(kVariableNames);
  while (m.yLabel == m.xLabel);
  m.integerDots = !anyDouble && rng() % 3 == 0;
  auto setY = [](double value, double& b, int& sign) {
    b = std::abs(value);
    sign = value < 0.0 ? -1 : 1;
  };
  m.payoff.a = Coefficient(rng, anyDouble);
  setY(Coefficient(rng, anyDouble), m.payoff.b, m.payoff.sign);
  const int rows = std::uniform_int_distribution<int>(1, kLineCount)(rng);
  // Half the models (and every integer one) get a bounded area.
  const bool bounded = m.integerDots || rng() % 2 == 0;
  std::vector<std::string> used;
  for (int i = 0; i < rows; ++i) {
    Line& l = m.lines[i];
    do {
      l.a = Coefficient(rng, anyDouble);
      setY(Coefficient(rng, anyDouble), l.b, l.sign);
    } while (!l.isPresent());
    l.c = Coefficient(rng, anyDouble) * 10.0;
    l.relation = static_cast<Relation>(rng() % 3);
    if (bounded && i == 0) {
      // Positive coefficients, "<=" and a positive constant bound the area
      // over x, y >= 0; branch and bound then ends.
      l.a = 1.0 + rng() % 9;
      l.b = 1.0 + rng() % 9;
      l.sign = 1;
      l.c = 10.0 * (1 + rng() % 9);
      l.relation = Relation::LessEqual;
    }
    const std::string name = pick(kRowNames);
    if (rng() % 4 != 0 && std::find(used.begin(), used.end(), name) == used.end()) {
      l.name = name;
      used.push_back(name);
    }
  }
  Drawn d;
  d.expected = m;
  for (int i = 0; i < rows; ++i) {
    if (m.lines[i].name.empty()) d.expected.lines[i].name = "c" + std::to_string(i + 1);
  }
  d.expected = FitView(d.expected);
  // What the formats do not carry must not leak into the text.
  m.payoff.level = 17.0;
  m.lines[0].label = {3.0, 4.0};
  m.fill = FillMode::Grey;
  m.decimals = 4;
  d.written = m;
  return d;
}

void WriteText(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

std::string ReadText(const std::string& path) {
  const std::vector<std::uint8_t> bytes = test::ReadBytes(path);
  return std::string(bytes.begin(), bytes.end());
}

bool Same(const Outcome& a, const Outcome& b) {
  if (a.status != b.status) return false;
  return a.status != Status::Optimal ||
         std::abs(a.value - b.value) <= 1e-7 * (1.0 + std::abs(b.value));
}

TEST(LinearProgramGlpk, WrittenFilesSolveAsTheModelAndReadBackTheSame) {
  glp_term_out(GLP_OFF);
  test::TempFolder folder;
  std::mt19937 rng(20261207);
  const std::string lpPath = folder / "model.lp";
  const std::string mpsPath = folder / "model.mps";
  int optimal = 0;
  for (int n = 0; n < kRandomModels; ++n) {
    const Drawn d = Draw(rng, n % 2 == 0);
    const Sense sense = rng() % 2 ? Sense::Maximize : Sense::Minimize;
    SCOPED_TRACE("model " + std::to_string(n));

    glp_prob* reference = Build(d.expected, sense);
    const Outcome want = Solve(reference);
    glp_delete_prob(reference);
    optimal += want.status == Status::Optimal;

    const ExportResult lp = WriteLp(d.written, sense);
    const ExportResult mps = WriteMps(d.written, sense);
    ASSERT_TRUE(lp.ok && mps.ok);
    WriteText(lpPath, lp.text);
    WriteText(mpsPath, mps.text);

    glp_prob* fromLp = glp_create_prob();
    ASSERT_EQ(glp_read_lp(fromLp, nullptr, lpPath.c_str()), 0) << lp.text;
    EXPECT_EQ(glp_get_num_int(fromLp), d.written.integerDots ? 2 : 0);
    EXPECT_TRUE(Same(Solve(fromLp), want)) << lp.text;
    glp_delete_prob(fromLp);

    glp_prob* fromMps = glp_create_prob();
    ASSERT_EQ(glp_read_mps(fromMps, GLP_MPS_FILE, nullptr, mpsPath.c_str()), 0) << mps.text;
    // The file states its sense in a comment only; GLPK is told it.
    glp_set_obj_dir(fromMps, sense == Sense::Maximize ? GLP_MAX : GLP_MIN);
    EXPECT_TRUE(Same(Solve(fromMps), want)) << mps.text;
    glp_delete_prob(fromMps);

    const ImportResult backLp = ReadLp(ReadText(lpPath));
    ASSERT_TRUE(backLp.ok) << backLp.message << "\n" << lp.text;
    EXPECT_EQ(backLp.model, d.expected) << lp.text;
    EXPECT_EQ(backLp.sense, sense);
    const ImportResult backMps = ReadMps(ReadText(mpsPath));
    ASSERT_TRUE(backMps.ok) << backMps.message << "\n" << mps.text;
    EXPECT_EQ(backMps.model, d.expected) << mps.text;
  }
  // The draw must give many finite optima, not only refusals of GLPK.
  EXPECT_GT(optimal, kRandomModels / 4);
}

TEST(LinearProgramGlpk, FilesWrittenByGlpkReadAsTheModelGlpkWasGiven) {
  glp_term_out(GLP_OFF);
  test::TempFolder folder;
  std::mt19937 rng(7);
  for (int n = 0; n < 200; ++n) {
    SCOPED_TRACE("model " + std::to_string(n));
    Drawn d = Draw(rng, false);
    // GLPK leaves a zero objective term out, which would change the order
    // the variables are met in; and it writes 15 digits.
    if (d.expected.payoff.a == 0.0) d.expected.payoff.a = 1.0;
    if (d.expected.payoff.b == 0.0) d.expected.payoff.b = 2.0;
    d.expected = FitView(d.expected);
    const Sense sense = n % 2 ? Sense::Maximize : Sense::Minimize;
    glp_prob* lp = Build(d.expected, sense);
    glp_set_obj_name(lp, "cost");
    ASSERT_EQ(glp_write_lp(lp, nullptr, (folder / "g.lp").c_str()), 0);
    ASSERT_EQ(glp_write_mps(lp, GLP_MPS_FILE, nullptr, (folder / "g.mps").c_str()), 0);
    glp_delete_prob(lp);

    const std::string lpText = ReadText(folder / "g.lp");
    const ImportResult fromLp = ReadLp(lpText);
    ASSERT_TRUE(fromLp.ok) << fromLp.message << "\n" << lpText;
    EXPECT_EQ(fromLp.model, d.expected) << lpText;
    EXPECT_EQ(fromLp.sense, sense);

    const std::string mpsText = ReadText(folder / "g.mps");
    const ImportResult fromMps = ReadMps(mpsText);
    ASSERT_TRUE(fromMps.ok) << fromMps.message << "\n" << mpsText;
    EXPECT_EQ(fromMps.model, d.expected) << mpsText;
  }
}

}  // namespace
}  // namespace tessaro
