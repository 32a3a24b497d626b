#include <gtest/gtest.h>

#include <clocale>
#include <cstdint>
#include <random>
#include <string>

#include "base/number_format.h"
#include "base/pdf_colour_state.h"
#include "base/pdf_state_cache.h"
#include "base/pdf_syntax.h"

namespace {

TEST(PdfSyntax, ColourComponentsHaveThreeSignificantDigits) {
  struct Case {
    TColor colour;
    const char* expected;
  } cases[] = {
      {0xFFFFFF, "1 1 1"},         {0x000000, "0 0 0"},          {0x808080, "0.502 0.502 0.502"},
      {0x000001, "0.00392 0 0"},   {0x0000FF, "1 0 0"},          {0xFF0000, "0 0 1"},
      {0x00FE00, "0 0.996 0"},     {0x0A141E, "0.118 0.0784 0.0392"},
  };
  for (const Case& c : cases) EXPECT_EQ(PDFColour(c.colour), c.expected) << std::hex << c.colour;
  EXPECT_EQ(SVGColour(0x0000FF), "#FF0000");
  EXPECT_EQ(SVGColour(0xA0B0C0), "#C0B0A0");
}

TEST(PdfSyntax, PdfStringsEscapeBackslashAndParentheses) {
  struct Case {
    std::string in;
    std::string expected;
  } cases[] = {
      {"a(b)\\c", "a\\(b\\)\\\\c"},
      {"\\(", "\\\\\\("},
      {"plain", "plain"},
      {"", ""},
      {")", "\\)"},
      {"((x", "\\(\\(x"},
      {std::string("a\0(", 3), std::string("a\0\\(", 4)},
      {"caf\xE9 \x80 <&>", "caf\xE9 \x80 <&>"},  // bytes above 127 and markup pass
  };
  for (const Case& c : cases) EXPECT_EQ(EscapeText(c.in, false), c.expected) << c.in;
}

TEST(PdfSyntax, XmlEscapesMarkupAndHighBytes) {
  struct Case {
    std::string in;
    std::string expected;
  } cases[] = {
      {"<a href='x'>&\"", "&lt;a href=&apos;x&apos;&gt;&amp;&quot;"},
      {"&lt;", "&amp;lt;"},
      {"\x80", "&#8364;"},
      {"\xE9", "&#233;"},
      {"\xA0\xFF", "&#160;&#255;"},
      {"(\\)", "(\\)"},
      // XML cannot hold these control bytes; tab and line ends stay.
      {std::string("a\x01" "b\x1F" "\x00" "c", 6), "abc"},
      {"a\tb\r\n", "a\tb\r\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(EscapeText(c.in, true), c.expected) << c.in;
}

TEST(PdfSyntax, XmlMapsBytes80To9FThroughTheTable) {
  // The table as the slide show has always written it (0x81 and 0x85 share U+2026).
  const int codes[32] = {0x20AC, 0x2026, 0x201A, 0x0191, 0x201E, 0x2026, 0x2020, 0x2021,
                         0x0088, 0x2030, 0x0160, 0x008B, 0x0152, 0x008D, 0x017D, 0x008F,
                         0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                         0x0098, 0x2122, 0x0161, 0x009B, 0x0153, 0x009D, 0x017E, 0x0178};
  std::string all;
  std::string expected;
  for (int b = 0x80; b <= 0x9F; ++b) {
    all.push_back(char(b));
    expected += "&#" + std::to_string(codes[b - 0x80]) + ";";
  }
  EXPECT_EQ(EscapeText(all, true), expected);
}

TEST(PdfSyntax, DestinationsCountSlidesFromPageObjectFour) {
  EXPECT_EQ(PDFDestination(0, 0, 0, 0), "/Dest [4 0 R /XYZ 0 0 0]\n");
  EXPECT_EQ(PDFDestination(3, 10, 1.5, 200), "/Dest [10 0 R /XYZ 10 200 1.5]\n");
  EXPECT_EQ(PDFDestination(1, -5, 0.3333, 7), "/Dest [6 0 R /XYZ -5 7 0.33]\n");
}

// Codes from the PDFDocEncoding table (quotedblleft 0x8D, endash 0x85, Euro 0xA0), and
// UTF-16BE for what that table lacks (the no-break space, the soft hyphen).
TEST(PdfSyntax, TextStringsInPDFDocEncodingOrUtf16) {
  struct Case {
    std::string text, expected;
  } cases[] = {
      {"Plain (1) \\", "(Plain \\(1\\) \\\\)"},
      {"\x93Hi\x94 \x96 \x80 \xE9", "(\x8DHi\x8E \x85 \xA0 \xE9)"},
      {"\x88\x98\x8A\x9F", "(\x1A\x1F\x97\x98)"},
      {"a\xA0" "b", "<FEFF006100A00062>"},
      {"\x80\xAD", "<FEFF20AC00AD>"},
      {"(\x81)", "<FEFF002800810029>"},
  };
  for (const Case& c : cases) {
    std::string out = "x";
    AppendPDFTextString(out, c.text);
    EXPECT_EQ(out, "x" + c.expected) << c.text;
  }
}

// PDF numbers must keep their point whatever the user's locale says.
TEST(PdfSyntax, NumbersIgnoreACommaDecimalLocale) {
  const char* previous = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = previous ? previous : "C";
  ASSERT_TRUE(std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
      << "no de_DE.UTF-8 locale: scripts/setup.sh generates it";
  const bool commaLocale = *std::localeconv()->decimal_point == ',';
  const std::string general = FormatGeneral(2.5, 3);
  const std::string colour = PDFColour(0x808080);
  const std::string dest = PDFDestination(0, 0, 1.5, 0);
  std::setlocale(LC_NUMERIC, saved.c_str());
  ASSERT_TRUE(commaLocale);
  EXPECT_EQ(general, "2.5");
  EXPECT_EQ(colour, "0.502 0.502 0.502");
  EXPECT_EQ(dest, "/Dest [4 0 R /XYZ 0 0 1.5]\n");
}

TEST(PdfSyntax, StateCacheWritesOnlyChanges) {
  TPDFStateCache cache;
  EXPECT_EQ(cache.SetPDFState("J", "1"), "1 J\n");
  EXPECT_EQ(cache.SetPDFState("J", "1"), "");
  EXPECT_EQ(cache.SetPDFState("rg", "0.502 0 1"), "0.502 0 1 rg\n");
  EXPECT_EQ(cache.SetPDFState("RG", "0.502 0 1"), "0.502 0 1 RG\n");  // operators are distinct
  EXPECT_EQ(cache.SetPDFState("J", "2"), "2 J\n");
  EXPECT_EQ(cache.SetPDFState("J", "1"), "1 J\n");
  EXPECT_EQ(cache.SetPDFState("n", ""), "n\n");
  EXPECT_EQ(cache.SetPDFState("n", ""), "");
  cache.Clear();
  EXPECT_EQ(cache.SetPDFState("J", "1"), "1 J\n");

  EXPECT_EQ(cache.EndPDFText(), "");
  EXPECT_EQ(cache.BeginPDFText(), "BT ");
  EXPECT_EQ(cache.BeginPDFText(), "");
  EXPECT_TRUE(cache.InText());
  EXPECT_EQ(cache.EndPDFText(), "ET ");
  EXPECT_EQ(cache.EndPDFText(), "");
}

// Colours, widths and solid dashes set by number write what setting their text writes,
// whatever mix of the two ways and of clearing comes between: a long random run against
// a cache that is only ever given text.
TEST(PdfSyntax, StateSetByNumberWritesWhatTheTextWould) {
  using TKeyed = TPDFStateCache::TKeyed;
  std::mt19937 random(7);
  TPDFStateCache byText, byNumber;
  std::string expected, written;
  const TColor colours[] = {0x000000, 0xFFFFFF, 0x808080, 0x0000FF};
  for (int step = 0; step < 20000; ++step) {
    const TColor colour = colours[random() % 4];
    const long long width = random() % 3;
    const std::string_view colourOp = random() % 2 ? "rg" : "RG";
    switch (random() % 7) {
      case 0:  // a colour, by number where the other is given text
        byText.AppendPDFState(expected, colourOp, PDFColour(colour));
        AppendPDFColourState(byNumber, written, colourOp, colour);
        break;
      case 1:  // a colour given as text to both
        byText.AppendPDFState(expected, colourOp, PDFColour(colour));
        byNumber.AppendPDFState(written, colourOp, PDFColour(colour));
        break;
      case 2:  // a width
        byText.AppendPDFState(expected, "w", IntToStr(width));
        AppendPDFWidthState(byNumber, written, width);
        break;
      case 3:  // a width given as text
        byText.AppendPDFState(expected, "w", IntToStr(width));
        byNumber.AppendPDFState(written, "w", IntToStr(width));
        break;
      case 4: {  // a solid dash by number, or a dashed one as text
        const std::string dash = width == 0 ? "[] 0" : "[3 2] 0";
        byText.AppendPDFState(expected, "d", dash);
        if (width != 0)
          byNumber.AppendPDFState(written, "d", dash);
        else if (!byNumber.Unchanged(TKeyed::Dash, 0))
          byNumber.AppendKeyed(written, TKeyed::Dash, 0, dash);
        break;
      }
      case 5:  // another operator
        byText.AppendPDFState(expected, "J", IntToStr(width));
        byNumber.AppendPDFState(written, "J", IntToStr(width));
        break;
      default:
        if (random() % 8 == 0) {
          byText.Clear();
          byNumber.Clear();
        }
    }
    ASSERT_EQ(written, expected) << "step " << step;
  }
}

}  // namespace
