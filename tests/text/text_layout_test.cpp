// Measuring, trimming and wrapping with the base-font metrics.
#include <gtest/gtest.h>

#include <string>

#include "model/quarrion_canvas.h"
#include "text/text.h"

namespace {

const std::string kBold = "\x01\x01", kBoldOff = "\x01\x02", kItalic = "\x01\x03";
const std::string kItalicOff = "\x01\x04", kTab = "\x01\x08", kUnderline = "\x01 ";

TEST(TextMeasure, WidthsOfTheBaseFonts) {
  TPDFText t(100, 50, 200, 100);
  struct Case {
    std::string text;
    int face;
    std::uint8_t state;
    double width;
  } cases[] = {
      {"New Text String", 0, 0, 85.356},
      {"A", 0, 1, 0.722 * 12},            // Helvetica-Bold
      {"  ", 1, 0, 2 * 0.25 * 12},        // Times-Roman space
      {"iW", 2, 3, 2 * 7.2},              // Courier: every glyph 600
      {"a\tb\x7f", 0, 0, 0.556 * 12 * 2},  // codes below 32 and 127 take no width
      {"a" + kBold + "a", 0, 0, (0.556 + 0.556) * 12},
      {"x", 3, 1, 0.493 * 12},             // Symbol has no bold: its regular xi
  };
  for (const auto& c : cases) {
    t.FontFace = c.face;
    t.StyleState = c.state;
    EXPECT_NEAR(t.MeasureText(c.text), c.width, 1e-9) << c.text;
  }
}

TEST(TextMeasure, StyleStateRunsOnAcrossCalls) {
  TPDFText t(0, 0, 100, 100);
  struct Step {
    std::string text;
    std::uint8_t after;
  } steps[] = {
      {kBold, 1}, {kItalic, 3}, {kBoldOff, 2}, {kBold, 3}, {kItalicOff, 1},
      {kBoldOff, 0}, {kItalic + kBold, 3}, {kBold, 1}, {kItalicOff, 0},
  };
  for (const auto& s : steps) {
    t.MeasureText(s.text);
    EXPECT_EQ(t.StyleState, s.after);
  }
  t.StyleState = 1;
  EXPECT_NEAR(t.MeasureText("A" + kBoldOff + "A"), (0.722 + 0.667) * 12, 1e-9);
}

TEST(TextMeasure, Tabs) {
  TPDFText t(0, 0, 100, 100);
  const double b = 0.556 * 12;
  struct Case {
    std::string text;
    double startX;
    double width;
  } cases[] = {
      {"a" + kTab + "b", 0, 36 + b},
      {kTab, 0, 36},          // from 0 to the next stop, not stop 0 itself
      {kTab, 36, 36},         // a stop exactly at x is passed over
      {kTab, 5724, 276},      // past the last stop: the limit
      {kTab, 6100, -100},     // beyond the limit the tab moves back to it
      {kTab + kTab, 30, 42},  // 36, then 72
  };
  for (const auto& c : cases) EXPECT_NEAR(t.MeasureText(c.text, c.startX), c.width, 1e-9);
  t.TabStops = {100, 50};  // out of order: the smallest stop above x still wins
  EXPECT_NEAR(t.MeasureText(kTab, 0), 50, 1e-9);
}

TEST(TextMeasure, Backslashes) {
  TPDFText t(0, 0, 100, 100);
  const double slash = 0.278 * 12, paren = 0.333 * 12, seven = 0.556 * 12, a = 0.556 * 12;
  struct Case {
    std::string text;
    double width;
  } cases[] = {
      {"\\(", paren},             // the escape of a PDF string
      {"\\7", slash + seven},     // before a digit it is a character
      {"a\\", a + slash},         // at the end too
      {"\\\\", slash},            // the first escapes the second
      {"\\" + kBold + "a", a},    // a control pair is not a digit
  };
  for (const auto& c : cases) EXPECT_NEAR(t.MeasureText(c.text), c.width, 1e-9) << c.text;
}

TEST(TextTrimLine, WhiteSpaceAndControlCodes) {
  struct Case {
    std::string in, out;
  } cases[] = {
      {"  a b  ", "a b"},
      {"\n\r\x08x\x08", "x"},
      {"   ", "   "},                  // only white space: unchanged
      {"", ""},
      {"a " + kUnderline, "a " + kUnderline},  // the underline code is not a space
      {kUnderline + "b ", kUnderline + "b"},
  };
  for (const auto& c : cases) EXPECT_EQ(TPDFText::TrimLine(c.in), c.out) << c.in;
}

TEST(TextWrap, NewTextStringInANarrowBox) {
  TPDFText wide(100, 50, 200, 100);
  EXPECT_EQ(wide.WrapText("New Text String"), "New Text String\n");
  TPDFText narrow(100, 50, 160, 100);
  EXPECT_EQ(narrow.WrapText("New Text String"), "New Text\nString\n");
  EXPECT_NEAR(narrow.MeasureText("New Text"), 50.676, 1e-9);
  EXPECT_NEAR(narrow.MeasureText("String"), 31.344, 1e-9);
  narrow.Wrap = false;
  EXPECT_EQ(narrow.WrapText("New Text String\r\nx"), "New Text String\r\nx");
}

TEST(TextWrap, BreaksWordsAndLines) {
  TPDFText t(0, 0, 22, 100);  // three Courier characters fit (7.2 points each)
  t.FontFace = 2;
  struct Case {
    std::string in, out;
  } cases[] = {
      {"abcdefgh", "abc\ndef\ngh\n"},           // a word wider than the box
      {"ab cd\r\n\r\nef", "ab\ncd\n\nef\n"},     // carriage returns go, empty lines stay
      {"a" + kBold + "bcd", "a" + kBold + "bc\nd\n"},  // a pair is never split
      {"a  b", "a\nb\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(t.WrapText(c.in), c.out) << c.in;
  TPDFText thin(0, 0, 0, 100);  // narrower than one character: one per line
  EXPECT_EQ(thin.WrapText("abc"), "a\nb\nc\n");
}

TEST(TextLayout, BulletOffsetsAndAlignment) {
  TQuarrionCanvas canvas;
  TPDFText t(100, 50, 200, 100);
  t.Bulleted = true;
  EXPECT_NEAR(t.Layout(&canvas).BulletX, -7.536, 1e-9);
  t.Alignment = TextAlign::Right;
  auto right = t.Layout(&canvas);
  EXPECT_NEAR(right.BulletX, 100 + 3.336, 1e-9);
  ASSERT_EQ(right.Lines.size(), 1u);
  EXPECT_NEAR(right.Lines[0].X0, 100 - 85.356, 1e-9);
  t.Alignment = TextAlign::Centre;
  EXPECT_NEAR(t.Layout(&canvas).Lines[0].X0, (100 - 85.356) / 2, 1e-9);
}

void ExpectSameLayout(const TPDFText::TLayout& kept, const TPDFText::TLayout& fresh, const char* what) {
  EXPECT_EQ(kept.Display, fresh.Display) << what;
  EXPECT_EQ(kept.BulletX, fresh.BulletX) << what;
  ASSERT_EQ(kept.Lines.size(), fresh.Lines.size()) << what;
  for (std::size_t i = 0; i < kept.Lines.size(); ++i) {
    EXPECT_EQ(kept.Lines[i].Start, fresh.Lines[i].Start) << what;
    EXPECT_EQ(kept.Lines[i].End, fresh.Lines[i].End) << what;
    EXPECT_EQ(kept.Lines[i].Width, fresh.Lines[i].Width) << what;
    EXPECT_EQ(kept.Lines[i].X0, fresh.Lines[i].X0) << what;
  }
}

// The kept layout must never outlive a change that moves a line break or a width.
TEST(TextLayout, KeptLayoutFollowsEveryChange) {
  TQuarrionCanvas canvas;
  TPDFText t(TTextFont{}, "Some <b>words</b><tab>that wrap in a narrow box", 100, 50, 200, 100);
  struct Change {
    const char* what;
    void (*apply)(TPDFText&);
  } changes[] = {
      {"text", [](TPDFText& x) { x.SetText("Other <i>words</i>, a few more of them"); }},
      {"size", [](TPDFText& x) { x.FontSize = 9000; }},
      {"width", [](TPDFText& x) { x.Right = 160; }},
      {"left edge", [](TPDFText& x) { x.Left = 120; }},
      {"face", [](TPDFText& x) { x.FontFace = 2; }},
      {"wrap", [](TPDFText& x) { x.Wrap = false; }},
      {"bullet", [](TPDFText& x) { x.Bulleted = true; }},
      {"alignment", [](TPDFText& x) { x.Alignment = TextAlign::Centre; }},
      {"tab stops", [](TPDFText& x) { x.TabStops = {0, 50, 100}; }},
      {"font style", [](TPDFText& x) { x.FontStyle = TextStyle::Bold; }},
  };
  for (const auto& c : changes) {
    t.CachedLayout(&canvas);
    c.apply(t);
    const TPDFText::TLayout fresh = t.Layout(&canvas);
    ExpectSameLayout(t.CachedLayout(&canvas), fresh, c.what);
  }
}

}  // namespace
