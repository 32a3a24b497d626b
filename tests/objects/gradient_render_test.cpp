#include <gtest/gtest.h>

#include <cmath>

#include "objects/gradient.h"
#include "objects/object_fixture.h"
#include "objects/rectangle.h"

namespace {
TColor Mix(TColor a, TColor b, double t) {
  auto ch = [&](int x, int y) { return int(std::lround(x + (y - x) * t)); };
  return RGBColour(ch(RedOf(a), RedOf(b)), ch(GreenOf(a), GreenOf(b)), ch(BlueOf(a), BlueOf(b)));
}

bool Close(TColor a, TColor b) {
  return std::abs(RedOf(a) - RedOf(b)) <= 4 && std::abs(GreenOf(a) - GreenOf(b)) <= 4 &&
         std::abs(BlueOf(a) - BlueOf(b)) <= 4;
}

// The circles drawn one after another in fine steps, as the slow way of showing it.
TBitmap PaintCircles(const TPDFGradient& g, int w, int h) {
  TBitmap bmp(w, h, 0xFFFFFFFF);
  double sx = g.Left, sy = g.Top, dx = g.Right - sx, dy = g.Bottom - sy;
  double r0 = g.Start.PlacedRadius, dr = g.End.PlacedRadius - r0;
  double lo = g.Start.Extend ? (dr > 0 ? -r0 / dr : -30) : 0, hi = 1;
  if (g.End.Extend) hi = 30;
  for (double t = lo; t <= hi; t += 0.0005) {
    double cx = sx + t * dx, cy = sy + t * dy, r = r0 + t * dr;
    if (r < 0) break;
    if (t > 1 && !(cx >= 0 && cy >= 0 && cx < w && cy < h)) break;
    TColor c = t < 0 ? g.Start.Colour : t > 1 ? g.End.Colour : Mix(g.Start.Colour, g.End.Colour, t);
    for (int y = std::max(0, int(cy - r) - 1); y < std::min(h, int(cy + r) + 2); ++y)
      for (int x = std::max(0, int(cx - r) - 1); x < std::min(w, int(cx + r) + 2); ++x)
        if ((x + 0.5 - cx) * (x + 0.5 - cx) + (y + 0.5 - cy) * (y + 0.5 - cy) <= r * r) bmp.SetPixel(x, y, c);
  }
  return bmp;
}
}  // namespace

TEST(GradientRender, RadialMatchesTheCirclesDrawnOneAfterAnother) {
  struct Case {
    double sx, sy, sr, ex, ey, er;
    bool extendStart, extendEnd;
  } cases[] = {{0.3, 0.5, 0.1, 0.6, 0.5, 0.4, false, false},
               {0.3, 0.5, 0.1, 0.6, 0.5, 0.4, true, true},
               {0.5, 0.5, 0.0, 0.5, 0.5, 0.4, false, true},   // same centre: rings
               {0.4, 0.3, 0.4, 0.7, 0.6, 0.1, true, false},   // cone widening backwards
               {0.2, 0.8, 0.05, 0.3, 0.7, 0.1, true, true}};  // shrinks to nothing before the start
  for (const auto& c : cases) {
    Desk d;
    TPDFRectangle box(0, 0, 80, 60);
    auto g = std::make_unique<TPDFGradient>(0, 0, 0, 0);
    g->ShadingType = 3;
    g->Start = {c.extendStart, 0x0000FF, c.sx, c.sy, c.sr, 0};
    g->End = {c.extendEnd, 0xFF8000, c.ex, c.ey, c.er, 0};
    box.SetGradient(std::move(g));
    TBitmap fast = box.Gradient()->RenderGradient(d.canvas, box);
    TBitmap slow = PaintCircles(*box.Gradient(), 80, 60);
    ASSERT_EQ(fast.Width(), 80);
    int painted = 0, wrong = 0;
    for (int y = 0; y < 60; ++y)
      for (int x = 0; x < 80; ++x) {
        bool slowPainted = slow.Pixel(x, y) != 0xFFFFFFFF;
        bool fastPainted = fast.Pixel(x, y) != fast.TransparentColour;
        painted += slowPainted;
        if (slowPainted != fastPainted || (slowPainted && !Close(slow.Pixel(x, y), fast.Pixel(x, y))))
          ++wrong;
      }
    EXPECT_GT(painted, 200) << c.sx;
    EXPECT_LE(wrong, 80 * 60 / 100) << c.sx << " " << c.extendStart;
  }
}

TEST(GradientRender, AxialBandsAndExtends) {
  for (bool extend : {false, true}) {
    Desk d;
    TPDFRectangle box(0, 0, 100, 10);
    auto g = std::make_unique<TPDFGradient>(0, 0, 0, 0);
    g->Start = {extend, 0x000000, 0.25, 0, 0, 0};
    g->End = {extend, 0xFFFFFF, 0.75, 0, 0, 0};
    box.SetGradient(std::move(g));
    TBitmap bmp = box.Gradient()->RenderGradient(d.canvas, box);
    const TColor none = bmp.TransparentColour;
    EXPECT_TRUE(bmp.HasTransparentColour);
    EXPECT_EQ(bmp.Pixel(10, 5), extend ? 0x000000u : none);
    EXPECT_EQ(bmp.Pixel(90, 5), extend ? 0xFFFFFFu : none);
    EXPECT_EQ(bmp.Pixel(25, 0), 0x000000u);
    EXPECT_EQ(bmp.Pixel(50, 9), Mix(0, 0xFFFFFF, 0.5));
    for (int x = 26; x < 75; ++x) EXPECT_GE(RedOf(bmp.Pixel(x, 3)), RedOf(bmp.Pixel(x - 1, 3)));
  }
}

TEST(GradientRender, UnpaintedMarkerIsNoColourOfTheGradient) {
  Desk d;
  TPDFRectangle box(0, 0, 255, 4);
  auto g = std::make_unique<TPDFGradient>(0, 0, 0, 0);
  g->Start = {true, 0xFF00FE, 0, 0, 0, 0};
  g->End = {true, 0xFF02FE, 1, 0, 0, 0};
  box.SetGradient(std::move(g));
  TBitmap bmp = box.Gradient()->RenderGradient(d.canvas, box);
  for (int x = 0; x < 255; ++x) ASSERT_NE(bmp.Pixel(x, 2), bmp.TransparentColour) << x;
}

// Without a canvas the gradient is placed on the bitmap itself: the start point at
// (W × Start.X, H × Start.Y), the end point at the end's fractions rounded up.
TEST(GradientRender, PlainPixelSizeHasTheEndColoursAtTheEndPoints) {
  struct Case {
    const char* what;
    int w, h;
    double sx, sy, ex, ey;
    TPoint start, end, before, after;  // pixels at both ends and beyond them
    TPoint shortOfEnd;                 // one pixel before the end point
  } cases[] = {
      {"across", 200, 20, 0.25, 0.5, 0.75, 0.5, {50, 10}, {150, 10}, {10, 10}, {190, 10}, {149, 10}},
      {"down", 30, 300, 0.5, 0.1, 0.5, 0.5, {15, 30}, {15, 150}, {15, 5}, {15, 290}, {15, 149}},
      // 90 × 0.333 = 29.97: the end point rounds up to 30.
      {"rounded", 90, 10, 0.0, 0.0, 0.333, 0.0, {0, 5}, {30, 5}, {0, 0}, {31, 5}, {29, 5}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TPDFGradient g(0, 0, 0, 0);
    g.Start = {true, 0x0000FF, c.sx, c.sy, 0, 0};
    g.End = {true, 0x00FFFF, c.ex, c.ey, 0, 0};
    TBitmap bmp = g.RenderGradient(c.w, c.h);
    ASSERT_EQ(bmp.Width(), c.w);
    ASSERT_EQ(bmp.Height(), c.h);
    EXPECT_EQ(bmp.Pixel(c.start.X, c.start.Y), 0x0000FFu);
    EXPECT_EQ(bmp.Pixel(c.before.X, c.before.Y), 0x0000FFu);
    EXPECT_EQ(bmp.Pixel(c.end.X, c.end.Y), 0x00FFFFu);
    EXPECT_EQ(bmp.Pixel(c.after.X, c.after.Y), 0x00FFFFu);
    EXPECT_NE(bmp.Pixel(c.shortOfEnd.X, c.shortOfEnd.Y), 0x00FFFFu);
    // Halfway between the ends, halfway between the colours.
    const TPoint mid{(c.start.X + c.end.X) / 2, (c.start.Y + c.end.Y) / 2};
    EXPECT_TRUE(Close(bmp.Pixel(mid.X, mid.Y), Mix(0x0000FF, 0x00FFFF, 0.5)));
    // The gradient's own placement (for its owner) is not touched.
    EXPECT_EQ(g.Left, 0);
    EXPECT_EQ(g.Right, 0);
  }
  EXPECT_TRUE(TPDFGradient(0, 0, 0, 0).RenderGradient(0, 50).Empty());
  EXPECT_TRUE(TPDFGradient(0, 0, 0, 0).RenderGradient(-4, 50).Empty());
}
