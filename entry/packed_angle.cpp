#include "entry/packed_angle.h"

#include <cmath>

namespace kestavo {
namespace {

// For whole minutes the product B * 100 can fall a hair below DDDMM (0.29
// gives 28.999999999999996), which would read 28' 100" instead of 29'.
// Seconds this close to 100 can only come from that; they are carried into
// the minutes. Every other input keeps the result of the plain arithmetic.
constexpr double kCarryLimit = 100 - 1e-8;

}  // namespace

double packedToDegrees(double B) {
  const double d = std::trunc(B);  // whole degrees
  const double h = B * 100;
  const double t = B * 10000;  // from B itself, not h * 100
  const double f = std::trunc(h);
  double m = f - d * 100;  // minutes
  double s = t - f * 100;  // seconds with their decimals
  if (s > kCarryLimit) {
    m = m + 1;
    s = s - 100;
  } else if (s < -kCarryLimit) {
    m = m - 1;
    s = s + 100;
  }
  return (d + m / 60) + s / 3600;
}

}  // namespace kestavo
