#include <gtest/gtest.h>

#include "base/format_error.h"
#include "objects/bezier.h"
#include "objects/object_fixture.h"
#include "objects/rectangle.h"

TEST(Line, DashStyleTable) {
  const auto& styles = DashStyles();
  const char* names[] = {"Current", "Solid", "Dashed", "Short Dashes", "Dotted", "Dash Dot"};
  const TDashPattern patterns[] = {{}, {}, {4}, {2}, {1, 4}, {4, 4, 1, 4}};
  for (int i = 0; i < 6; ++i) {
    EXPECT_STREQ(styles[i].Name, names[i]);
    EXPECT_EQ(styles[i].Pattern, patterns[i]);
  }
}

TEST(Line, PDFAndSVGTexts) {
  struct Case {
    double width;
    int style;
    const char* pdfStyle;
    const char* svgStyle;
  } cases[] = {
      {1, DashStyle::Solid, "[] 0 d\n1 w\n", "stroke-width=\"1\" "},
      {1, DashStyle::Dashed, "[4 ] 0 d\n1 w\n", "stroke-dasharray=\"4\" stroke-width=\"1\" "},
      {1, DashStyle::DashDot, "[4 4 1 4 ] 0 d\n1 w\n", "stroke-dasharray=\"4,4,1,4\" stroke-width=\"1\" "},
      // Dashes never shrink below one unit, the width may.
      {0.4, DashStyle::Dotted, "[1 4 ] 0 d\n0 w\n", "stroke-dasharray=\"1,4\" stroke-width=\"0.4\" "},
      {0, DashStyle::Solid, "[] 0 d\n0 w\n", "stroke-width=\"0.1\" "},
      {2, DashStyle::Dotted, "[2 8 ] 0 d\n2 w\n", "stroke-dasharray=\"2,8\" stroke-width=\"2\" "},
  };
  for (const auto& c : cases) {
    Desk d;
    TPDFLine line(10, 20, 110, 20);
    line.LineWidth = c.width;
    line.DashPattern = DashStyles()[c.style].Pattern;
    EXPECT_EQ(d.PDF(line), std::string(c.pdfStyle) + "0 0 0 RG\n10 304 m 110 304 l S\n");
    EXPECT_EQ(d.SVG(line), std::string("<line stroke=\"#000000\" fill=\"none\" ") + c.svgStyle +
                               "x1=\"10\" y1=\"20\" x2=\"110\" y2=\"20\"/>\n");
  }
  TPDFLine odd(0, 0, 1, 1);
  odd.LineWidth = 2;
  odd.DashPattern = {3, 1};
  Desk d;
  EXPECT_NE(d.SVG(odd).find("stroke-dasharray=\"6,2\" stroke-width=\"2\" "), std::string::npos);
}

TEST(Line, TwoLinesOfOneStyleStateItOnceAndAChangeOnlyWhatChanged) {
  Desk d;
  TPDFLine a(10, 20, 110, 20), b(0, 0, 50, 50), red(0, 0, 5, 5);
  red.Colour = 0x0000FF;
  EXPECT_EQ(d.PDF(a), "[] 0 d\n1 w\n0 0 0 RG\n10 304 m 110 304 l S\n");
  EXPECT_EQ(d.PDF(b), "0 324 m 50 274 l S\n");
  EXPECT_EQ(d.PDF(red), "1 0 0 RG\n0 324 m 5 319 l S\n");
  TPDFRectangle box(0, 0, 10, 10);
  box.LineWidth = 1;
  EXPECT_EQ(d.PDF(box), "0 0 0 RG\n1 1 1 rg\n0 314 10 10 re B\n");
}

TEST(Line, HitTest) {
  TPDFLine line(10, 10, 100, 60);
  struct Case {
    int x, y, edges;
  } cases[] = {{13, 10, 10}, {7, 8, 10},   {14, 10, 15}, {97, 57, 5},  {96, 60, 15}, {50, 30, 15},
               {5, 5, 0},    {104, 60, 15}, {108, 60, 0}, {100, 67, 15}, {100, 68, 0}, {6, 6, 0}};
  for (const auto& c : cases) EXPECT_EQ(line.HitTest(c.x, c.y), c.edges) << c.x << "," << c.y;
}

TEST(Line, StartPointKeepsItsIdentity) {
  Desk d;
  TPDFLine line(200, 50, 20, 10);
  line.Normalise();
  line.MoveEdges(Edge::All, 5, 5);
  TPDFLine back(0, 0, 0, 0);
  back.LoadFromString(std::string_view(line.SaveToString()));
  EXPECT_EQ((TRect{back.Left, back.Top, back.Right, back.Bottom}), (TRect{205, 55, 25, 15}));
  EXPECT_EQ(d.PDF(back), "[] 0 d\n1 w\n0 0 0 RG\n205 269 m 25 309 l S\n");
  back.MoveEdges(Edge::TopLeft, 1, 2);
  EXPECT_EQ((TRect{back.Left, back.Top, back.Right, back.Bottom}), (TRect{206, 57, 25, 15}));
}

TEST(Line, ScreenDrawing) {
  Desk d;
  d.canvas.ZoomX = d.canvas.ZoomY = 2000;
  TPDFLine line(10, 10, 20, 10);
  line.LineWidth = 1.5;
  line.Colour = 0x00FF00;
  line.Draw(d.canvas);
  EXPECT_EQ(d.surface.Calls, (std::vector<std::string>{"pen 65280 w3 solid copy", "line 20,20 40,20"}));
  d.surface.Calls.clear();
  line.DrawFrame(d.canvas, {0, 0, 5, 5});
  line.DrawHighlight(d.canvas);
  EXPECT_EQ(d.surface.Calls,
            (std::vector<std::string>{"pen 0 w3 dotted not", "brush clear", "line 0,0 10,10",
                                      "pen 0 w1 solid copy", "brush 16776960", "rect 16,16,24,24",
                                      "rect 36,16,44,24"}));
}

TEST(Bezier, ConstructorsOutputAndHandles) {
  Desk d;
  TPDFBezier stencil(0, 0, 100, 100, 50, 0, 50, 100);
  EXPECT_EQ(d.PDF(stencil), "[] 0 d\n1 w\n0 0 0 RG\n0 324 m 50 324 50 224 100 224 c S\n");
  EXPECT_EQ(d.SVG(stencil),
            "<path stroke=\"#000000\" fill=\"none\" stroke-width=\"1\" d=\"M0 0C50 0 50 100 100 100\"/>\n");
  TPDFBezier plain(10, 20, 30, 40);
  EXPECT_EQ((TRect{plain.ControlX1, plain.ControlY1, plain.ControlX2, plain.ControlY2}),
            (TRect{-40, -30, 80, 90}));
  EXPECT_EQ(plain.HelpContext, 1503);
  // Control points start inside the storable range even near its edge.
  TPDFBezier edge(-500, -480, 65000, 65000);
  EXPECT_EQ((TRect{edge.ControlX1, edge.ControlY1, edge.ControlX2, edge.ControlY2}),
            (TRect{-512, -512, 65023, 65023}));
  EXPECT_NO_THROW(edge.SaveToString());
  plain.DrawHighlight(d.canvas);
  EXPECT_EQ(d.surface.CallsStartingWith("rect"),
            (std::vector<std::string>{"rect 6,16,14,24", "rect 26,36,34,44", "rect -44,-34,-36,-26",
                                      "rect 76,86,84,94"}));
  d.surface.Calls.clear();
  plain.Draw(d.canvas);
  EXPECT_EQ(d.surface.CallsStartingWith("bezier"),
            std::vector<std::string>{"bezier 10,20 -40,-30 80,90 30,40"});
}

TEST(Bezier, ControlPointsBeatEndPointsAndMoveInPairs) {
  TPDFBezier b(10, 10, 100, 60, 12, 12, 98, 58);
  EXPECT_EQ(b.HitTest(10, 10), Edge::TopRight);
  EXPECT_EQ(b.HitTest(100, 60), Edge::BottomLeft);
  EXPECT_EQ(b.HitTest(7, 7), Edge::TopLeft);
  EXPECT_EQ(b.HitTest(16, 12), Edge::All);
  struct Case {
    int edges;
    TRect ends, controls;
  } cases[] = {{Edge::TopLeft, {11, 12, 100, 60}, {12, 12, 98, 58}},
               {Edge::BottomRight, {10, 10, 101, 62}, {12, 12, 98, 58}},
               {Edge::TopRight, {10, 10, 100, 60}, {13, 14, 98, 58}},
               {Edge::BottomLeft, {10, 10, 100, 60}, {12, 12, 99, 60}},
               {Edge::All, {11, 12, 101, 62}, {13, 14, 99, 60}},
               {Edge::Top, {10, 10, 100, 60}, {12, 12, 98, 58}}};
  for (const auto& c : cases) {
    TPDFBezier m(10, 10, 100, 60, 12, 12, 98, 58);
    m.MoveEdges(c.edges, 1, 2);
    EXPECT_EQ((TRect{m.Left, m.Top, m.Right, m.Bottom}), c.ends) << c.edges;
    EXPECT_EQ((TRect{m.ControlX1, m.ControlY1, m.ControlX2, m.ControlY2}), c.controls) << c.edges;
  }
}

TEST(Bezier, ControlPointsStaySavable) {
  TPDFBezier b(0, 0, 100, 100, 50, 0, 50, 100);
  b.MoveEdges(Edge::TopRight, -100000, 100000);
  EXPECT_EQ(b.ControlX1, -512);
  EXPECT_EQ(b.ControlY1, 65023);
  TPDFBezier back(0, 0, 0, 0);
  back.LoadFromString(std::string_view(b.SaveToString()));
  EXPECT_EQ(back.ControlX1, -512);
  EXPECT_EQ(back.ControlY1, 65023);
  EXPECT_EQ(back.ControlX2, 50);
  // Set directly past the range, the save refuses instead of wrapping.
  b.ControlX2 = -513;
  EXPECT_THROW(b.SaveToString(), SaveRangeError);
}

TEST(Bezier, CopyingBetweenLinesAndCurves) {
  TPDFBezier b(1, 2, 3, 4, 5, 6, 7, 8);
  b.Colour = 0x123456;
  b.LineWidth = 3;
  EXPECT_TRUE(b.IsA(ClassId::Line));
  EXPECT_FALSE(TPDFLine(0, 0, 0, 0).IsA(ClassId::Bezier));
  TPDFLine line(0, 0, 0, 0);
  b.AssignTo(line);
  EXPECT_EQ(line.Colour, 0x123456u);
  EXPECT_EQ((TRect{line.Left, line.Top, line.Right, line.Bottom}), (TRect{1, 2, 3, 4}));
  auto copy = b.Clone();
  auto& c = static_cast<TPDFBezier&>(*copy);
  EXPECT_EQ(c.ClassID(), ClassId::Bezier);
  EXPECT_EQ((TRect{c.ControlX1, c.ControlY1, c.ControlX2, c.ControlY2}), (TRect{5, 6, 7, 8}));
  EXPECT_EQ(c.LineWidth, 3);
  TPDFRectangle box(0, 0, 9, 9);
  b.AssignAppearanceTo(box);
  EXPECT_EQ(box.LineWidth, 0);
}
