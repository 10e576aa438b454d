// Precision of the new points and of the extended side P1P2 from the
// reciprocal weights of the weight functions and the unit-weight error mb.
#include <cmath>

#include "adjust/stop.h"
#include "app/field_text.h"
#include "geometry/stages.h"

namespace kestavo {
namespace {

// (1e6 / rho'')^2 = 23.504...: lateral error of a point in mm^2 per
// (S/1000 * mb)^2 and unit reciprocal weight of the azimuth.
constexpr double kAzimuthFactor = 23.5;
// (ln 10)^2 = 5.302...: the same for the log of the side, in 1e-6 units.
constexpr double kLogFactor = 5.3;
// 1e6 * log10(e) = 434294.48...: 1/m of a side whose log error is 1e-6.
constexpr double kRelativeErrorFactor = 434290;

double pointError(double side, double mb, double qAzimuth, double qLog, const char* name) {
  return finite(
      ((side * mb) * checkedSqrt(kLogFactor * qLog + kAzimuthFactor * qAzimuth, {name})) / 1000,
      {name});
}

}  // namespace

void estimatePrecision(AdjustWork& work, FormPort& form) {
  work.md1 = pointError(work.sSel1, work.mb, work.q3, work.q4, "md1");
  work.md2 = pointError(work.sSel2, work.mb, work.q5, work.q6, "md2");
  work.mlog = finite(checkedSqrt(work.q7, {"mlog"}) * work.mb, {"mlog"});
  showNumber(form, kMlogField, work.mlog);

  // Observations that close exactly have no log error: the relative error
  // is zero and shown as 1/infinity rather than stopping the calculation.
  const double ratio = kRelativeErrorFactor / work.mlog;
  if (std::isfinite(ratio)) {
    work.m = std::trunc(ratio);
    showNumber(form, kRelativeErrorField, work.m);
  } else {
    work.m = 0;
    form.setText(kRelativeErrorField.field, std::string(kNoRelativeErrorText));
  }
  showNumber(form, kMd1Field, work.md1);
  showNumber(form, kMd2Field, work.md2);
}

}  // namespace kestavo
