// The base line AB from the given coordinates, and the four sides of the
// figure by the sine rule, with AB opposite the angle at the new point.
#include <cmath>

#include "adjust/stop.h"
#include "geometry/angles.h"
#include "geometry/stages.h"

namespace kestavo {
namespace {

// Azimuth of A -> B in degrees, 0 <= value < 360, clockwise from north.
double baseAzimuth(const AdjustWork& work) {
  const double dx = work.dx;
  const double dy = work.dy;
  if (dx == 0) return dy > 0 ? 90 : 270;
  if (dy == 0) return dx < 0 ? 180 : 0;
  // The arcsine of dy / S0, formed through the arctangent.
  const double s = dy / work.S0;
  const double cosine = checkedSqrt(1 - s * s, {"alphaAB"});
  // A base line so steep that s*s rounds to 1 points due east or west.
  double t = cosine == 0 ? (s > 0 ? 90 : -90) : std::atan(s / cosine) / AdjustWork::radPerDeg;
  if (dx < 0) t = 180 - t;
  if (dx > 0 && dy < 0) t = t + 360;
  return t;
}

}  // namespace

void computeBaseAndSides(AdjustWork& work) {
  work.dx = finite(work.Xb - work.Xa, {"dx"});
  work.dy = finite(work.Yb - work.Ya, {"dy"});
  work.S0 = checkedSqrt(work.dx * work.dx + work.dy * work.dy, {"S0"});
  if (work.S0 == 0) [[unlikely]]
    stopCalculation("A、B 两点的坐标相同，基线 AB 的长度为零，无法推算待定点。");
  work.alphaAB = baseAzimuth(work);
  computeSides(work);
}

void computeSides(AdjustWork& work) {
  const auto& b = work.B;
  const double sinP1 = sinDeg(b[2] + b[3]);  // angle at P1
  const double sinP2 = sinDeg(b[6] + b[7]);  // angle at P2
  const char* const atP1 = "P1 点的角 b(2)+b(3) 的正弦为零，按正弦定理推算边长时除数为零。";
  const char* const atP2 = "P2 点的角 b(6)+b(7) 的正弦为零，按正弦定理推算边长时除数为零。";
  work.sAP1 = dividedBy(work.S0 * sinDeg(b[4]), sinP1, {"sAP1"}, atP1);
  work.sBP1 = dividedBy(work.S0 * sinDeg(b[1]), sinP1, {"sBP1"}, atP1);
  work.sBP2 = dividedBy(work.S0 * sinDeg(b[8]), sinP2, {"sBP2"}, atP2);
  work.sAP2 = dividedBy(work.S0 * sinDeg(b[5]), sinP2, {"sAP2"}, atP2);
}

}  // namespace kestavo
