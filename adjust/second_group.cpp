// Second group: the opposite-angle condition b(1) + b(2) = b(5) + b(6) and
// the pole condition (product of the odd angles' sines equals that of the
// even angles'), with their rows reduced against the first group.
#include <cmath>
#include <string>

#include "adjust/stages.h"
#include "adjust/stop.h"
#include "app/field_text.h"

namespace kestavo {
namespace {

constexpr double kMicro = 1000000;  // log units to 1e-6 units

// log10 sin b(j), formed as ln / ln10.
double logSin(const AdjustWork& work, int j) {
  const double sine = std::sin(work.B[j] * AdjustWork::radPerDeg);
  if (!(sine > 0)) [[unlikely]]
    stopCalculation("第一组改正后观测角 b(" + std::to_string(j) +
                    ") 不在 0° 与 180° 之间，其正弦不是正数，计算极条件闭合差 w(2--2) "
                    "时不能取对数。");
  return std::log(sine) / AdjustWork::ln10;
}

// Raw coefficients of one triangle in the pole condition, each less their mean.
void reducePoleRow(AdjustWork& work, int pair, int column) {
  const double mean = finite(
      (((work.dOdd[pair] + work.dOdd[pair + 1]) + work.dEven[pair]) + work.dEven[pair + 1]) / 4,
      {"cf", 2, column});
  work.cf[2][column] = work.dOdd[pair] - mean;
  work.cf[2][column + 1] = work.dEven[pair] - mean;
  work.cf[2][column + 2] = work.dOdd[pair + 1] - mean;
  work.cf[2][column + 3] = work.dEven[pair + 1] - mean;
  for (int j = column; j < column + 4; ++j) finite(work.cf[2][j], {"cf", 2, j});
}

// The opposite-angle row: raw +1, +1 for angles 1, 2 and -1, -1 for 5, 6,
// less each triangle's mean (+0.5 and -0.5). The same for every figure.
constexpr double kOppositeAngleRow[9] = {0, 0.5, 0.5, -0.5, -0.5, -0.5, -0.5, 0.5, 0.5};

}  // namespace

void buildSecondGroup(AdjustWork& work, FormPort& form) {
  work.poleSum = 0;
  for (int i = 1; i <= 4; ++i) {
    const double odd = logSin(work, 2 * i - 1);
    const double even = logSin(work, 2 * i);
    work.poleSum = (work.poleSum + odd) - even;
  }
  work.w22 = finite(work.poleSum * kMicro, {"w(2--2)"});
  showNumber(form, kW22Field, work.w22);

  const auto& B = work.B;
  work.w21 = finite((((B[1] + B[2]) - B[5]) - B[6]) * 3600, {"w(2--1)"});
  showNumber(form, kW21Field, work.w21);

  for (int j = 1; j <= 8; ++j) work.cf[1][j] = kOppositeAngleRow[j];
  reducePoleRow(work, 1, 1);
  reducePoleRow(work, 3, 5);
}

}  // namespace kestavo
