#include <gtest/gtest.h>

#include <cmath>

#include "objects/gradient.h"
#include "objects/object_fixture.h"
#include "objects/rectangle.h"

namespace {
// A box carrying a new gradient with the given relative ends.
struct Filled {
  Filled(int l, int t, int r, int b, double sx, double sy, double ex, double ey) : box(l, t, r, b) {
    box.ObjectID = 4;
    auto g = std::make_unique<TPDFGradient>(0, 0, 0, 0);
    g->Start.X = sx, g->Start.Y = sy, g->End.X = ex, g->End.Y = ey;
    box.SetGradient(std::move(g));
  }
  TPDFGradient& G() { return *box.Gradient(); }
  std::string Shading(Desk& d, int number = 7) {
    TPDFResources res;
    G().PDFResources(d.canvas, number, res);
    EXPECT_EQ(res.size(), 1u);
    EXPECT_EQ(res[0].Category, "Shading");
    return res[0].Body;
  }
  std::string Definition(Desk& d) {
    TResources res;
    G().SVGResources(d.canvas, res);
    EXPECT_EQ(res.size(), 1u);
    EXPECT_EQ(res[0].Name, "Grad4");
    return res[0].Text;
  }
  TPDFRectangle box;
};
}  // namespace

TEST(Gradient, AxialShadingAndDefinition) {
  Desk d;
  Filled f(10, 20, 110, 70, 0, 0, 1, 0);
  EXPECT_EQ(f.Shading(d),
            "<</ShadingType 2\n/ColorSpace /DeviceRGB\n/Extend [true true]\n/Coords [10 304 110 304]\n"
            "/Function << /FunctionType 2 /Domain [0 1]\n/C0 [1 0 0] /C1 [1 1 0] /N 1 >>\n>>");
  EXPECT_EQ(f.G().ShadingNumber, 7);
  EXPECT_EQ(f.Definition(d),
            "<linearGradient id=\"Grad4\" x1=\"10\" y1=\"20\" x2=\"110\" y2=\"20\" "
            "gradientUnits=\"userSpaceOnUse\">\n<stop offset=\"0\" stop-color=\"#FF0000\"/>\n"
            "<stop offset=\"1\" stop-color=\"#FFFF00\"/>\n</linearGradient>\n");
  f.G().Start.Extend = f.G().End.Extend = false;
  EXPECT_NE(f.Shading(d).find("/Extend [false false]\n"), std::string::npos);
  f.G().End.Extend = true;
  EXPECT_NE(f.Shading(d).find("/Extend [false true]\n"), std::string::npos);
}

TEST(Gradient, RadialShadingFollowsTheWidth) {
  Desk d;
  Filled f(0, 0, 200, 100, 0.5, 0.5, 0.75, 0.25);
  f.G().ShadingType = 3;
  f.G().Start.Radius = 0.5;
  f.G().End.Radius = 0.1;
  f.G().PlaceGradient(f.box);
  EXPECT_EQ(f.G().Start.PlacedRadius, 100);
  EXPECT_EQ(f.Shading(d),
            "<</ShadingType 3\n/ColorSpace /DeviceRGB\n/Extend [true true]\n/Coords [100 274 100 150 "
            "299 20]\n/Function << /FunctionType 2 /Domain [0 1]\n/C0 [1 0 0] /C1 [1 1 0] /N 1 >>\n>>");
  EXPECT_EQ(f.Definition(d),
            "<radialGradient id=\"Grad4\" cx=\"100\" cy=\"50\" fx=\"150\" fy=\"25\" r=\"100\" "
            "gradientUnits=\"userSpaceOnUse\">\n<stop offset=\"0\" stop-color=\"#FFFF00\"/>\n"
            "<stop offset=\"1\" stop-color=\"#FF0000\"/>\n</radialGradient>\n");
}

TEST(Gradient, PlacementRoundsStartDownAndEndUp) {
  Filled f(10, 10, 110, 110, 0.333, 0.333, 0.333, 0.333);
  EXPECT_EQ((TRect{f.G().Left, f.G().Top, f.G().Right, f.G().Bottom}), (TRect{43, 43, 44, 44}));
  f.box.MoveEdges(Edge::Right, 100, 0);
  EXPECT_EQ(f.G().Left, 76);
  EXPECT_EQ(f.G().Right, 77);
}

TEST(Gradient, SavedPositionsRoundTrip) {
  Filled f(0, 0, 100, 100, 0.5, 0.1, -3, 252.5);
  f.G().ShadingType = 3;
  f.G().Start.Radius = 0.25;
  f.G().End.Colour = 0x123456;
  f.G().End.Extend = false;
  TPDFRectangle back(0, 0, 0, 0);
  back.LoadFromString(std::string_view(f.box.SaveToString()));
  const TPDFGradient& g = *back.Gradient();
  EXPECT_EQ(g.Start.X, 0.5);
  EXPECT_NEAR(g.Start.Y, 0.1, 1.0 / 65536);
  EXPECT_EQ(g.End.X, -3);
  EXPECT_EQ(g.End.Y, 252.5);
  EXPECT_EQ(g.Start.Radius, 0.25);
  EXPECT_EQ(g.ShadingType, 3);
  EXPECT_EQ(g.End.Colour, 0x123456u);
  EXPECT_TRUE(g.Start.Extend);
  EXPECT_FALSE(g.End.Extend);
}

TEST(Gradient, TurnedAndFarPlacedGradientsStaySavable) {
  // Turning the box round mirrors the positions; far-out ones must still fit the form.
  Filled f(1000, 0, 0, 100, 200, 0, 1, 0);
  f.box.Normalise();
  EXPECT_GE(f.G().Start.X, -200000 / 65536.0);
  EXPECT_EQ(f.G().Right, 0);
  EXPECT_EQ(f.G().Left, -512);  // placed far left of the box, kept storable
  EXPECT_NO_THROW(f.box.SaveToString());
  Filled wide(0, 0, 60000, 10, 0, 0, 250, 0);
  EXPECT_EQ(wide.G().Right, 65023);
  EXPECT_NO_THROW(wide.box.SaveToString());
}
