#include "app/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace kestavo {
namespace {

// Nearest whole number, a tie going to the even one. Written out rather
// than left to the floating-point rounding mode.
double roundHalfEven(double p) {
  const double below = std::floor(p);
  const double fraction = p - below;  // exact
  if (fraction > 0.5) return below + 1;
  if (fraction < 0.5) return below;
  return std::fmod(below, 2) == 0 ? below : below + 1;
}

constexpr int kSignificantDigits = 15;

// A rounded value whose scaled whole number has at most 15 digits is
// written exactly by those digits: the double r = scaled / 10^n lies far
// closer to that decimal than half a unit of its 15th digit.
constexpr double kPlainLimit = 1e15;

std::string plainText(long long scaled, int decimals) {
  char buf[24];
  const unsigned long long magnitude =
      scaled < 0 ? 0ULL - static_cast<unsigned long long>(scaled) : scaled;
  std::string digits(buf, std::to_chars(buf, buf + sizeof buf, magnitude).ptr);
  const std::size_t places = static_cast<std::size_t>(decimals);
  if (digits.size() <= places) digits.insert(0, places + 1 - digits.size(), '0');
  std::string_view fraction = std::string_view(digits).substr(digits.size() - places);
  while (!fraction.empty() && fraction.back() == '0') fraction.remove_suffix(1);

  std::string out = scaled < 0 ? "-" : "";
  out.append(digits, 0, digits.size() - places);
  if (!fraction.empty()) out.append(".").append(fraction);
  return out;
}

}  // namespace

std::string numberText(double x, int decimals) {
  const double scale = decimals == 3 ? 1000 : decimals == 2 ? 100 : 1;
  const double product = x * scale;
  // Beyond 2^53 every double is whole, so a product that overflows stands
  // for a value that rounding leaves as it is.
  const double scaled = std::isfinite(product) ? roundHalfEven(product) : product;
  if (scaled == 0) return "0";
  if (std::fabs(scaled) < kPlainLimit) return plainText(static_cast<long long>(scaled), decimals);
  const double r = std::isfinite(scaled) ? scaled / scale : x;

  // d.dddddddddddddde+XX: the 15 significant digits and the exponent.
  char buf[40];
  const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(r), std::chars_format::scientific,
                                 kSignificantDigits - 1);
  const std::string_view sci(buf, res.ptr - buf);
  const auto ePos = sci.find('e');
  std::string digits(1, sci[0]);
  digits += sci.substr(2, ePos - 2);
  const int exponent = std::atoi(std::string(sci.substr(ePos + 1)).c_str());
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  std::string out = r < 0 ? "-" : "";
  if (exponent >= kSignificantDigits) {
    out += digits[0];
    if (digits.size() > 1) out += "." + digits.substr(1);
    const std::string e = std::to_string(exponent);
    out += "E+" + std::string(e.size() < 2 ? 1 : 0, '0') + e;
  } else if (exponent >= 0) {
    const std::size_t whole = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= whole) {
      out += digits + std::string(whole - digits.size(), '0');
    } else {
      out += digits.substr(0, whole) + "." + digits.substr(whole);
    }
  } else {
    out += "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
  }
  return out;
}

}  // namespace kestavo
