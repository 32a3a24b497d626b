#include <gtest/gtest.h>

#include "model/windows1252.h"

TEST(Windows1252, EveryByteSurvivesARoundTripThroughUtf8) {
  std::string all;
  for (int b = 1; b < 256; ++b) all.push_back(char(b));
  auto back = Utf8ToWindows1252(Windows1252ToUtf8(all));
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(*back, all);
}

TEST(Windows1252, MapsTheTypographicBytesToTheirCharacters) {
  EXPECT_EQ(Windows1252ToUtf8("\x80"), "\xE2\x82\xAC");          // euro sign
  EXPECT_EQ(Windows1252ToUtf8("\x93Hi\x94"), "\xE2\x80\x9CHi\xE2\x80\x9D");
  EXPECT_EQ(Windows1252ToUtf8("\xE9"), "\xC3\xA9");              // e acute
  EXPECT_EQ(*Utf8ToWindows1252("\xE2\x80\x94"), "\x97");         // em dash
}

TEST(Windows1252, RefusesWhatItCannotHoldAndSaysWhere) {
  std::size_t where = 99;
  EXPECT_FALSE(Utf8ToWindows1252("ab\xE4\xB8\xAD", &where));  // a CJK character
  EXPECT_EQ(where, 2u);
  EXPECT_FALSE(Utf8ToWindows1252("\xC3", &where));  // cut short
  EXPECT_FALSE(Utf8ToWindows1252("\xFF", &where));  // not UTF-8
  EXPECT_FALSE(Utf8ToWindows1252("\xF0\x9F\x98\x80", &where));  // outside the plane
}
