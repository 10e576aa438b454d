#pragma once
// Stopping a calculation at the step that cannot produce its value.
//
// Doubles do not trap, so every step that can divide by zero, leave the
// domain of a logarithm or square root, or overflow is checked where it
// happens: the fields written before it keep their texts, none after it
// is touched, and no field ever shows "nan" or "inf".
#include <cmath>
#include <stdexcept>
#include <string>

namespace kestavo {

// A calculation stopped; what() is the message for the user.
class CalculationStopped : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Names a quantity for a message: "w(1--1)", "dOdd(2)", "cf(2,5)".
struct Quantity {
  const char* symbol;
  int first = 0;   // index, 0 for none
  int second = 0;  // second index, 0 for none
  std::string text() const;
};

// Throws CalculationStopped with "计算中止：" followed by the reason.
[[noreturn]] void stopCalculation(const std::string& reason);
[[noreturn]] void stopOutOfRange(const Quantity& quantity);

// The value itself, or a stop when it is not a finite number.
inline double finite(double value, const Quantity& quantity) {
  if (!std::isfinite(value)) [[unlikely]]
    stopOutOfRange(quantity);
  return value;
}

// numerator / denominator; a zero denominator stops with the given reason.
inline double dividedBy(double numerator, double denominator, const Quantity& quantity,
                        const char* whyZero) {
  if (denominator == 0) [[unlikely]]
    stopCalculation(whyZero);
  return finite(numerator / denominator, quantity);
}

// sqrt(x); a negative x stops.
double checkedSqrtSlow(double x, const Quantity& quantity);
inline double checkedSqrt(double x, const Quantity& quantity) {
  if (!(x >= 0) || !std::isfinite(x)) [[unlikely]]
    return checkedSqrtSlow(x, quantity);
  return std::sqrt(x);
}

}  // namespace kestavo
