// Weight functions: the azimuth and the logarithm of the longer side at
// each new point, and the logarithm of the extended side P1P2, as rows
// 3..7 of cf, reduced against the first group like the condition rows.
#include <string>

#include "adjust/stop.h"
#include "geometry/angles.h"
#include "geometry/stages.h"

namespace kestavo {
namespace {

// kLogSin / tan of an angle sum, in 1e-6 per second of arc.
double sumCoefficient(double factor, double sumDegrees, const char* name, const char* angle) {
  const double tangent = tanDeg(sumDegrees);
  if (tangent == 0) [[unlikely]]
    stopCalculation(std::string("角 ") + angle + " 的正切为零，计算权函数系数 " + name +
                    " 时除数为零。");
  return finite(factor / tangent, {name});
}

// Azimuth rows: exact quarters, the raw -1 or +1 less the triangle's mean.
constexpr double kFirstLegAzimuth[4] = {-0.75, 0.25, 0.25, 0.25};
constexpr double kSecondLegAzimuth[4] = {-0.25, -0.25, -0.25, 0.75};

void setRow(AdjustWork& work, int row, int column, const double (&entries)[4]) {
  for (int k = 0; k < 4; ++k) work.cf[row][column + k] = entries[k];
}

}  // namespace

void buildWeightRows(AdjustWork& work) {
  const auto& b = work.B;
  const double kLogSin = AdjustWork::kLogSin;
  const double cP1 = sumCoefficient(-kLogSin, b[2] + b[3], "cP1", "b(2)+b(3)");
  const double cP2 = sumCoefficient(-kLogSin, b[6] + b[7], "cP2", "b(6)+b(7)");
  const double cA = sumCoefficient(kLogSin, b[1] + b[8], "cA", "b(1)+b(8)");
  const auto& dOdd = work.dOdd;
  const auto& dEven = work.dEven;

  // P1: rows 3 and 4. Equal sides take AP1, so that md1 is never a false 0.
  if (work.sAP1 >= work.sBP1) {
    work.sSel1 = work.sAP1;
    setRow(work, 3, 1, kFirstLegAzimuth);
    const double mu = (-dEven[2] + cP1 * 2) / 4;
    setRow(work, 4, 1, {-mu, cP1 - mu, cP1 - mu, -dEven[2] - mu});
  } else {
    work.sSel1 = work.sBP1;
    setRow(work, 3, 1, kSecondLegAzimuth);
    const double mu = (dOdd[1] + cP1 * 2) / 4;
    setRow(work, 4, 1, {dOdd[1] - mu, cP1 - mu, cP1 - mu, -mu});
  }

  // P2: rows 5 and 6. Equal sides take BP2.
  if (work.sBP2 >= work.sAP2) {
    work.sSel2 = work.sBP2;
    setRow(work, 5, 5, kFirstLegAzimuth);
    const double mu = (-dEven[4] + cP2 * 2) / 4;
    setRow(work, 6, 5, {-mu, cP2 - mu, cP2 - mu, -dEven[4] - mu});
  } else {
    work.sSel2 = work.sAP2;
    setRow(work, 5, 5, kSecondLegAzimuth);
    const double mu = (dOdd[3] + cP2 * 2) / 4;
    setRow(work, 6, 5, {dOdd[3] - mu, cP2 - mu, cP2 - mu, -mu});
  }

  // Row 7: log P1P2 = log(S0 sin b(4) / sin(b(2)+b(3)) * sin(b(1)+b(8)) / sin b(7)).
  const double mu1 = ((-dEven[2] + cA) + cP1 * 2) / 4;
  setRow(work, 7, 1, {cA - mu1, cP1 - mu1, cP1 - mu1, -dEven[2] - mu1});
  const double mu2 = (cA - dOdd[4]) / 4;
  setRow(work, 7, 5, {-mu2, -mu2, -dOdd[4] - mu2, cA - mu2});

  for (int r = 3; r <= 7; ++r)
    for (int j = 1; j <= 8; ++j) finite(work.cf[r][j], {"cf", r, j});
}

}  // namespace kestavo
