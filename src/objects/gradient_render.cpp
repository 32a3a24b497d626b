// Screen rendering of gradients into a bitmap, without any platform drawing: the work
// area, the rectangle fill and the colour dialog's preview all draw the result.
#include <algorithm>
#include <cmath>
#include <limits>

#include "model/quarrion_canvas.h"
#include "objects/gradient.h"

namespace {
constexpr double kInfinity = std::numeric_limits<double>::infinity();

TColor Mix(TColor a, TColor b, double t) {
  auto ch = [&](int x, int y) { return int(std::lround(x + (y - x) * t)); };
  return RGBColour(ch(RedOf(a), RedOf(b)), ch(GreenOf(a), GreenOf(b)), ch(BlueOf(a), BlueOf(b)));
}

// True when Mix(a, b, t) can give `m` for some t in 0..1 (the test errs towards true).
bool OnGradient(TColor m, TColor a, TColor b) {
  double lo = 0, hi = 1;
  const int shifts[3] = {0, 8, 16};
  for (int shift : shifts) {
    int x = (a >> shift) & 0xFF, y = (b >> shift) & 0xFF, v = (m >> shift) & 0xFF;
    if (x == y) {
      if (v != x) return false;
      continue;
    }
    double t1 = (v - 0.5 - x) / double(y - x), t2 = (v + 0.5 - x) / double(y - x);
    lo = std::max(lo, std::min(t1, t2));
    hi = std::min(hi, std::max(t1, t2));
  }
  return lo <= hi;
}

// The "not painted" marker: a colour the gradient itself never produces.
TColor TransparentFor(TColor a, TColor b) {
  TColor c = 0x00FF01FE;
  while (OnGradient(c, a, b)) c = (c + 0x010307) & 0xFFFFFF;
  return c;
}

// The largest t in [lo, hi] with a·t² + b·t + c ≤ 0, or NaN when there is none.
double LargestCovering(double a, double b, double c, double lo, double hi) {
  double from[2], to[2];
  int count = 0;
  auto interval = [&](double x, double y) {
    from[count] = x;
    to[count++] = y;
  };
  if (std::fabs(a) < 1e-9) {
    if (b > 1e-12) interval(-kInfinity, -c / b);
    else if (b < -1e-12) interval(-c / b, kInfinity);
    else if (c <= 0) interval(-kInfinity, kInfinity);
  } else {
    double disc = b * b - 4 * a * c;
    if (disc >= 0) {
      double root = std::sqrt(disc);
      double t1 = (-b - root) / (2 * a), t2 = (-b + root) / (2 * a);
      if (t1 > t2) std::swap(t1, t2);
      if (a > 0) {
        interval(t1, t2);
      } else {
        interval(-kInfinity, t1);
        interval(t2, kInfinity);
      }
    } else if (a < 0) {
      interval(-kInfinity, kInfinity);
    }
  }
  double best = std::numeric_limits<double>::quiet_NaN();
  for (int i = 0; i < count; ++i) {
    double x = std::max(from[i], lo), y = std::min(to[i], hi);
    if (x <= y && !(y <= best)) best = y;
  }
  return best;
}

// The largest t in [lo, hi] with a·t² + b·t + c = 0, or NaN when there is none.
double LargestRoot(double a, double b, double c, double lo, double hi) {
  const double none = std::numeric_limits<double>::quiet_NaN();
  auto inside = [&](double t) { return t >= lo && t <= hi; };
  if (std::fabs(a) < 1e-9) return std::fabs(b) > 1e-12 && inside(-c / b) ? -c / b : none;
  const double disc = b * b - 4 * a * c;
  if (disc < 0) return none;
  const double root = std::sqrt(disc);
  double t1 = (-b - root) / (2 * a), t2 = (-b + root) / (2 * a);
  if (t1 > t2) std::swap(t1, t2);
  return inside(t2) ? t2 : inside(t1) ? t1 : none;
}
}  // namespace

const TBitmap& TPDFGradient::RenderGradient(const TQuarrionCanvas& canvas, const TPDFObject& owner) const {
  const TPoint o = canvas.PageToScreen(owner.Left, owner.Top);
  const TPoint e = canvas.PageToScreen(owner.Right, owner.Bottom);
  const TPoint s0 = canvas.PageToScreen(Left, Top), s1 = canvas.PageToScreen(Right, Bottom);
  // Whole numbers of pixels and the zoom: the positions on the page only matter through them.
  TRenderKey key{e.X - o.X, e.Y - o.Y, s0.X - o.X, s0.Y - o.Y, s1.X - o.X, s1.Y - o.Y,
                 canvas.ZoomX, ShadingType, Start, End};
  if (!(key == renderedFor_)) {
    rendered_ = Render(key.Width, key.Height, key.StartX, key.StartY, key.EndX, key.EndY,
                       key.Zoom / 1000.0);
    renderedFor_ = key;
  }
  return rendered_;
}

TBitmap TPDFGradient::RenderGradient(int width, int height) const {
  // Placed on a copy, so that an owner's placement of this gradient survives; the box
  // only needs bounds, and a blank gradient has them.
  TPDFGradient placed(0, 0, 0, 0);
  AssignAppearanceTo(placed);
  TPDFGradient box(0, 0, std::max(width, 0), std::max(height, 0));
  placed.PlaceGradient(box);
  return placed.Render(box.Right, box.Bottom, placed.Left, placed.Top, placed.Right, placed.Bottom, 1.0);
}

TBitmap TPDFGradient::Render(int width, int height, double sx, double sy, double ex, double ey,
                             double scale) const {
  TColor transparent = TransparentFor(Start.Colour, End.Colour);
  TBitmap bmp(width, height, transparent);
  bmp.HasTransparentColour = true;
  bmp.TransparentColour = transparent;
  if (bmp.Empty()) return bmp;
  const double dx = ex - sx, dy = ey - sy;
  if (ShadingType == 3)
    RenderRadial(bmp, sx, sy, dx, dy, scale);
  else
    RenderAxial(bmp, sx, sy, dx, dy);
  return bmp;
}

void TPDFGradient::RenderAxial(TBitmap& bmp, double sx, double sy, double dx, double dy) const {
  // Bands one pixel apart along the dominant direction of the axis.
  double steps = std::max(std::fabs(dx), std::fabs(dy));
  double len2 = dx * dx + dy * dy;
  // Neighbouring pixels mostly fall in one band: its colour is mixed once.
  double lastBand = -1;
  TColor bandColour = Start.Colour;
  for (int y = 0; y < bmp.Height(); ++y) {
    for (int x = 0; x < bmp.Width(); ++x) {
      double t = len2 > 0 ? ((x - sx) * dx + (y - sy) * dy) / len2 : 0;
      TColor c;
      if (t < 0) {
        if (!Start.Extend && len2 > 0) continue;
        c = Start.Colour;
      } else if (t >= 1) {
        if (!End.Extend) continue;
        c = End.Colour;
      } else {
        double band = steps > 0 ? std::floor(t * steps) / steps : 0;
        if (band != lastBand) {
          bandColour = Mix(Start.Colour, End.Colour, band);
          lastBand = band;
        }
        c = bandColour;
      }
      bmp.SetPixel(x, y, c);
    }
  }
}

// The radial gradient is the family of circles c(t) = start + t·(end − start) with
// radius r(t) = r0 + t·(r1 − r0); a pixel takes the colour of the largest t whose circle
// covers it, which is what drawing the circles one after another shows, without the
// cost of drawing them. Before the start the circles go on (when the start extends)
// until they shrink to nothing, as a PDF viewer shows them; after the end (when it
// extends) until the centre leaves the bitmap.
// Circles with one centre are the exception: there every later circle covers the earlier
// ones and the whole gradient would show its end colour, where a PDF viewer shows rings.
// Those take, as the viewer does, the largest t whose circle passes through the pixel.
void TPDFGradient::RenderRadial(TBitmap& bmp, double sx, double sy, double dx, double dy,
                                double scale) const {
  const double r0 = Start.PlacedRadius * scale, dr = End.PlacedRadius * scale - r0;
  const double w = bmp.Width(), h = bmp.Height();
  double lo = Start.Extend ? -kInfinity : 0, hi = 1;
  if (End.Extend && sx + dx >= 0 && sx + dx < w && sy + dy >= 0 && sy + dy < h) {
    double tx = dx > 0 ? (w - sx) / dx : dx < 0 ? -sx / dx : kInfinity;
    double ty = dy > 0 ? (h - sy) / dy : dy < 0 ? -sy / dy : kInfinity;
    hi = std::max(1.0, std::min(tx, ty));
  }
  // Radii below zero are no circles.
  if (dr > 0) lo = std::max(lo, -r0 / dr);
  if (dr < 0) hi = std::min(hi, -r0 / dr);
  if (dr == 0 && r0 < 0) return;
  if (lo > hi) return;

  const bool rings = dx == 0 && dy == 0;
  const double a = dx * dx + dy * dy - dr * dr;
  for (int y = 0; y < bmp.Height(); ++y) {
    for (int x = 0; x < bmp.Width(); ++x) {
      // |p − c(t)|² ≤ r(t)²  ⇔  a·t² + b·t + c ≤ 0
      double qx = x + 0.5 - sx, qy = y + 0.5 - sy;
      double b = -2 * (qx * dx + qy * dy + r0 * dr);
      double c = qx * qx + qy * qy - r0 * r0;
      double t = rings ? LargestRoot(a, b, c, lo, hi) : LargestCovering(a, b, c, lo, hi);
      if (std::isnan(t)) continue;
      bmp.SetPixel(x, y, t < 0 ? Start.Colour : t > 1 ? End.Colour : Mix(Start.Colour, End.Colour, t));
    }
  }
}
