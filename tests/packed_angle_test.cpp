// Packed DDD.MMSS to decimal degrees.
#include "entry/packed_angle.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "entry/reply_number.h"

namespace kestavo {
namespace {

struct PackedCase {
  const char* reply;
  double degrees;  // exact double
};

double packed(const char* reply) { return packedToDegrees(*readNumber(reply)); }

TEST(PackedToDegreesTest, PlainArithmeticBitForBit) {
  const PackedCase cases[] = {
      {"45.3", 45.5},
      {"30.0000", 30},
      {"90", 90},
      {"45.2930", 45.49166666666667},
      {"0.5959", 0.9997222222222222},
      {"0.0001", 0.0002777777777777778},
      {"12.3456789", 12.582441388888887},
      {"45.6", 46},  // minutes of 60 carry through
      {"45.0060", 45.016666666666666},
      {"123.4567", 123.76861111111111},
      {"1.38", 1.6333333333333329},  // seconds a hair below zero: kept
      {"359.5959", 359.9997222222221},
      {"-45.3015", -45.50416666666667},
      {"-0.3", -0.5},
  };
  for (const auto& c : cases) EXPECT_EQ(packed(c.reply), c.degrees) << c.reply;
  EXPECT_EQ(packed("45.0060"), packed("45.01"));
}

TEST(PackedToDegreesTest, WholeMinutesJustBelowTheProductAreCarried) {
  // B * 100 falls just below DDDMM for these; read plainly they would be
  // one minute short with about 100 seconds.
  EXPECT_EQ(packed("0.29"), 29.0 / 60);
  EXPECT_EQ(packed("0.2900"), packed("0.29"));
  EXPECT_EQ(packed("4.35"), 4 + 35.0 / 60);
  EXPECT_NEAR(packed("2.01"), 2 + 1.0 / 60, 1e-12);
  EXPECT_EQ(packed("-0.29"), -(29.0 / 60));
  EXPECT_NEAR(packed("-2.01"), -(2 + 1.0 / 60), 1e-12);
}

TEST(PackedToDegreesTest, EveryWholeMinuteInputIsExact) {
  char text[16];
  for (int d = 0; d < 360; ++d) {
    for (int mm = 0; mm < 60; ++mm) {
      std::snprintf(text, sizeof text, "%d.%02d", d, mm);
      const double expected = d + mm / 60.0;
      ASSERT_NEAR(packed(text), expected, 1e-12) << text;
      std::snprintf(text, sizeof text, "-%d.%02d00", d, mm);
      ASSERT_NEAR(packed(text), -expected, 1e-12) << text;
    }
  }
}

}  // namespace
}  // namespace kestavo
