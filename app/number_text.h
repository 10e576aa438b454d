#pragma once
#include <string>

namespace kestavo {

// The one number-to-text conversion of the window: x rounded to `decimals`
// places (0, 2 or 3), ties to even on the double product x * 10^decimals,
// then written with up to 15 significant digits, no trailing zeros, "0"
// for zero, and the form 1.23456789012346E+15 from 10^15 on.
std::string numberText(double x, int decimals);

}  // namespace kestavo
