#pragma once
#include <optional>
#include <string_view>

namespace kestavo {

// Reads a reply as a number: blanks (space, tab, U+3000) around it are
// dropped, full-width digits, point, signs and e/E count as their ASCII
// forms, and what is left must be a plain decimal [+-]digits[.digits]
// [e[+-]digits] (".5" and "5." too). Gives the nearest double, whatever the
// locale. Anything else, and a value outside the range of a double
// (overflow, or a non-zero text that would come out as 0), is no number.
std::optional<double> readNumber(std::string_view reply);

}  // namespace kestavo
