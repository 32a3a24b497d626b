// Wrapping against a literal, trial-by-trial reference on mixed markup, and the stress
// case of one long paragraph in a narrow box.
#include <gtest/gtest.h>

#include <string>

#include "text/text.h"

namespace {

// The wrapping rules done the obvious way: every trial measures its whole string from the
// style the previous trial left.
std::string ReferenceWrap(TPDFText& t, std::string s) {
  std::string rest, result;
  for (char c : s)
    if (c != '\r') rest.push_back(c);
  const double avail = double(t.Right) - t.Left;
  auto fits = [&](const std::string& x) { return t.MeasureText(x, 0) <= avail; };
  auto unit = [&](std::size_t i) -> std::size_t { return rest[i] == '\x01' && i + 1 < rest.size() ? 2 : 1; };
  while (!rest.empty()) {
    const std::size_t lf = rest.find('\n');
    const std::string line = rest.substr(0, lf);
    if (fits(line)) {
      result += line + "\n";
      rest.erase(0, lf == std::string::npos ? std::string::npos : lf + 1);
      continue;
    }
    std::string taken;
    while (!rest.empty()) {
      const std::size_t sp = rest.find(' ');
      const std::string word = rest.substr(0, sp);
      if (!fits(taken + word) || word.find('\n') != std::string::npos) break;
      taken += word + " ";
      rest.erase(0, sp == std::string::npos ? std::string::npos : sp + 1);
    }
    if (!taken.empty()) {
      result += TPDFText::TrimLine(taken) + "\n";
      continue;
    }
    if (rest[0] == '\n') {
      result += "\n";
      rest.erase(0, 1);
      continue;
    }
    std::size_t n = unit(0);
    while (n < rest.size() && rest[n] != '\n') {
      const std::size_t m = n + unit(n);
      if (!fits(rest.substr(0, m))) break;
      n = m;
    }
    result += rest.substr(0, n) + "\n";
    rest.erase(0, n + (n < rest.size() && rest[n] == '\n' ? 1 : 0));
  }
  return result;
}

// "" when equal, else where the two first differ (whole strings would flood the log).
std::string Difference(const std::string& a, const std::string& b) {
  std::size_t i = 0;
  while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
  if (i == a.size() && i == b.size()) return "";
  return "first difference at byte " + std::to_string(i) + " of " + std::to_string(a.size()) + "/" +
         std::to_string(b.size());
}

// Words, long words, double spaces, line feeds, tabs, backslashes and unbalanced style
// pairs, from a fixed seed.
std::string MixedMarkup(std::size_t length, unsigned seed, bool lineFeeds) {
  static const char* const kPieces[] = {
      "\x01\x01", "\x01\x02", "\x01\x03", "\x01\x04", "\x01\x08", "\x01 ", "\x01!", "\\", "\\7", "  ",
  };
  std::string s;
  unsigned x = seed;
  auto next = [&] { return x = x * 1103515245u + 12345u, (x >> 16) & 0x7FFF; };
  while (s.size() < length) {
    unsigned r = next() % 100;
    if (r < 12) {
      s += kPieces[next() % 10];
    } else if (r < 15 && lineFeeds) {
      s += next() % 4 ? "\n" : "\r\n";
    } else if (r < 17) {
      s += std::string(20 + next() % 40, char('a' + next() % 26));  // wider than the box
    } else {
      for (unsigned k = next() % 9 + 1; k > 0; --k) s.push_back(char(33 + next() % 222));
      s.push_back(' ');
    }
  }
  return s;
}

TEST(TextWrap, MatchesTheLiteralRulesOnMixedMarkup) {
  struct Case {
    int width, face, size;
    unsigned seed;
    bool lineFeeds;
  } cases[] = {
      {60, 0, 12000, 1, true},   {60, 1, 12000, 2, false}, {150, 0, 9000, 3, true},
      {25, 2, 12000, 4, true},   {7000, 0, 12000, 5, true},  // wider than the tab limit
      {0, 0, 12000, 6, false},   {400, 1, 30000, 7, true},
  };
  for (const auto& c : cases) {
    const std::string s = MixedMarkup(3000, c.seed, c.lineFeeds);
    TPDFText fast(0, 0, c.width, 100), slow(0, 0, c.width, 100);
    for (TPDFText* t : {&fast, &slow}) {
      t->FontFace = c.face;
      t->FontSize = c.size;
    }
    const std::string expected = ReferenceWrap(slow, s);
    EXPECT_EQ(Difference(fast.WrapText(s), expected), "") << "seed " << c.seed;
    EXPECT_EQ(fast.StyleState, slow.StyleState) << "seed " << c.seed;
  }
}

TEST(TextWrap, ALineFitsWhenExactlyAsWideAsTheBox) {
  // Courier's letters are 600/1000 em wide: at 10 pt every letter and space is 6 points, so
  // the widths below come from the font, not from the code under test.
  struct Case {
    const char* text;
    int boxWidth;
    const char* wrapped;
  } cases[] = {
      {"aaaa bbbb", 54, "aaaa bbbb\n"},   // 9 letters: exactly the box
      {"aaaa bbbb", 53, "aaaa\nbbbb\n"},  // one point wider than the box
      {"aaaaaaaaa", 54, "aaaaaaaaa\n"},   // one word exactly as wide
      {"aaaaaaaaa", 53, "aaaaaaaa\na\n"},  // one word a point too wide is cut
  };
  for (const auto& c : cases) {
    TPDFText t(10, 0, 10 + c.boxWidth, 100);
    t.FontFace = 2;  // Courier New
    t.FontSize = 10000;
    ASSERT_DOUBLE_EQ(t.MeasureText("aaaa bbbb", 0), 54.0);
    EXPECT_EQ(t.WrapText(c.text), c.wrapped) << c.text << " in " << c.boxWidth;
  }
}

TEST(TextWrap, LongParagraphInANarrowBox) {
  const std::string s = MixedMarkup(60000, 42, false);
  TPDFText t(0, 0, 60, 100);
  const std::string wrapped = t.WrapText(s);
  // Nothing is lost or added except the breaks and the spaces at them.
  auto letters = [](const std::string& x) {
    std::string out;
    for (char c : x)
      if (c != ' ' && c != '\n') out.push_back(c);
    return out;
  };
  EXPECT_EQ(Difference(letters(wrapped), letters(s)), "");
  std::size_t lines = 0;
  for (char c : wrapped) lines += c == '\n';
  EXPECT_GT(lines, 3000u);
  // The same rules as the reference on the start of the paragraph.
  const std::string head = s.substr(0, 4000);
  TPDFText fast(0, 0, 60, 100), slow(0, 0, 60, 100);
  EXPECT_EQ(Difference(fast.WrapText(head), ReferenceWrap(slow, head)), "");
}

}  // namespace
