// Number text against the C library's "%.*g", which rounds the exact binary value.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "base/number_format.h"

namespace {

// From 1e-4 up to where the rounded value reaches 10^digits "%g" writes no exponent and drops trailing zeros: the
// general format exactly.
std::string Reference(double value, int digits) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*g", digits, value);
  return buf;
}

TEST(NumberFormat, GeneralFormatRoundsAsTheExactValueDoes) {
  std::mt19937_64 random(20241209);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  std::vector<double> values = {
      // Halfway in their shortest digits: the bits decide (0.125 and 2.5 are exact ties,
      // 0.15 lies below its tie and 0.35 above it).
      0.125, 2.5, 0.375, 0.15, 0.35, 1.005, 2.675, 1.0005, 0.0004445,
      // Rounding that carries into a new digit.
      0.99996, 9.9999, 999.999999999999999, 99.95, 0.0999999999999999999,
      // Colours and sums of glyph widths, as the exports write them.
      128 / 255.0, 1 / 255.0, 0.1 + 0.2, 556 * 0.012 + 278 * 0.012 + 722 * 0.012, 20 + 333 * 0.018,
      // Whole thousandths at the ends of the range where they take 15 digits or fewer.
      0.001, -0.001, 0.0005, 9.9995, 999999999999.999, -999999999999.999, 1000000000000.001};
  for (int i = 0; i < 3000; ++i) {
    // Whole thousandths of every size, and their neighbours a step or two of the double
    // away, as sums of glyph widths make them.
    const double scale = std::pow(10.0, int(unit(random) * 17));
    double up = std::trunc((unit(random) - 0.5) * scale) / 1000, down = up;
    values.push_back(up);
    for (int step = 0; step < 2; ++step) {
      up = std::nextafter(up, HUGE_VAL);
      down = std::nextafter(down, -HUGE_VAL);
      values.push_back(up);
      values.push_back(down);
    }
  }
  for (int i = 0; i < 3000; ++i) {
    const double magnitude = std::pow(10.0, int(unit(random) * 9) - 3);
    values.push_back((unit(random) - 0.5) * magnitude);
    double x = 20;
    for (int k = 0; k < i % 40; ++k) x += int(unit(random) * 1000) * 0.012;
    values.push_back(x);
  }
  for (int digits : {1, 2, 3, 6, 10, 15, 16, 17}) {
    for (double v : values) {
      const std::string expected = Reference(v, digits);
      // Rounded up to 10^digits, "%g" turns to an exponent.
      if (std::fabs(v) < 1e-4 || expected.find('e') != std::string::npos) continue;
      std::string out = "x";
      AppendGeneral(out, v, digits);
      ASSERT_EQ(out, "x" + expected) << "digits " << digits << ", value %a " << v;
    }
  }
}

TEST(NumberFormat, SmallValuesKeepThePoint) {
  const struct {
    double value;
    int digits;
    const char* text;
  } cases[] = {{1.0 / 255, 3, "0.00392"}, {0.00001234567, 3, "0.0000123"}, {-0.00001235, 15, "-0.00001235"},
               {0.0000099996, 4, "0.00001"}, {1e-7, 15, "0.0000001"}, {0.0, 15, "0"}, {-0.0, 15, "0"}};
  for (const auto& c : cases) EXPECT_EQ(FormatGeneral(c.value, c.digits), c.text) << c.value;
}

// Every length of whole number, both signs and the extremes, appended to text already
// there, against the C library's formatting.
TEST(NumberFormat, IntegersOfEveryLengthAppendAsPrintfWritesThem) {
  std::vector<long long> values = {LLONG_MIN, LLONG_MAX};
  for (long long v = -100; v <= 10100; ++v) values.push_back(v);
  for (long long p = 1; p <= LLONG_MAX / 10; p *= 10)
    for (long long v : {p, p - 1, 9 * p, -p, -(p + 1), 7 * p + 3}) values.push_back(v);
  for (long long v : values) {
    std::string out = "x ";
    AppendInt(out, v);
    char expected[32];
    std::snprintf(expected, sizeof expected, "x %lld", v);
    EXPECT_EQ(out, expected);
    EXPECT_EQ(IntToStr(v), expected + 2);
  }
}

}  // namespace
