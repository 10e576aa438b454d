#include "tests/fuzz/reply_script.h"

#include <array>
#include <cstdio>

namespace kestavo::fuzz {
namespace {

unsigned byteAt(std::string_view s, std::size_t i) {
  return i < s.size() ? static_cast<unsigned char>(s[i]) : 0u;
}

std::string coordinate(std::string_view arg) {
  static constexpr std::array<int, 6> kBases = {0, 1000, 2000, 3456789, 500000, -1000};
  const int base = kBases[byteAt(arg, 0) % kBases.size()];
  const int metres = static_cast<int>(byteAt(arg, 1) * 16 + byteAt(arg, 2) % 16) - 2048;
  const unsigned millimetres = byteAt(arg, 3) * 4 % 1000;
  char text[48];
  std::snprintf(text, sizeof text, "%d.%03u", base + metres, millimetres);
  return text;
}

std::string packedAngle(std::string_view arg) {
  const unsigned degrees = byteAt(arg, 0) % 181;
  const unsigned minutes = byteAt(arg, 1) % 60;
  const unsigned seconds = byteAt(arg, 2) % 60;
  char text[32];
  if (byteAt(arg, 3) % 4 == 0)
    std::snprintf(text, sizeof text, "%u.%02u", degrees, minutes);
  else
    std::snprintf(text, sizeof text, "%u.%02u%02u", degrees, minutes, seconds);
  return text;
}

std::string zero(std::string_view arg) {
  static constexpr std::array<const char*, 7> kZeros = {"0", "00", "-0", "0.0", "０", " 0", "0e5"};
  return kZeros[byteAt(arg, 0) % kZeros.size()];
}

std::string fullWidth(std::string_view arg) {
  std::string out;
  for (const char c : arg) {
    if (c >= '0' && c <= '9') out += "\xEF\xBC" + std::string(1, static_cast<char>(0x90 + (c - '0')));
    else if (c == '.') out += "．";
    else if (c == '-') out += "－";
    else out += c;
  }
  return out;
}

std::string blankOrWord(std::string_view arg) {
  static constexpr std::array<const char*, 8> kTexts = {"", " ", "\u3000", "\t", "abc", "是", "1,5", "ok"};
  return kTexts[byteAt(arg, 0) % kTexts.size()];
}

std::string edgeNumber(std::string_view arg) {
  static constexpr std::array<const char*, 8> kEdges = {"1e308",  "-1e308", "1e-320", "1.5e304",
                                                        "1e400",  "1e-400", "359.5959", "180"};
  return kEdges[byteAt(arg, 0) % kEdges.size()];
}

}  // namespace

std::vector<std::string> replyScript(std::string_view bytes) {
  std::vector<std::string> replies;
  if (bytes.empty()) return replies;
  // Every newline separates two replies: "a\n" is "a" and then Enter.
  for (bool more = true; more;) {
    const auto end = bytes.find('\n');
    more = end != std::string_view::npos;
    const std::string_view line = bytes.substr(0, end);
    bytes = more ? bytes.substr(end + 1) : std::string_view();
    const std::string_view arg = line.empty() ? line : line.substr(1);
    switch (line.empty() ? 0 : line[0]) {
      case '\x01': replies.push_back(coordinate(arg)); break;
      case '\x02': replies.push_back(packedAngle(arg)); break;
      case '\x03': replies.push_back(zero(arg)); break;
      case '\x04': replies.push_back(fullWidth(arg)); break;
      case '\x05': replies.push_back(blankOrWord(arg)); break;
      case '\x06': replies.push_back(edgeNumber(arg)); break;
      default: replies.emplace_back(line);
    }
  }
  return replies;
}

}  // namespace kestavo::fuzz
