// The QPainter surface: raster conventions, the inverting pen, pictures with a
// transparent colour, and screen fonts whose widths are the layout's widths.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <string>

#include "platform/qt/gui/qt_surface.h"
#include "platform/qt/gui/screen_fonts.h"
#include "text/font_table.h"

namespace {
constexpr TColor kRed = 0x0000FF;
constexpr TColor kBlue = 0xFF0000;

TColor At(QtSurface& s, int x, int y) {
  QRgb p = s.Image().pixel(x, y);
  return RGBColour(qRed(p), qGreen(p), qBlue(p));
}

int CountColour(QtSurface& s, TColor c) {
  int n = 0;
  for (int y = 0; y < s.Height(); ++y)
    for (int x = 0; x < s.Width(); ++x) n += At(s, x, y) == c;
  return n;
}
}  // namespace

TEST(QtSurface, RectanglesCoverTheirPixelsWithExclusiveRightAndBottom) {
  struct Case {
    const char* what;
    void (*draw)(QtSurface&);
    int pixels;  // painted red
    std::vector<TPoint> in, out;
  } cases[] = {
      {"fill", [](QtSurface& s) { s.FillRect({2, 3, 6, 5}); }, 8, {{2, 3}, {5, 4}}, {{6, 3}, {2, 5}, {1, 3}}},
      {"fill, corners swapped", [](QtSurface& s) { s.FillRect({6, 5, 2, 3}); }, 8, {{2, 3}, {5, 4}}, {{6, 4}}},
      {"frame", [](QtSurface& s) { s.FrameRect({2, 2, 7, 6}); }, 14, {{2, 2}, {6, 5}, {6, 2}}, {{3, 3}, {7, 2}}},
      {"outlined rectangle",
       [](QtSurface& s) {
         s.SetPen({kRed, 1, TPenStyle::Solid, TPenMode::Copy});
         s.SetBrush({kBlue, TBrushStyle::Solid});
         s.Rectangle({1, 1, 9, 9});
       },
       28, {{1, 1}, {8, 8}, {8, 1}}, {{9, 9}, {4, 4}}},
      {"empty rectangle draws nothing", [](QtSurface& s) { s.FillRect({4, 4, 4, 9}); }, 0, {}, {{4, 4}}},
      {"line stops before its end",
       [](QtSurface& s) {
         s.SetPen({kRed, 1, TPenStyle::Solid, TPenMode::Copy});
         s.Line({1, 1}, {8, 1});
       },
       7, {{1, 1}, {7, 1}}, {{8, 1}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    QtSurface s(12, 12);
    s.SetBrush({kRed, TBrushStyle::Solid});
    c.draw(s);
    EXPECT_EQ(CountColour(s, kRed), c.pixels);
    for (TPoint p : c.in) EXPECT_EQ(At(s, p.X, p.Y), kRed) << p.X << "," << p.Y;
    for (TPoint p : c.out) EXPECT_NE(At(s, p.X, p.Y), kRed) << p.X << "," << p.Y;
  }
}

TEST(QtSurface, InvertingPenRestoresWhenDrawnTwice) {
  QtSurface s(60, 40);
  s.SetBrush({0x336699, TBrushStyle::Solid});
  s.FillRect({10, 5, 50, 30});
  const QImage before = s.Image().copy();
  auto invertAll = [&] {
    s.SetPen({0, 1, TPenStyle::Dotted, TPenMode::Not});
    s.SetBrush({0, TBrushStyle::Clear});
    s.Rectangle({5, 5, 40, 25});
    s.Rectangle({20, 1, 21, 30});  // one pixel wide
    s.SetPen({0, 1, TPenStyle::Solid, TPenMode::Not});
    s.Line({0, 0}, {59, 39});
    s.Line({59, 0}, {3, 30});
  };
  invertAll();
  const QImage once = s.Image().copy();
  EXPECT_NE(once, before);
  // Inverting really inverts: white becomes black, the fill its complement.
  EXPECT_EQ(At(s, 5, 5), 0u);
  invertAll();
  EXPECT_EQ(s.Image(), before);
}

TEST(QtSurface, PicturesKeepTheirTransparentColourOut) {
  QtSurface s(10, 10);
  s.SetBrush({kBlue, TBrushStyle::Solid});
  s.FillRect({0, 0, 10, 10});
  TBitmap b(4, 4, 0x00FF00);
  b.SetPixel(1, 1, 0xFF80FF);
  b.HasTransparentColour = true;
  b.TransparentColour = 0xFF80FF;
  s.Draw(2, 2, b);
  EXPECT_EQ(At(s, 2, 2), 0x00FF00u);
  EXPECT_EQ(At(s, 3, 3), kBlue);  // the transparent pixel
  s.StretchDraw({0, 0, 8, 8}, b);
  EXPECT_EQ(At(s, 0, 0), 0x00FF00u);
  EXPECT_EQ(At(s, 3, 3), kBlue);  // under the stretched transparent pixel
  EXPECT_EQ(At(s, 9, 9), kBlue);
}

TEST(QtSurface, CaptureAndDrawRoundTripColours) {
  QtSurface s(3, 2);
  s.SetBrush({RGBColour(1, 2, 3), TBrushStyle::Solid});
  s.FillRect({0, 0, 1, 1});
  s.SetBrush({kRed, TBrushStyle::Solid});
  s.FillRect({2, 1, 3, 2});
  TBitmap b = s.Capture();
  EXPECT_EQ(b.Pixel(0, 0), RGBColour(1, 2, 3));
  EXPECT_EQ(b.Pixel(2, 1), kRed);
  EXPECT_EQ(b.Pixel(1, 0), 0xFFFFFFu);
  QtSurface t(3, 2);
  t.Draw(0, 0, b);
  EXPECT_EQ(t.Image(), s.Image());
}

TEST(ScreenFonts, FacesMapToTheMetricClones) {
  const std::pair<const char*, const char*> cases[] = {
      {"Arial", "Nimbus Sans"},           {"Times New Roman", "Nimbus Roman"},
      {"Courier New", "Nimbus Mono PS"},  {"Symbol", "Standard Symbols PS"},
      {"Wingdings", "D050000L"},
  };
  for (auto [face, family] : cases) {
    QFont f = ScreenQFont({face, 20});
    EXPECT_EQ(f.family(), QString(family));
    EXPECT_TRUE(QFontInfo(f).family().startsWith(family)) << face << " is not installed";
    EXPECT_FALSE(f.kerning());
    EXPECT_EQ(f.pixelSize(), 20);
  }
  EXPECT_EQ(ScreenText("Arial", "\x80\x93x\xE9"), QString::fromUtf8("€“xé"));
  EXPECT_EQ(ScreenText("Symbol", "a\x80"), QString(QChar(u'a')) + QChar(char16_t(0x80)));
}

// At a cell height of 1000 pixels a screen width is the layout's width in 1/1000 em.
TEST(ScreenFonts, ScreenWidthsAreTheLayoutWidths) {
  // Codes every face has, then quotes that only the Latin faces have.
  const std::string samples[] = {"Quarrion Hamburgefonts", "WAVE tiny ,.;!", "caf\xE9 \xA9\xB1",
                                 "abcdefg 0123456789", "\x93quoted\x94"};
  const auto& table = FontTable();
  for (std::size_t face = 0; face < BuiltinFaceCount; ++face) {
    for (int style = 0; style < 4; ++style) {
      const TPostScriptFont& metrics = table[face].Face.Fonts[std::size_t(style)];
      if (metrics.Name.empty()) continue;
      QtSurface s(10, 10);
      s.SetFont({table[face].Name, 1000, (style & 1) != 0, (style & 2) != 0});
      for (const std::string& text : samples) {
        if (face >= 3 && text[0] == '\x93') continue;
        int expected = 0;
        for (char c : text) expected += metrics.Width(static_cast<unsigned char>(c));
        EXPECT_NEAR(s.TextWidth(text), expected, 2)
            << table[face].Name << " style " << style << ": " << text;
      }
    }
  }
}

TEST(ScreenFonts, TextIsDrawnBelowItsTopLeftCorner) {
  QtSurface s(200, 60);
  s.SetFont({"Arial", 40, false, false, false, kBlue});
  s.TextOut(10, 10, "HH");
  int top = -1, bottom = -1;
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 200; ++x)
      if (BlueOf(At(s, x, y)) > 200 && RedOf(At(s, x, y)) < 60) {
        if (top < 0) top = y;
        bottom = y;
      }
  // The cell starts at y 10: the baseline lies the face's ascent below it, and capitals
  // of the Helvetica clone are 0.73 em tall.
  const double baseline = 10 + QFontMetricsF(ScreenQFont({"Arial", 40})).ascent();
  EXPECT_NEAR(bottom + 1, baseline, 1.0);
  EXPECT_NEAR(bottom - top + 1, 0.729 * 40, 1.5);
}

TEST(QtSurface, BatchedLinesPaintWhatQtsThinLinesPaint) {
  // The reference is Qt's own thin pen, one drawLine per segment: rows and columns drawn
  // either way round, one pixel long, crossing the image's edges, diagonals among them.
  const std::vector<std::array<TPoint, 2>> segments = {
      {{{2, 5}, {9, 5}}},   {{{9, 7}, {2, 7}}},   {{{4, 1}, {4, 9}}},   {{{6, 9}, {6, 1}}},
      {{{3, 3}, {4, 3}}},   {{{8, 3}, {7, 3}}},   {{{11, 2}, {11, 3}}}, {{{12, 4}, {12, 3}}},
      {{{-5, 10}, {30, 10}}}, {{{13, -4}, {13, 40}}}, {{{1, 12}, {9, 17}}}, {{{15, 15}, {15, 15}}},
      {{{0, 0}, {0, 0}}},   {{{18, 1}, {10, 14}}}};
  struct Case {
    const char* what;
    TPen pen;
  } cases[] = {{"solid", {kRed, 1, TPenStyle::Solid, TPenMode::Copy}},
               {"dotted", {kRed, 1, TPenStyle::Dotted, TPenMode::Copy}},
               {"inverting", {kRed, 0, TPenStyle::Solid, TPenMode::Not}},
               {"wide", {kRed, 3, TPenStyle::Solid, TPenMode::Copy}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    QtSurface surface(20, 20);
    surface.SetBrush({0x00FF00, TBrushStyle::Solid});
    surface.FillRect({0, 0, 20, 9});  // something for the inverting pen to invert
    surface.SetPen(c.pen);
    surface.Lines(segments);

    QImage reference(20, 20, QImage::Format_RGB32);
    reference.fill(Qt::white);
    QPainter p(&reference);
    p.fillRect(QRect(0, 0, 20, 9), QColor(0, 255, 0));
    const int width = std::max(c.pen.Width, 1);
    QPen pen(QColor(255, 0, 0), width);
    pen.setCosmetic(width == 1);
    pen.setStyle(c.pen.Style == TPenStyle::Dotted ? Qt::DotLine : Qt::SolidLine);
    pen.setCapStyle(width == 1 ? Qt::FlatCap : Qt::RoundCap);
    pen.setJoinStyle(width == 1 ? Qt::MiterJoin : Qt::RoundJoin);
    p.setPen(pen);
    if (c.pen.Mode == TPenMode::Not) p.setCompositionMode(QPainter::RasterOp_NotDestination);
    for (const auto& [from, to] : segments)
      if (from != to) p.drawLine(from.X, from.Y, to.X, to.Y);
    p.end();
    int differing = 0, firstX = -1, firstY = -1;
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 20; ++x)
        if (surface.Image().pixel(x, y) != reference.pixel(x, y) && differing++ == 0) {
          firstX = x;
          firstY = y;
        }
    EXPECT_EQ(differing, 0) << "the first at " << firstX << "," << firstY;
  }
}

TEST(QtSurface, StateSurvivesTheEndOfThePainter) {
  // A capture ends the painter; what is drawn after it must still use the pen, brush and
  // mode that were set before, though the new painter starts from its own defaults.
  struct Case {
    const char* what;
    void (*draw)(QtSurface&);
    TPoint probe;
    TColor expected;
  } cases[] = {
      {"line", [](QtSurface& s) { s.Line({1, 1}, {9, 1}); }, {4, 1}, kRed},
      {"dashes", [](QtSurface& s) { s.Lines({{{{1, 2}, {9, 2}}}, {{{3, 4}, {5, 8}}}}); }, {4, 2}, kRed},
      {"polygon fill", [](QtSurface& s) { s.Polygon({{2, 2}, {9, 2}, {9, 9}, {2, 9}}); }, {5, 5}, kBlue},
      {"filled rectangle", [](QtSurface& s) { s.Rectangle({2, 2, 9, 9}); }, {5, 5}, kBlue},
      {"inverting line", [](QtSurface& s) {
         s.SetPen({kRed, 1, TPenStyle::Solid, TPenMode::Not});
         s.Line({0, 9}, {11, 9});
         s.Capture();
         s.Line({1, 1}, {9, 1});
       }, {4, 1}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    QtSurface surface(12, 12);
    surface.SetPen({kRed, 1, TPenStyle::Solid, TPenMode::Copy});
    surface.SetBrush({kBlue, TBrushStyle::Solid});
    surface.Line({0, 11}, {11, 11});  // the painter now has these
    surface.Capture();
    c.draw(surface);
    EXPECT_EQ(At(surface, c.probe.X, c.probe.Y), c.expected);
  }
}
