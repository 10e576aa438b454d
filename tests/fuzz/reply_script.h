#pragma once
// Turns fuzzer bytes into the replies a user might type, one per line.
// A plain line is the reply as typed. A line that starts with one of the
// control bytes \x01..\x06 is replaced by a typical reply made from the
// bytes after it, so that most inputs look like what users type:
//   \x01 a coordinate near the figures of real surveys
//   \x02 a packed angle DDD.MMSS
//   \x03 a zero in one of its forms
//   \x04 the rest of the line in full-width digits
//   \x05 blanks, a word or the empty reply
//   \x06 a number at the edge of the double range
#include <string>
#include <string_view>
#include <vector>

namespace kestavo::fuzz {

std::vector<std::string> replyScript(std::string_view bytes);

}  // namespace kestavo::fuzz
