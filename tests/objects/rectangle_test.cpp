#include <gtest/gtest.h>

#include "base/format_error.h"
#include "objects/gradient.h"
#include "objects/object_fixture.h"
#include "objects/rectangle.h"

namespace {
TPDFGradient& GiveGradient(TPDFRectangle& r, int shadingNumber, Desk& d) {
  r.ObjectID = 9;
  r.SetGradient(std::make_unique<TPDFGradient>(0, 0, 0, 0));
  TPDFResources res;
  r.PDFResources(d.canvas, shadingNumber, res);
  return *r.Gradient();
}
}  // namespace

TEST(Rectangle, NewBoxDefaults) {
  TPDFRectangle r(10, 20, 110, 70);
  EXPECT_TRUE(r.Outline && r.Fill && !r.Shadow);
  EXPECT_EQ(r.OutlineColour, 0u);
  EXPECT_EQ(r.FillColour, 0xFFFFFFu);
  EXPECT_EQ(r.ShadowColour, 0x808080u);
  EXPECT_EQ(r.ShadowX, 4);
  EXPECT_EQ(r.ShadowY, 3);
  EXPECT_EQ(r.LineWidth, 0);
  EXPECT_TRUE(r.DashPattern.empty());
}

TEST(Rectangle, PDFStateIsStatedOncePerSlide) {
  Desk d;
  TPDFRectangle a(10, 20, 110, 70), b(10, 20, 110, 70);
  EXPECT_EQ(d.PDF(a), "[] 0 d\n0 w\n0 0 0 RG\n1 1 1 rg\n10 254 100 50 re B\n");
  EXPECT_EQ(d.PDF(b), "10 254 100 50 re B\n");
  d.canvas.BeginPDFText();
  EXPECT_EQ(d.PDF(b), "ET 10 254 100 50 re B\n");
}

TEST(Rectangle, ShadowOnlyIsStrokedInPDFFramedOnScreenAndFilledInSVG) {
  Desk d;
  TPDFRectangle r(10, 20, 110, 70);
  r.Outline = r.Fill = false;
  r.Shadow = true;
  EXPECT_EQ(d.PDF(r), "0.502 0.502 0.502 RG\n14 251 100 50 re S\n[] 0 d\n0 w\n10 254 100 50 re n\n");
  EXPECT_EQ(d.SVG(r),
            "<rect stroke=\"#808080\" fill=\"#808080\" stroke-width=\"0.1\" x=\"14\" y=\"23\" "
            "width=\"100\" height=\"50\"/>\n"
            "<rect stroke=\"none\" fill=\"none\" stroke-width=\"0.1\" x=\"10\" y=\"20\" width=\"100\" "
            "height=\"50\"/>\n");
  r.Draw(d.canvas);
  EXPECT_EQ(d.surface.CallsStartingWith("frame"), std::vector<std::string>{"frame 14,23,114,73"});
  EXPECT_TRUE(d.surface.CallsStartingWith("fill").empty());
}

TEST(Rectangle, GradientFillIsClippedAndStrokedAfterwards) {
  struct Case {
    bool outline, fill;
    const char* pdf;
  } cases[] = {
      {true, true, "[] 0 d\n0 w\n0 0 0 RG\n10 254 100 50 re q W n /Shading7 sh Q n 10 254 100 50 re S\n"},
      {false, true, "[] 0 d\n0 w\n10 254 100 50 re q W n /Shading7 sh Q\n"},
      {true, false, "[] 0 d\n0 w\n0 0 0 RG\n10 254 100 50 re S\n"},
      {false, false, "[] 0 d\n0 w\n10 254 100 50 re n\n"},
  };
  for (const auto& c : cases) {
    Desk d;
    TPDFRectangle r(10, 20, 110, 70);
    r.Outline = c.outline;
    r.Fill = c.fill;
    GiveGradient(r, 7, d);
    EXPECT_EQ(d.PDF(r), c.pdf);
    // SVG uses the gradient whether or not the box is filled.
    EXPECT_NE(d.SVG(r).find("fill=\"url(#Grad9)\""), std::string::npos);
  }
}

TEST(Rectangle, ShadowOffsetsAreStoredAroundZero) {
  TPDFRectangle r(10, 20, 110, 70);
  r.ShadowX = -5;
  r.ShadowY = 127;
  std::string s = r.SaveToString();
  EXPECT_EQ(std::uint8_t(s[31 + 10]), 123);
  TPDFRectangle back(0, 0, 0, 0);
  back.LoadFromString(std::string_view(s));
  EXPECT_EQ(back.ShadowX, -5);
  EXPECT_EQ(back.ShadowY, 127);
  r.ShadowX = 128;
  EXPECT_THROW(r.SaveToString(), SaveRangeError);
}
