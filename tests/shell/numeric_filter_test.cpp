// The numeric entry filter of the dialogs' fields and the font dialog's Size field.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "shell/numeric_filter.h"

namespace {
const std::string k30Digits = "123456789012345678901234567890";

TEST(NumericFilter, RewritesTheFieldText) {
  struct Case {
    std::string Text;
    bool Integers, Negative, Hex;
    std::uint32_t Maximum;
    char Separator;
    const char* Expected;
  };
  const Case cases[] = {
      // The small dialogs' fields: integers, no sign, at most 65535.
      {"", true, false, false, 65535, '.', "0"},
      {"-", true, false, false, 65535, '.', "0"},
      {"12a3", true, false, false, 65535, '.', "123"},
      {"70000", true, false, false, 65535, '.', "65535"},
      {"65535", true, false, false, 65535, '.', "65535"},
      {"65536", true, false, false, 65535, '.', "65535"},
      {"007", true, false, false, 65535, '.', "007"},
      {"1.5", true, false, false, 65535, '.', "15"},
      {"-5", true, false, false, 65535, '.', "5"},
      {"abc", true, false, false, 65535, '.', "0"},
      {k30Digits, true, false, false, 65535, '.', "65535"},
      {"18446744073709551616", true, false, false, 65535, '.', "65535"},  // 2^64
      {"99999999999999999999", true, false, false, 0xFFFFFFFF, '.', "4294967295"},
      {"4294967295", true, false, false, 0xFFFFFFFF, '.', "4294967295"},
      // Fractions with the system's separator, and a sign.
      {"-12,5", false, true, false, 100, ',', "-12,5"},
      {"1,2,3", false, true, false, 100, ',', "1,23"},
      {"1.5", false, true, false, 100, ',', "15"},
      {"5-", false, true, false, 100, ',', "5"},
      {"-", false, true, false, 100, ',', "0"},
      {"-x", false, true, false, 100, ',', "0"},
      {"--3", false, true, false, 100, ',', "-3"},
      {"-999", false, true, false, 100, ',', "-999"},
      {"100,0", false, true, false, 100, ',', "100,0"},
      {"100,01", false, true, false, 100, ',', "100"},
      {"150,5", false, true, false, 100, ',', "100"},
      {",5", false, true, false, 100, ',', ",5"},
      {k30Digits + ",5", false, false, false, 100, ',', "100"},
      // Hexadecimal, which is always integers.
      {"1g2", false, false, true, 0xFFFFFF, '.', "12"},
      {"1000000", false, false, true, 0xFFFFFF, '.', "FFFFFF"},
      {"FFFFFF", false, false, true, 0xFFFFFF, '.', "FFFFFF"},
      {"ff", false, false, true, 0xFFFFFF, '.', "FF"},
      {"00a", false, false, true, 0xFFFFFF, '.', "A"},
      {"000", false, false, true, 0xFFFFFF, '.', "0"},
      {"12.5", false, false, true, 0xFFFFFF, '.', "125"},
      {"", false, false, true, 0xFFFFFF, '.', "0"},
      {std::string(30, 'f'), false, false, true, 0xFFFFFF, '.', "FFFFFF"},
      {"10000000000000000", false, false, true, 0xFFFFFF, '.', "FFFFFF"},  // 2^64
      {"-0ff", false, true, true, 0xFFFFFF, '.', "-FF"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FilterNumericText(c.Text, c.Integers, c.Negative, c.Hex, c.Maximum, c.Separator),
              c.Expected)
        << '"' << c.Text << '"';
}

TEST(NumericFilter, CaretStaysWhereItWasWithinTheNewText) {
  struct Case {
    FieldText Before, After;
  };
  const Case cases[] = {
      {{"12a3", 4}, {"123", 3}},
      {{"1a23", 2}, {"123", 2}},
      {{"", 0}, {"0", 0}},
      {{"70000", 5}, {"65535", 5}},
      {{"x", 1}, {"0", 1}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FilterNumericField(c.Before, true, false, false, 65535, '.'), c.After)
        << c.Before.Text;
}

TEST(FontSizeField, KeepsDigitsAndTheFirstSeparator) {
  struct Case {
    const char* Text;
    char Separator;
    const char* Expected;
  };
  const Case cases[] = {
      {"12.5", '.', "12.5"}, {"1a2.5.3", '.', "12.53"}, {"", '.', ""},  {"abc", '.', ""},
      {"-3", '.', "3"},      {"12,5", ',', "12,5"},     {"12,5", '.', "125"},
  };
  for (const Case& c : cases) EXPECT_EQ(FilterFontSizeText(c.Text, c.Separator), c.Expected);
}

TEST(FontSizeField, SizeInThousandthsRoundedHalfToEven) {
  struct Case {
    std::string Text;
    int Expected;
  };
  const Case cases[] = {
      {"12", 12000},         {"", 0},
      {"10.5", 10500},       {".25", 250},
      {"12.3456", 12346},    {"12.3454", 12345},
      {"0.0005", 0},         {"0.0015", 2},
      {"0.00051", 1},        {"0.0025000", 2},
      {"7.", 7000},          {k30Digits, INT_MAX},
      {"2147483.647", INT_MAX}, {"2147483.646", INT_MAX - 1},
      {"0." + k30Digits, 123},
      {"18446744073709551.616", INT_MAX},  // 2^64 thousandths
  };
  for (const Case& c : cases) EXPECT_EQ(FontSizeFromText(c.Text, '.'), c.Expected) << c.Text;
  EXPECT_EQ(FontSizeFromText("12,5", ','), 12500);
}
}  // namespace
