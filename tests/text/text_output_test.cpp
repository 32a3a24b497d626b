// PDF, SVG and screen output of text objects, and the link areas they attach.
#include <gtest/gtest.h>

#include "model/quarrion_canvas.h"
#include "objects/annot.h"
#include "support/recording_surface.h"
#include "text/text.h"

namespace {

// The default object's box on a 432 x 324 page, after the page background set a white fill.
struct Output {
  TQuarrionCanvas canvas;
  TPDFText text{100, 50, 300, 100};
  Output() { canvas.SetPDFState("rg", "1 1 1"); }
  std::string PDF(const std::string& markup) {
    text.SetText(markup);
    std::string out;
    text.PDFCode(canvas, out);
    return out;
  }
  std::string SVG(const std::string& markup) {
    text.SetText(markup);
    std::string out;
    text.SVGCode(canvas, out);
    return out;
  }
};

const std::string kHead = "BT 0 0 0 rg\n/F0 12 Tf\n1 w\n";

TEST(TextPDF, LinesAlignmentAndStyles) {
  struct Case {
    std::string markup;
    std::uint8_t alignment;
    std::string pdf;
  } cases[] = {
      {"New Text String", TextAlign::Left, kHead + "1 0 0 1 100 262 Tm (New Text String) Tj "},
      {"a\r\nb", TextAlign::Left, kHead + "1 0 0 1 100 262 Tm (a) Tj 1 0 0 1 100 247.6 Tm (b) Tj "},
      {"New Text String", TextAlign::Centre, kHead + "1 0 0 1 157.322 262 Tm (New Text String) Tj "},
      {"New Text String", TextAlign::Right, kHead + "1 0 0 1 214.644 262 Tm (New Text String) Tj "},
      {"a<b>b</b>c", TextAlign::Left,
       kHead + "1 0 0 1 100 262 Tm (a) Tj /F0b 12 Tf\n(b) Tj /F0 12 Tf\n(c) Tj "},
      {"(a\\b)", TextAlign::Left, kHead + "1 0 0 1 100 262 Tm (\\(a\\\\b\\)) Tj "},
      // After a tab the text starts at the stop.
      {"a<tab>b", TextAlign::Left, kHead + "1 0 0 1 100 262 Tm (a) Tj 1 0 0 1 136 262 Tm (b) Tj "},
  };
  for (const auto& c : cases) {
    Output o;
    o.text.Alignment = c.alignment;
    EXPECT_EQ(o.PDF(c.markup), c.pdf) << c.markup;
  }
}

TEST(TextPDF, LineWidthFollowsTheSize) {
  struct Case {
    int size;
    const char* op;
  } cases[] = {{12000, "\n1 w\n"}, {24000, "\n2 w\n"}, {5000, "\n0 w\n"}, {18000, "\n2 w\n"}};
  for (const auto& c : cases) {
    Output o;
    o.text.FontSize = c.size;
    EXPECT_NE(o.PDF("x").find(c.op), std::string::npos) << c.size;
  }
}

TEST(TextPDF, BlockOutBulletAndBoldObject) {
  Output o;
  o.text.BlockOut = true;
  o.text.BlockColour = 0x00FFFF;  // yellow
  o.text.Bulleted = true;
  EXPECT_EQ(o.PDF("New Text String"),
            "1 1 0 rg\n96 259.6 93.356 14.4 re\nF\nBT 0 0 0 rg\n/F0 12 Tf\n1 w\n"
            "1 0 0 1 92.464 262 Tm (\x95) Tj 1 0 0 1 100 262 Tm (New Text String) Tj ");
  Output bold;
  bold.text.FontStyle = TextStyle::Bold | TextStyle::Italic;
  // The whole-object pairs open italic first, then bold, and close in reverse.
  EXPECT_EQ(bold.PDF("x"), "BT 0 0 0 rg\n/F0bi 12 Tf\n1 w\n1 0 0 1 100 262 Tm /F0i 12 Tf\n/F0bi 12 Tf\n"
                           "(x) Tj /F0i 12 Tf\n/F0 12 Tf\n");
}

TEST(TextPDF, UnderlinesAndLinks) {
  Output o;
  EXPECT_EQ(o.PDF("a<u>bc</u>d"),
            kHead + "1 0 0 1 100 262 Tm (a) Tj (bc) Tj (d) Tj ET [] 0 d S 0 0 0 RG\n"
                    "106.672 260 m 119.344 260 l\nS\n");
  // The dash was written outside the cache; a dashed line after it must set its own.
  EXPECT_EQ(o.canvas.SetPDFState("d", "[3 3 ] 0"), "[3 3 ] 0 d\n");
  Output link;
  EXPECT_EQ(link.PDF("<jump page=2>Go</jump> on"),
            kHead + "1 0 0 1 100 262 Tm 0 0 1 rg\n(Go) Tj 0 0 0 rg\n( on) Tj ET [] 0 d S 0 0 1 RG\n"
                    "100 260 m 116.008 260 l\nS\n");
  // A link left open colours and underlines to the end, and the colour stays.
  Output open;
  open.text.UnderlineLinks = false;
  EXPECT_EQ(open.PDF("<jump page=2>Go"), kHead + "1 0 0 1 100 262 Tm 0 0 1 rg\n(Go) Tj ");
  EXPECT_EQ(open.canvas.SetPDFState("rg", "0 0 1"), "");
}

TEST(TextSVG, StylesLinksUnderlinesAndBlocks) {
  const std::string head = "<g stroke=\"none\" fill=\"#000000\" font-family=\"Arial, Helvetica, 'Liberation Sans', Arimo, 'Nimbus Sans', sans-serif\" font-size=\"12px\" >";
  Output o;
  EXPECT_EQ(o.SVG("a<b>b</b>c"),
            head + " <text x=\"100\" y=\"62\">a<tspan font-weight=\"bold\">b</tspan>c</text>\n</g>\n\n");
  EXPECT_EQ(o.SVG("<i>a\nb</i>"),
            head + " <text x=\"100\" y=\"62\"><tspan font-style=\"italic\">a</tspan></text>\n"
                   " <text x=\"100\" y=\"76.4\"><tspan font-style=\"italic\">b</tspan></text>\n</g>\n\n");
  // Bold switched inside a link keeps the link colour and closes in order.
  EXPECT_EQ(o.SVG("<jump href=x.htm>a<b>b</b></jump>&amp;"),
            head + " <text x=\"100\" y=\"62\"><tspan fill=\"#0000FF\">a</tspan><tspan font-weight=\"bold\">"
                   "<tspan fill=\"#0000FF\">b</tspan></tspan><tspan fill=\"#0000FF\"></tspan>&amp;</text>\n</g>\n"
                   "<g stroke-width=\"1\">\n <g stroke=\"#0000FF\" fill=\"none\" stroke-width=\"1\">\n"
                   "  <line x1=\"100\" y1=\"64\" x2=\"114.004\" y2=\"64\"/>\n </g>\n</g>\n\n");
  Output block;
  block.text.BlockOut = true;
  EXPECT_EQ(block.SVG("New Text String"),
            "<g fill=\"#FFFFFF\" stroke=\"none\">\n <rect x=\"96\" y=\"50\" width=\"93.356\" height=\"14.4\"/>\n</g>\n" +
                head + " <text x=\"100\" y=\"62\">New Text String</text>\n</g>\n\n");
}

TEST(TextLinks, OneAreaPerLineOfEverySpan) {
  TQuarrionCanvas canvas;
  TPDFText t(100, 50, 160, 100);  // "New Text" / "String"
  t.SetText("<jump page=3>New Text String</jump> <jump href=\"http://a.b\">x</jump>"
            "<jump page=-1 type=relative>y</jump>");
  EXPECT_TRUE(t.Annots().empty());
  t.PrepareForExport(canvas);  // no screen needed
  EXPECT_FALSE(t.Dirty);
  ASSERT_EQ(t.Annots().size(), 4u);
  struct Area {
    int left, top, right, bottom, kind, page;
    const char* target;
  } expected[] = {
      {100, 50, 151, 64, 0, 2, ""},
      {100, 64, 132, 78, 0, 2, ""},
      {134, 64, 141, 78, 2, 0, "http://a.b"},  // after "String " (34.68)
      {140, 64, 147, 78, 1, -1, ""},
  };
  for (std::size_t i = 0; i < 4; ++i) {
    const TPDFAnnot& a = *t.Annots()[i];
    const Area& e = expected[i];
    EXPECT_EQ((std::vector<int>{a.Left, a.Top, a.Right, a.Bottom, a.LinkKind, a.Destination.Page}),
              (std::vector<int>{e.left, e.top, e.right, e.bottom, e.kind, e.page}))
        << i;
    EXPECT_EQ(a.Target, e.target);
    EXPECT_TRUE(a.Attached);
  }
  // Rebuilt only when out of date.
  const TPDFAnnot* first = t.Annots()[0].get();
  t.PrepareForExport(canvas);
  EXPECT_EQ(t.Annots()[0].get(), first);
  t.MoveEdges(Edge::All, 10, 0);
  t.PrepareForExport(canvas);
  EXPECT_EQ(t.Annots()[0]->Left, 110);
}

TEST(TextDraw, ScreenFontCharactersAndBlocks) {
  TQuarrionCanvas canvas;
  RecordingSurface surface;
  canvas.SetSecondCanvas(&surface);
  canvas.ZoomX = canvas.ZoomY = 2000;
  TPDFText t(10, 20, 110, 70);
  t.FontStyle = TextStyle::Bold;
  t.BlockOut = true;
  t.SetText("A<u>b</u>");
  t.Draw(canvas);
  EXPECT_FALSE(t.Dirty);
  // Cell height 12 * 0.92 * 2 = 22.08, cut to 22.
  EXPECT_EQ(surface.Calls[0], "font Arial 22 b");
  std::vector<std::string> texts = surface.CallsStartingWith("text ");
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0], "text 20,40 A");
  EXPECT_EQ(texts[1], "text 37,40 b");  // A is 0.722 * 12 points bold, doubled: 17.328
  // From x - S/3 to x + w + S/3, w = (722 + 611) * 0.012 in bold.
  EXPECT_EQ(surface.CallsStartingWith("fill ").at(0), "fill 12,40,60,69");
  EXPECT_EQ(surface.CallsStartingWith("font ").at(2), "font Arial 22 b u");
}

}  // namespace
