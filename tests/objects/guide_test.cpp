#include <gtest/gtest.h>

#include "base/format_error.h"
#include "objects/guide.h"
#include "objects/object_fixture.h"

TEST(Guide, NewGuideAndOrientation) {
  TPDFGuide g(40, 40, 0, 0);
  EXPECT_EQ(g.Orientation(), 0);
  EXPECT_EQ(g.Colour, 0xFF0000u);
  EXPECT_EQ(g.LineWidth, 1.0);
  EXPECT_EQ(g.DashPattern, TDashPattern{4});
  EXPECT_EQ(g.Bottom, 65536);
  EXPECT_EQ(g.HelpContext, 1506);
  g.SetOrientation(1);
  EXPECT_EQ(g.Bottom, 1);
  g.SetOrientation(7);
  EXPECT_EQ(g.Orientation(), 7);
  EXPECT_EQ(g.Bottom, 1);
  g.SetOrientation(0);
  EXPECT_EQ(g.Bottom, 65536);
}

TEST(Guide, HitAreaIsStrictlyWithinFourUnitsAnywhereAlongTheGuide) {
  TPDFGuide h(0, 100, 0, 0), v(50, 0, 0, 0);
  v.SetOrientation(1);
  struct Case {
    const TPDFGuide& g;
    int x, y, edges;
  } cases[] = {{h, 5000, 97, 9}, {h, -30, 103, 9}, {h, 0, 96, 0}, {h, 0, 104, 0}, {h, 50, 50, 0},
               {v, 47, -9, 6},   {v, 53, 900, 6},  {v, 46, 0, 0}, {v, 54, 0, 0},  {v, 0, 100, 0}};
  for (const auto& c : cases) EXPECT_EQ(c.g.HitTest(c.x, c.y), c.edges) << c.x << "," << c.y;
}

TEST(Guide, DrawnAcrossThePageWithItsDashes) {
  Desk d;
  TPDFGuide g(300, 100, 310, 0);
  g.Draw(d.canvas);
  auto lines = d.surface.CallsStartingWith("line");
  ASSERT_EQ(lines.size(), 54u);  // 4 on, 4 off over 432 pixels
  EXPECT_EQ(lines.front(), "line 0,100 4,100");
  EXPECT_EQ(lines.back(), "line 424,100 428,100");
  EXPECT_EQ(d.surface.Calls.front(), "pen 16711680 w1 solid copy");
  d.surface.Calls.clear();
  g.SetOrientation(1);
  g.DrawFrame(d.canvas, {20, 0, 0, 1});
  EXPECT_EQ(d.surface.Calls.front(), "pen 16711680 w1 solid not");
  EXPECT_EQ(d.surface.Calls[1], "line 20,0 20,4");
  d.surface.Calls.clear();
  g.DrawHighlight(d.canvas);
  EXPECT_TRUE(d.surface.Calls.empty());
}

TEST(Guide, ContributesNothingToPDFOrSVG) {
  Desk d;
  TPDFGuide g(0, 100, 0, 0);
  EXPECT_EQ(d.PDF(g), "");
  EXPECT_EQ(d.SVG(g), "");
}

TEST(Guide, SavedFormRoundTrips) {
  TPDFGuide v(30, 40, 50, 60);
  v.Colour = 0x0000FF;
  v.SetOrientation(1);
  std::string s = v.SaveToString();
  std::string part = s.substr(s.size() - 20);
  EXPECT_EQ(part, std::string("\xFF\x00\x00\x01", 4) + std::string(16, '\0'));
  TPDFGuide back(0, 0, 0, 0);
  back.LoadFromString(std::string_view(s));
  EXPECT_EQ(back.Colour, 0x0000FFu);
  EXPECT_EQ(back.Orientation(), 1);
  EXPECT_EQ(back.Left, 30);
  // A horizontal guide reaches past the storable range; it still saves and comes back.
  TPDFGuide h(0, 100, 0, 0);
  ASSERT_NO_THROW(s = h.SaveToString());
  EXPECT_EQ(h.Bottom, 65536);
  TPDFGuide hb(0, 0, 0, 0);
  hb.SetOrientation(1);
  hb.LoadFromString(std::string_view(s));
  EXPECT_EQ(hb.Orientation(), 0);
  EXPECT_EQ(hb.Bottom, 65536);
  EXPECT_EQ(hb.Top, 100);
}

TEST(Guide, ShortGuidePart) {
  std::string s = TPDFGuide(0, 10, 0, 0).SaveToString();
  TPDFGuide g(0, 0, 0, 0);
  EXPECT_NO_THROW(g.LoadFromString(std::string_view(s).substr(0, s.size() - 16)));
  EXPECT_THROW(g.LoadFromString(std::string_view(s).substr(0, s.size() - 17)), FormatError);
  // Unknown orientations leave the orientation as constructed.
  s[s.size() - 17] = 5;
  TPDFGuide odd(0, 0, 0, 0);
  odd.LoadFromString(std::string_view(s));
  EXPECT_EQ(odd.Orientation(), 0);
}

TEST(Guide, CopyingFollowsOrientation) {
  TPDFGuide v(5, 6, 7, 8), h(0, 0, 0, 0);
  v.SetOrientation(1);
  v.Colour = 0x00FF00;
  v.AssignTo(h);
  EXPECT_EQ(h.Orientation(), 1);
  EXPECT_EQ(h.Bottom, 1);
  EXPECT_EQ(h.Colour, 0x00FF00u);
  EXPECT_EQ(h.Left, 5);
}
