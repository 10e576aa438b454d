#include "entry/reply_number.h"

#include <charconv>
#include <cmath>
#include <string>

namespace kestavo {
namespace {

constexpr std::string_view kIdeographicSpace = "\u3000";

bool startsWith(std::string_view s, std::string_view p) { return s.substr(0, p.size()) == p; }
bool endsWith(std::string_view s, std::string_view p) {
  return s.size() >= p.size() && s.substr(s.size() - p.size()) == p;
}

std::string_view trimBlanks(std::string_view s) {
  for (;;) {
    if (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
      s.remove_prefix(1);
    else if (startsWith(s, kIdeographicSpace))
      s.remove_prefix(kIdeographicSpace.size());
    else
      break;
  }
  for (;;) {
    if (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
      s.remove_suffix(1);
    else if (endsWith(s, kIdeographicSpace))
      s.remove_suffix(kIdeographicSpace.size());
    else
      break;
  }
  return s;
}

// The full-width forms that a Chinese input method types: U+FF10..U+FF19
// (digits), U+FF0E (point), U+FF0D (minus), U+FF0B (plus), U+FF45 and
// U+FF25 (e, E). In UTF-8 all are EF BC xx or EF BD xx. Returns 0 for any
// other character.
char asciiForm(unsigned char second, unsigned char third) {
  const unsigned code = 0xFF00u + ((second - 0xBCu) << 6) + (third - 0x80u);
  if (code >= 0xFF10 && code <= 0xFF19) return static_cast<char>('0' + (code - 0xFF10));
  switch (code) {
    case 0xFF0E:
      return '.';
    case 0xFF0D:
      return '-';
    case 0xFF0B:
      return '+';
    case 0xFF45:
      return 'e';
    case 0xFF25:
      return 'E';
    default:
      return 0;
  }
}

// The text with full-width forms made ASCII, or nullopt when any other
// character than those of a plain decimal appears.
std::optional<std::string> asciiText(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    const auto c = static_cast<unsigned char>(s[i]);
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c == 0xEF && i + 2 < s.size() &&
               (static_cast<unsigned char>(s[i + 1]) == 0xBC ||
                static_cast<unsigned char>(s[i + 1]) == 0xBD)) {
      const auto third = static_cast<unsigned char>(s[i + 2]);
      if (third < 0x80 || third > 0xBF) return std::nullopt;
      const char a = asciiForm(static_cast<unsigned char>(s[i + 1]), third);
      if (a == 0) return std::nullopt;
      out += a;
      i += 2;
    } else {
      return std::nullopt;
    }
  }
  return out;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<double> readNumber(std::string_view reply) {
  const auto text = asciiText(trimBlanks(reply));
  if (!text) return std::nullopt;
  std::string_view s = *text;

  // Check the whole grammar here, so that from_chars sees nothing it
  // would read differently (it takes "inf", "nan" and no '+').
  std::size_t i = 0;
  const bool negative = i < s.size() && s[i] == '-';
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  const std::size_t mantissaStart = i;
  std::size_t digitCount = 0;
  bool nonZeroDigit = false;
  while (i < s.size() && isDigit(s[i])) nonZeroDigit |= s[i++] != '0', ++digitCount;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && isDigit(s[i])) nonZeroDigit |= s[i++] != '0', ++digitCount;
  }
  if (digitCount == 0) return std::nullopt;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    const std::size_t exponentStart = i;
    while (i < s.size() && isDigit(s[i])) ++i;
    if (i == exponentStart) return std::nullopt;
  }
  if (i != s.size()) return std::nullopt;

  if (!nonZeroDigit) return negative ? -0.0 : 0.0;  // any zero, whatever its exponent
  double value = 0;
  const std::string_view unsignedPart = s.substr(mantissaStart);
  const auto result =
      std::from_chars(unsignedPart.data(), unsignedPart.data() + unsignedPart.size(), value,
                      std::chars_format::general);
  if (result.ec != std::errc() || result.ptr != unsignedPart.data() + unsignedPart.size())
    return std::nullopt;
  if (!std::isfinite(value) || value == 0) return std::nullopt;
  return negative ? -value : value;
}

}  // namespace kestavo
