// The normal equations of the opposite-angle and the pole condition, solved
// for their correlates; the same normal products give the reciprocal
// weights of the weight functions in rows 3..7.
#include <cmath>

#include "adjust/stages.h"
#include "adjust/stop.h"
#include "app/field_text.h"

namespace kestavo {
namespace {

// Two triangle conditions, the opposite-angle and the pole condition.
constexpr double kConditionCount = 6;

}  // namespace

void solveSecondGroup(AdjustWork& work, FormPort& form) {
  const auto& cf = work.cf;
  auto& nrm = work.nrm;
  for (int r = 1; r <= 7; ++r) {
    for (int s = r; s <= 7; ++s) {
      double sum = 0;
      for (int j = 1; j <= 8; ++j) sum = sum + cf[r][j] * cf[s][j];
      nrm[r][s] = finite(sum, {"nrm", r, s});
    }
  }
  work.det = finite(nrm[1][1] * nrm[2][2] - nrm[1][2] * nrm[1][2], {"det"});
  const char* const detZero =
      "法方程系数行列式 det 为零（对角和条件与极条件线性相关），无法解算联系数。";

  double* const q[] = {nullptr, nullptr, nullptr, &work.q3, &work.q4, &work.q5, &work.q6, &work.q7};
  const char* const qName[] = {"", "", "", "q3", "q4", "q5", "q6", "q7"};
  for (int t = 3; t <= 7; ++t) {
    const double g1 =
        dividedBy(nrm[1][2] * nrm[2][t] - nrm[2][2] * nrm[1][t], work.det, {"g1"}, detZero);
    const double g2 =
        dividedBy(nrm[1][2] * nrm[1][t] - nrm[1][1] * nrm[2][t], work.det, {"g2"}, detZero);
    *q[t] = finite((nrm[t][t] + g1 * nrm[1][t]) + g2 * nrm[2][t], {qName[t]});
  }

  work.k1 = dividedBy(nrm[1][2] * work.w22 - nrm[2][2] * work.w21, work.det, {"k1"}, detZero);
  work.k2 = dividedBy(nrm[1][2] * work.w21 - nrm[1][1] * work.w22, work.det, {"k2"}, detZero);

  for (int j = 1; j <= 8; ++j) {
    work.v[j] = finite(work.k1 * cf[1][j] + work.k2 * cf[2][j], {"v", j});
    work.B[j] = work.B[j] + work.v[j] / 3600;
    work.vv2 = finite(work.vv2 + work.v[j] * work.v[j], {"vv2"});
  }

  work.mb = checkedSqrt((work.vv1 + work.vv2) / kConditionCount, {"mb"});
  showNumber(form, kMbField, work.mb);
}

}  // namespace kestavo
