#pragma once

#include <cstdint>

#include "base/geometry.h"

// Hue, saturation and brightness as the colour dialog's sliders show them, each 0..255.
// Hue runs red (0), green (85), blue (170) and back to red; brightness 0 is black, 127.5
// the pure colour of that saturation, 255 white.
struct HSB {
  int H = 0;
  int S = 0;
  int B = 0;
  bool operator==(const HSB&) const = default;
};

// Arguments outside 0..255 are taken as the nearest end.
TColor HSBToColour(int h, int s, int b);
// The inverse: HSBToColour of the result gives the colour back within rounding.
HSB ColourToHSB(TColor colour);
