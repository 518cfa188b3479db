#include "glpk_reference.h"

#include <glpk.h>

#include <cmath>

namespace tessaro::test {

namespace {

// Builds the programme: one row per constraint, then an optional extra row.
glp_prob* Build(const RandomModel& m) {
  glp_term_out(GLP_OFF);
  glp_prob* lp = glp_create_prob();
  glp_add_cols(lp, 2);
  glp_set_col_bnds(lp, 1, GLP_LO, 0.0, 0.0);
  glp_set_col_bnds(lp, 2, GLP_LO, 0.0, 0.0);
  const int n = static_cast<int>(m.lines.size());
  glp_add_rows(lp, n);
  for (int i = 0; i < n; ++i) {
    const Line& l = m.lines[i];
    const int type = l.relation == REL_LE ? GLP_UP : l.relation == REL_GE ? GLP_LO : GLP_FX;
    glp_set_row_bnds(lp, i + 1, type, l.c, l.c);
    int cols[3] = {0, 1, 2};
    double values[3] = {0.0, l.a, l.sign * l.b};
    glp_set_mat_row(lp, i + 1, 2, cols, values);
  }
  return lp;
}

void SetObjective(glp_prob* lp, double cx, double cy, bool maximize) {
  glp_set_obj_dir(lp, maximize ? GLP_MAX : GLP_MIN);
  glp_set_obj_coef(lp, 1, cx);
  glp_set_obj_coef(lp, 2, cy);
}

ReferenceResult RunSimplex(glp_prob* lp) {
  glp_smcp parm;
  glp_init_smcp(&parm);
  parm.msg_lev = GLP_MSG_OFF;
  ReferenceResult r;
  glp_simplex(lp, &parm);
  if (glp_get_status(lp) == GLP_OPT) {
    r.status = Reference::Optimal;
    r.value = glp_get_obj_val(lp);
  } else if (glp_get_prim_stat(lp) == GLP_NOFEAS) {
    r.status = Reference::Infeasible;
  } else {
    r.status = Reference::Unbounded;
  }
  return r;
}

}  // namespace

ReferenceResult SolveWithGlpk(const RandomModel& m, bool maximize) {
  glp_prob* lp = Build(m);
  SetObjective(lp, m.px, m.ps * m.py, maximize);
  const ReferenceResult r = RunSimplex(lp);
  glp_delete_prob(lp);
  return r;
}

ReferenceResult SolveIntegerWithGlpk(const RandomModel& m, bool maximize) {
  glp_prob* lp = Build(m);
  SetObjective(lp, m.px, m.ps * m.py, maximize);
  glp_set_col_bnds(lp, 1, GLP_DB, 0.0, std::floor(m.xMax));
  glp_set_col_bnds(lp, 2, GLP_DB, 0.0, std::floor(m.yMax));
  glp_set_col_kind(lp, 1, GLP_IV);
  glp_set_col_kind(lp, 2, GLP_IV);
  glp_iocp parm;
  glp_init_iocp(&parm);
  parm.msg_lev = GLP_MSG_OFF;
  parm.presolve = GLP_ON;
  ReferenceResult r;
  if (glp_intopt(lp, &parm) == 0 && glp_mip_status(lp) == GLP_OPT) {
    r.status = Reference::Optimal;
    r.value = glp_mip_obj_val(lp);
  }
  glp_delete_prob(lp);
  return r;
}

bool OptimalFaceUnbounded(const RandomModel& m, double optimum) {
  glp_prob* lp = Build(m);
  const int row = glp_add_rows(lp, 1);
  glp_set_row_bnds(lp, row, GLP_LO, optimum - 1e-7 * (1.0 + std::fabs(optimum)), 0.0);
  int cols[3] = {0, 1, 2};
  double values[3] = {0.0, m.px, m.ps * m.py};
  glp_set_mat_row(lp, row, 2, cols, values);
  SetObjective(lp, 1.0, 1.0, true);
  const ReferenceResult r = RunSimplex(lp);
  glp_delete_prob(lp);
  return r.status == Reference::Unbounded;
}

}  // namespace tessaro::test
