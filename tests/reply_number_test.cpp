// Reading a typed reply as a number.
#include "entry/reply_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace kestavo {
namespace {

struct ReadCase {
  const char* reply;
  std::optional<double> value;
};

TEST(ReadNumberTest, PlainDecimalsAndTheirFullWidthForms) {
  const ReadCase cases[] = {
      {"1000", 1000},
      {"45.3020", 45.302},
      {"-45.3015", -45.3015},
      {"+7", 7},
      {".5", 0.5},
      {"5.", 5},
      {"1e3", 1000},
      {"2.5E-3", 0.0025},
      {"1e+2", 100},
      {" \t45.3 \t", 45.3},
      {"\u3000１２．５\u3000", 12.5},  // ideographic spaces and full-width digits
      {"－４５．３０１５", -45.3015},
      {"＋３", 3},
      {"１ｅ３", 1000},
      {"１Ｅ－２", 0.01},
      {"0.1", 0.1},  // the nearest double
      {"4.35", 4.35},
      {"1e-310", 1e-310},  // subnormal but not zero
      {"1.7976931348623157e308", 1.7976931348623157e308},
  };
  for (const auto& c : cases) {
    const auto read = readNumber(c.reply);
    ASSERT_TRUE(read.has_value()) << c.reply;
    EXPECT_EQ(*read, *c.value) << c.reply;
  }
}

TEST(ReadNumberTest, ZeroInAnyForm) {
  for (const char* reply :
       {"0", "00", "-0", "0.0", "+0", ".0", "0.", "0e5", "0e-999", "０", "－０", " 0 "}) {
    const auto read = readNumber(reply);
    ASSERT_TRUE(read.has_value()) << reply;
    EXPECT_EQ(*read, 0) << reply;
  }
}

TEST(ReadNumberTest, TextsThatAreNoNumber) {
  for (const char* reply :
       {"",         " ",    "\u3000",   "abc", "inf",   "-inf",   "nan",    "NaN",
        "infinity", "0x10", "1,000",    "1,5", "1 000", "1e",     "e3",     ".",
        "-",        "+",    "+-1",      "--1", "1e400", "-1e400", "1e-400", "45.30.15",
        "１２a",    "12a",  "１２　３", "45°", "1d2",   "٣"}) {
    EXPECT_FALSE(readNumber(reply).has_value()) << reply;
  }
}

}  // namespace
}  // namespace kestavo
