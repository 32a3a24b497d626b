// Marks that only show on a rendered page: shadows, underlines, block-outs, curves and a
// box turned upside down. poppler renders the exported file at one pixel per point and the
// expected pixels come from the geometry of the layout rules, not from the writer.
#include <gtest/gtest.h>

#include "export/pdf_test_objects.h"
#include "objects/bezier.h"
#include "objects/gradient.h"
#include "support/pdf_tools.h"
#include "text/text.h"

namespace {

constexpr TColor kBackground = 0x00FF00;  // green
constexpr TColor kRed = 0x0000FF;
constexpr TColor kBlue = 0xFF0000;

// Colour channels within a few steps, for antialiased edges that lie nearby.
bool Near(std::uint32_t a, TColor b, int tolerance = 8) {
  for (int shift : {0, 8, 16}) {
    const int d = int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF);
    if (d > tolerance || d < -tolerance) return false;
  }
  return true;
}

class PdfRenderedMarks : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(ToolAvailable("pdftoppm")) << "pdftoppm is missing: scripts/setup.sh installs it";
    ResetDocument(canvas, 1);
    canvas.DocumentInfo.Background = kBackground;
  }
  RenderedPage Render() {
    std::string pdf;
    canvas.GeneratePDF(pdf);
    RenderedPage page = RenderPage(pdf, 1);
    EXPECT_EQ(page.Width, 432);
    return page;
  }
  TQuarrionCanvas canvas;
  FixedClockScope clock;
};

TEST_F(PdfRenderedMarks, FilledAndOutlinedShadowsTakeTheShadowColour) {
  // A filled box throws a filled shadow, an outline-only box an outlined one; both offset
  // by (4, 3) from a box, so the strip right of and below each box shows only the shadow.
  auto filled = std::make_unique<TPDFRectangle>(50, 50, 150, 100);
  filled->Shadow = true;
  filled->ShadowColour = kBlue;
  filled->Outline = false;
  filled->FillColour = 0xFFFFFF;
  Place(canvas, 0, std::move(filled));
  auto hollow = std::make_unique<TPDFRectangle>(250, 50, 350, 100);
  hollow->Shadow = true;
  hollow->ShadowColour = kRed;
  hollow->Fill = false;
  hollow->OutlineColour = 0;
  Place(canvas, 0, std::move(hollow));
  const RenderedPage page = Render();
  EXPECT_TRUE(Near(page.Pixel(152, 90), kBlue)) << "filled shadow right of the box";
  EXPECT_TRUE(Near(page.Pixel(100, 102), kBlue)) << "filled shadow below the box";
  EXPECT_TRUE(Near(page.Pixel(100, 75), 0xFFFFFF)) << "the box over its shadow";
  EXPECT_TRUE(Near(page.Pixel(156, 90), kBackground)) << "beyond the shadow";
  EXPECT_TRUE(Near(page.Pixel(300, 75), kBackground)) << "an outlined shadow is not filled";
  EXPECT_FALSE(Near(page.Pixel(354, 80), kBackground)) << "the outlined shadow's right edge";
}

TEST_F(PdfRenderedMarks, UnderlineAndBlockOutFollowTheLineGeometry) {
  // Arial 20 pt at (40, 40): baseline 60, the underline's middle 20/6 below it, 20/12 thick
  // (y 62.5 to 64.2); the line box runs from y 40 to 64 (line spacing 24 pt); "mmmm" is
  // 4 x 833 / 1000 x 20 = 66.64 points wide; the block-out reaches 20/3 points beyond it.
  auto* text = Place(canvas, 0, std::make_unique<TPDFText>(40, 40, 300, 100));
  text->FontSize = 20000;
  text->LineSpacing = 24000;
  text->BlockOut = true;
  text->BlockColour = kRed;
  text->TextColour = kBlue;
  text->SetText("<u>mmmm</u>");
  const RenderedPage page = Render();
  EXPECT_TRUE(Near(page.Pixel(73, 63), kBlue)) << "underline under the word's middle";
  EXPECT_TRUE(Near(page.Pixel(110, 63), kRed)) << "no underline past the word's end";
  EXPECT_TRUE(Near(page.Pixel(35, 45), kRed)) << "block-out left of the first letter";
  EXPECT_TRUE(Near(page.Pixel(110, 45), kRed)) << "block-out right of the last letter";
  EXPECT_TRUE(Near(page.Pixel(31, 45), kBackground)) << "beyond the block-out's left end";
  EXPECT_TRUE(Near(page.Pixel(116, 45), kBackground)) << "beyond the block-out's right end";
  EXPECT_TRUE(Near(page.Pixel(73, 66), kBackground)) << "below the line box";
}

TEST_F(PdfRenderedMarks, ABezierCurvePassesThroughItsMidpoint) {
  // End points (60, 250) and (360, 250), control points (60, 100) and (360, 100): the
  // curve's midpoint is (P0 + 3 P1 + 3 P2 + P3) / 8 = (210, 137.5).
  auto curve = std::make_unique<TPDFBezier>(60, 250, 360, 250, 60, 100, 360, 100);
  curve->LineWidth = 5;
  curve->Colour = kRed;
  Place(canvas, 0, std::move(curve));
  const RenderedPage page = Render();
  EXPECT_TRUE(Near(page.Pixel(210, 137), kRed)) << "the curve's midpoint";
  EXPECT_TRUE(Near(page.Pixel(210, 250), kBackground)) << "no straight chord";
  EXPECT_TRUE(Near(page.Pixel(210, 128), kBackground)) << "above the curve";
}

TEST_F(PdfRenderedMarks, ABoxTurnedUpsideDownTurnsItsGradientToo) {
  // Red at the top edge, blue at the bottom; then the top edge is dragged below the bottom
  // edge: the box is upside down, so blue is at its new top and red at its new bottom.
  auto box = std::make_unique<TPDFRectangle>(100, 100, 300, 160);
  box->Outline = false;
  auto g = std::make_unique<TPDFGradient>(0, 0, 0, 0);
  g->Start = {true, kRed, 0.5, 0.0};
  g->End = {true, kBlue, 0.5, 1.0};
  box->SetGradient(std::move(g));
  auto* placed = Place(canvas, 0, std::move(box));
  placed->MoveEdges(Edge::Top, 0, 100);  // the top edge from 100 to 200, below the bottom at 160
  placed->Normalise();
  ASSERT_EQ(placed->Top, 160);
  ASSERT_EQ(placed->Bottom, 200);
  const RenderedPage page = Render();
  EXPECT_TRUE(Near(page.Pixel(200, 161), kBlue, 24)) << "the new top";
  EXPECT_TRUE(Near(page.Pixel(200, 198), kRed, 24)) << "the new bottom";
  EXPECT_TRUE(Near(page.Pixel(102, 161), kBlue, 24)) << "the new top, left end";
}

}  // namespace
