#pragma once

namespace kestavo {

// Packed sexagesimal DDD.MMSS (further digits are decimals of a second) to
// decimal degrees. Works on the number, never on the digits of the text.
double packedToDegrees(double B);

}  // namespace kestavo
