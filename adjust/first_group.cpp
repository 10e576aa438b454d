// First group: the triangles A-P1-B (angles 1..4) and B-P2-A (5..8) must
// each sum to 180 degrees. Each closure is shared out equally.
#include <cmath>
#include <string>

#include "adjust/stages.h"
#include "adjust/stop.h"
#include "app/field_text.h"

namespace kestavo {
namespace {

constexpr double kSecondsPerDegree = 3600;

// kLogSin / tan of angle j, the change of log10 sin b(j) per second of arc
// in 1e-6 units (sign included through `factor`).
double logSinCoefficient(const AdjustWork& work, double factor, int j, const Quantity& name) {
  const double tangent = std::tan(work.B[j] * AdjustWork::radPerDeg);
  if (tangent == 0) [[unlikely]]
    stopCalculation("第一组改正后观测角 b(" + std::to_string(j) + ") 为 0°，其正切为零，计算 " +
                    name.text() + " 时除数为零。");
  return finite(factor / tangent, name);
}

// Corrects pairs `first` and `first + 1` by -share seconds per angle.
void correctTriangle(AdjustWork& work, double share, int first) {
  for (int i = first; i <= first + 1; ++i) {
    work.B[2 * i - 1] = work.B[2 * i - 1] - share / kSecondsPerDegree;
    work.dOdd[i] = logSinCoefficient(work, AdjustWork::kLogSin, 2 * i - 1, {"dOdd", i});
    work.B[2 * i] = work.B[2 * i] - share / kSecondsPerDegree;
    work.dEven[i] = logSinCoefficient(work, -AdjustWork::kLogSin, 2 * i, {"dEven", i});
    work.vv1 = finite(work.vv1 + share * share * 2, {"vv1"});
  }
}

}  // namespace

void applyFirstGroup(AdjustWork& work, FormPort& form) {
  const auto& B = work.B;
  work.w11 = finite((((B[1] + B[2]) + B[3]) + B[4] - 180) * kSecondsPerDegree, {"w(1--1)"});
  showNumber(form, kW11Field, work.w11);
  work.w12 = finite((((B[5] + B[6]) + B[7]) + B[8] - 180) * kSecondsPerDegree, {"w(1--2)"});
  showNumber(form, kW12Field, work.w12);

  correctTriangle(work, work.w11 / 4, 1);
  correctTriangle(work, work.w12 / 4, 3);
}

}  // namespace kestavo
