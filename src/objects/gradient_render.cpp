// Screen rendering of gradients into a bitmap, without any platform drawing: the work
// area, the rectangle fill and the colour dialog's preview all draw the result.
#include <algorithm>
#include <cmath>

#include "model/quarrion_canvas.h"
#include "objects/gradient.h"

namespace {
// Any colour no gradient end uses will do as the "not painted" marker; pick one that
// differs from both ends.
TColor TransparentFor(TColor a, TColor b) {
  TColor c = 0x00FF01FE;
  while (c == a || c == b) ++c;
  return c;
}

TColor Mix(TColor a, TColor b, double t) {
  auto ch = [&](int x, int y) { return int(std::lround(x + (y - x) * t)); };
  return RGBColour(ch(RedOf(a), RedOf(b)), ch(GreenOf(a), GreenOf(b)), ch(BlueOf(a), BlueOf(b)));
}

void FillCircle(TBitmap& bmp, double cx, double cy, double r, TColor c) {
  if (r < 0.5) r = 0.5;
  int y1 = int(std::floor(cy - r)), y2 = int(std::ceil(cy + r));
  for (int y = std::max(y1, 0); y <= std::min(y2, bmp.Height() - 1); ++y) {
    double dy = y + 0.5 - cy;
    double span = r * r - dy * dy;
    if (span < 0) continue;
    double half = std::sqrt(span);
    bmp.FillSpan(y, int(std::lround(cx - half)), int(std::lround(cx + half)), c);
  }
}
}  // namespace

TBitmap TPDFGradient::RenderGradient(const TQuarrionCanvas& canvas, const TPDFObject& owner) const {
  TPoint o = canvas.PageToScreen(owner.Left, owner.Top);
  TPoint e = canvas.PageToScreen(owner.Right, owner.Bottom);
  TColor transparent = TransparentFor(Start.Colour, End.Colour);
  TBitmap bmp(e.X - o.X, e.Y - o.Y, transparent);
  bmp.HasTransparentColour = true;
  bmp.TransparentColour = transparent;
  if (bmp.Empty()) return bmp;

  TPoint s0 = canvas.PageToScreen(Left, Top), s1 = canvas.PageToScreen(Right, Bottom);
  double sx = s0.X - o.X, sy = s0.Y - o.Y, ex = s1.X - o.X, ey = s1.Y - o.Y;
  double dx = ex - sx, dy = ey - sy;

  if (ShadingType != 3) {
    // Axial: bands one pixel apart along the dominant direction of the axis.
    double steps = std::max(std::fabs(dx), std::fabs(dy));
    double len2 = dx * dx + dy * dy;
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
          c = Mix(Start.Colour, End.Colour, band);
        }
        bmp.SetPixel(x, y, c);
      }
    }
    return bmp;
  }

  // Radial: circles along the line between the two centres.
  double d = std::sqrt(dx * dx + dy * dy);
  if (d <= 0) return bmp;
  double scale = canvas.ZoomX / 1000.0;
  double r0 = Start.PlacedRadius * scale, r1 = End.PlacedRadius * scale;
  double step = std::fabs(dx) / 50;
  if (std::fabs(dy) / 10 < step) step = std::fabs(dy) / 100;
  step = std::clamp(step, 0.3, 1.0);
  auto inside = [&](double cx, double cy) {
    return cx >= 0 && cy >= 0 && cx < bmp.Width() && cy < bmp.Height();
  };
  auto circle = [&](double dist, TColor c) {
    double t = dist / d;
    double r = r0 + t * (r1 - r0);
    if (r <= 0) return false;
    FillCircle(bmp, sx + t * dx, sy + t * dy, r, c);
    return true;
  };
  if (Start.Extend) {
    // Start where the extended cone shrinks to nothing or its centre leaves the bitmap.
    double back = 0;
    while (inside(sx - (back + step) / d * dx, sy - (back + step) / d * dy) &&
           r0 - (back + step) / d * (r1 - r0) > 0 && back < 100000)
      back += step;
    for (double dist = -back; dist < 0; dist += step) circle(dist, Start.Colour);
  }
  for (double dist = 0; dist <= d; dist += step) circle(dist, Mix(Start.Colour, End.Colour, dist / d));
  if (End.Extend) {
    for (double dist = d + step; inside(sx + dist / d * dx, sy + dist / d * dy); dist += step)
      circle(dist, End.Colour);
  }
  return bmp;
}
