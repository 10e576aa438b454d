#pragma once
// Trigonometry on angles in degrees, always through radPerDeg.
#include <cmath>

#include "adjust/adjust_work.h"

namespace kestavo {

inline double sinDeg(double degrees) { return std::sin(degrees * AdjustWork::radPerDeg); }
inline double cosDeg(double degrees) { return std::cos(degrees * AdjustWork::radPerDeg); }
inline double tanDeg(double degrees) { return std::tan(degrees * AdjustWork::radPerDeg); }

}  // namespace kestavo
