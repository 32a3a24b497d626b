#include "shell/colour_hsb.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kSector = 42.5;  // a sixth of the hue circle
constexpr double kMid = 127.5;

struct Rgb {
  double R = 0, G = 0, B = 0;
};

// The fully saturated colour of a hue at medium brightness.
Rgb HueColour(int h) {
  Rgb c;
  if (h > 42 && h < 213 && h < 128) {
    c.G = 255;
    if (h > 85) c.B = (h - 85) / kSector * 255;
    else c.R = (85 - h) / kSector * 255;
  } else if (h > 42 && h < 213) {
    c.B = 255;
    if (h > 170) c.R = (h - 170) / kSector * 255;
    else c.G = (170 - h) / kSector * 255;
  } else {
    c.R = 255;
    if (h < 213) c.G = h / kSector * 255;
    else c.B = (255 - h) / kSector * 255;
  }
  return c;
}

double Saturated(double c, int s) { return ((255 - s) * kMid + s * c) / 255; }

double Brightened(double c, int b) {
  return b <= kMid ? c * b / kMid : c + (255 - c) * (b - kMid) / kMid;
}

// Halves go to the even neighbour (the default rounding mode).
int Channel(double c) { return int(std::nearbyint(std::clamp(c, 0.0, 255.0))); }
}  // namespace

TColor HSBToColour(int h, int s, int b) {
  h = std::clamp(h, 0, 255);
  s = std::clamp(s, 0, 255);
  b = std::clamp(b, 0, 255);
  Rgb c = HueColour(h);
  int red = Channel(Brightened(Saturated(c.R, s), b));
  int green = Channel(Brightened(Saturated(c.G, s), b));
  int blue = Channel(Brightened(Saturated(c.B, s), b));
  return TColor(red | green << 8 | blue << 16);
}

namespace {
// Hue of a colour that is not grey, from the sector of its largest channel.
double HueOf(int r, int g, int b, int max, int min) {
  double span = max - min;
  double h;
  if (max == r) h = kSector * (g - b) / span;
  else if (max == g) h = 2 * kSector + kSector * (b - r) / span;
  else h = 4 * kSector + kSector * (r - g) / span;
  return h < 0 ? h + 255 : h;
}
}  // namespace

HSB ColourToHSB(TColor colour) {
  int r = int(colour & 0xFF), g = int(colour >> 8 & 0xFF), b = int(colour >> 16 & 0xFF);
  int max = std::max({r, g, b}), min = std::min({r, g, b});
  double brightness = (max + min) / 2.0;
  if (max == min) return {0, 0, Channel(brightness)};
  // Brightness scales the saturated colour's spread towards black or white, so the
  // spread is divided by that scale to give the saturation back.
  double saturation = (max - min) * kMid / std::min(brightness, 255 - brightness);
  return {Channel(HueOf(r, g, b, max, min)), Channel(saturation), Channel(brightness)};
}
