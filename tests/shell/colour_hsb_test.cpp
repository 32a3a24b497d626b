// Hue, saturation and brightness of the colour dialog.
#include <gtest/gtest.h>

#include <cstdlib>
#include <initializer_list>

#include "shell/colour_hsb.h"

namespace {
constexpr TColor Rgb(int r, int g, int b) { return TColor(r | g << 8 | b << 16); }

TEST(ColourHSB, HSBGivesTheDesignedColours) {
  struct Case {
    int H, S, B;
    TColor Expected;
  };
  const Case cases[] = {
      {0, 255, 127, Rgb(254, 0, 0)},
      {85, 255, 127, Rgb(0, 254, 0)},
      {170, 255, 127, Rgb(0, 0, 254)},
      {0, 255, 255, Rgb(255, 255, 255)},
      {100, 40, 255, Rgb(255, 255, 255)},
      {0, 0, 127, Rgb(127, 127, 127)},
      {200, 0, 127, Rgb(127, 127, 127)},
      {0, 255, 0, Rgb(0, 0, 0)},
      // Between the sector centres: a sixth of the circle is 42.5.
      {42, 255, 127, Rgb(254, 251, 0)},   // green 42/42.5*255, times 127/127.5
      {128, 255, 127, Rgb(0, 251, 254)},  // blue side: green (170-128)/42.5*255
      {213, 255, 127, Rgb(254, 0, 251)},  // red side again: blue (255-213)/42.5*255
      {0, 128, 127, Rgb(191, 63, 63)},  // (127*127.5 + 128*255)/255 = 191.5, times 127/127.5
      {0, 255, 191, Rgb(255, 127, 127)},  // towards white: 255*63.5/127.5 = 127.0
  };
  for (const Case& c : cases)
    EXPECT_EQ(HSBToColour(c.H, c.S, c.B), c.Expected) << c.H << " " << c.S << " " << c.B;
}

TEST(ColourHSB, ColourGivesItsHSB) {
  struct Case {
    TColor Colour;
    HSB Expected;
  };
  const Case cases[] = {
      {Rgb(0, 0, 0), {0, 0, 0}},
      {Rgb(255, 255, 255), {0, 0, 255}},
      {Rgb(127, 127, 127), {0, 0, 127}},
      {Rgb(254, 0, 0), {0, 255, 127}},
      {Rgb(0, 254, 0), {85, 255, 127}},
      {Rgb(0, 0, 254), {170, 255, 127}},
      {Rgb(254, 254, 0), {42, 255, 127}},   // 42.5 rounds to even
      {Rgb(254, 0, 254), {212, 255, 127}},  // 212.5 likewise
      {Rgb(96, 32, 32), {0, 128, 64}},      // dark, half saturated: 127.5 rounds to even
      {Rgb(255, 128, 128), {0, 255, 192}},  // 191.5 rounds to even
  };
  for (const Case& c : cases) EXPECT_EQ(ColourToHSB(c.Colour), c.Expected) << std::hex << c.Colour;
}

// Every colour survives the trip through the sliders within rounding: the three numbers
// are rounded to whole slider steps; half a hue step moves a channel by up to
// 255 / 42.5 / 2 = 3, half a brightness step by up to 1, half a saturation step by less.
// Every colour in optimised builds (under half a second); every seventh in the debug build
// under the sanitizers, where the full sweep takes half a minute.
#ifdef NDEBUG
constexpr TColor kStep = 1;
#else
constexpr TColor kStep = 7;
#endif

TEST(ColourHSB, EveryColourComesBackWithinRounding) {
  int worst = 0;
  TColor worstColour = 0;
  for (TColor colour = 0; colour <= 0xFFFFFF; colour += kStep) {
    HSB hsb = ColourToHSB(colour);
    TColor back = HSBToColour(hsb.H, hsb.S, hsb.B);
    for (int shift : {0, 8, 16}) {
      int d = std::abs(int(colour >> shift & 0xFF) - int(back >> shift & 0xFF));
      if (d > worst) worst = d, worstColour = colour;
    }
  }
  EXPECT_LE(worst, 4) << "worst at " << std::hex << worstColour;
}
}  // namespace
