// The drawing-object base as every kind sees it: stored forms, colours, dashes, hits.
#include <gtest/gtest.h>

#include "base/pdf_syntax.h"
#include "model/byte_reader.h"
#include "objects/bezier.h"
#include "objects/gradient.h"
#include "objects/guide.h"
#include "objects/object_fixture.h"
#include "objects/rectangle.h"

namespace {
std::string Bytes(std::initializer_list<int> b) {
  std::string s;
  for (int v : b) s.push_back(char(v));
  return s;
}
}  // namespace

TEST(BaseObject, TwoByteCoordinatesAndFixedPointWidth) {
  TPDFRectangle r(-1, 300, 65023, -512);
  r.LineWidth = 0.5;
  std::string s = r.SaveToString();
  EXPECT_EQ(s.substr(1, 2), Bytes({0x2C, 0x03}));  // Top 300
  EXPECT_EQ(s.substr(3, 2), Bytes({0xFF, 0x01}));  // Left -1
  EXPECT_EQ(s.substr(10, 4), Bytes({0x00, 0x80, 0x00, 0x00}));
  TPDFRectangle back(0, 0, 0, 0);
  back.LoadFromString(std::string_view(s));
  EXPECT_EQ(back.Top, 300);
  EXPECT_EQ(back.Left, -1);
  EXPECT_EQ(back.Right, 65023);
  EXPECT_EQ(back.Bottom, -512);
  EXPECT_EQ(back.LineWidth, 0.5);
}

TEST(BaseObject, BasePartIs31BytesAndEachKindAppendsItsOwn) {
  TPDFRectangle rect(0, 0, 10, 10);
  TPDFLine line(0, 0, 10, 10);
  TPDFBezier bezier(0, 0, 10, 10);
  TPDFGuide guide(0, 0, 10, 10);
  guide.DashPattern.clear();
  struct Case {
    const TPDFObject& obj;
    std::size_t size;
  } cases[] = {{rect, 31 + 26}, {line, 31 + 19}, {bezier, 31 + 19 + 8}, {guide, 31 + 20}};
  for (const auto& c : cases) EXPECT_EQ(c.obj.SaveToString().size(), c.size) << int(c.obj.ClassID());
}

TEST(BaseObject, ColourTexts) {
  struct Case {
    TColor colour;
    const char* pdf;
    const char* svg;
  } cases[] = {{0x0000FF, "1 0 0", "#FF0000"},
               {0xFFFFFF, "1 1 1", "#FFFFFF"},
               {0x000000, "0 0 0", "#000000"},
               {0x808080, "0.502 0.502 0.502", "#808080"},
               {0x010203, "0.0118 0.00784 0.00392", "#030201"}};
  for (const auto& c : cases) {
    EXPECT_EQ(PDFColour(c.colour), c.pdf);
    EXPECT_EQ(SVGColour(c.colour), c.svg);
  }
}

TEST(BaseObject, DashedScreenLineAtWidthZeroUsesOnePixelDashes) {
  Desk d;
  TPDFRectangle r(0, 0, 10, 10);
  r.DashPattern = {3, 1};
  r.LineWidth = 0;
  r.DashedLine(d.surface, {0, 0}, {10, 0});
  EXPECT_EQ(d.surface.Calls, (std::vector<std::string>{"line 0,0 1,0", "line 2,0 3,0", "line 4,0 5,0",
                                                        "line 6,0 7,0", "line 8,0 9,0"}));
}

TEST(BaseObject, HitTestIsStrictAtTheFourUnitBorder) {
  TPDFRectangle r(10, 20, 110, 70);
  struct Case {
    int x, y, edges;
  } cases[] = {{6, 45, 0},   {10, 45, 0},  {11, 45, 15}, {13, 23, 10}, {7, 17, 10}, {14, 20, 0},
               {10, 73, 3},  {10, 74, 0},  {113, 20, 12}, {107, 67, 5}, {110, 66, 0}, {109, 69, 5}};
  for (const auto& c : cases) EXPECT_EQ(r.HitTest(c.x, c.y), c.edges) << c.x << "," << c.y;
  TPDFRectangle inside_out(110, 70, 10, 20);
  EXPECT_EQ(inside_out.HitTest(60, 45), 0);
  EXPECT_EQ(inside_out.HitTest(110, 70), 10);
}

TEST(BaseObject, NormaliseTurnsTheBoxRoundAndMirrorsItsGradient) {
  TPDFRectangle r(50, 10, 10, 60);
  auto g = std::make_unique<TPDFGradient>(0, 0, 0, 0);
  g->Start.X = 0.25;
  g->End.X = 1;
  g->End.Y = 0.5;
  r.SetGradient(std::move(g));
  r.Normalise();
  EXPECT_EQ(r.Left, 10);
  EXPECT_EQ(r.Right, 50);
  EXPECT_DOUBLE_EQ(r.Gradient()->Start.X, 0.75);
  EXPECT_DOUBLE_EQ(r.Gradient()->End.X, 0);
  EXPECT_DOUBLE_EQ(r.Gradient()->End.Y, 0.5);
  EXPECT_EQ(r.Gradient()->Left, 40);
}
