#pragma once

#include <cstdint>
#include <vector>

#include "base/geometry.h"

// A picture in memory, one TColor per pixel, rows top to bottom. Used for rendered
// gradients, decoded pictures and the cached page background; the platform surface
// draws it. Pixels equal to TransparentColour are not drawn when HasTransparentColour.
class TBitmap {
 public:
  TBitmap() = default;
  TBitmap(int width, int height, TColor fill = 0xFFFFFF);

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return width_ <= 0 || height_ <= 0; }

  TColor Pixel(int x, int y) const { return pixels_[std::size_t(y) * width_ + x]; }
  void SetPixel(int x, int y, TColor c) {
    stamp_ = 0;
    pixels_[std::size_t(y) * width_ + x] = c;
  }
  const std::vector<TColor>& Pixels() const { return pixels_; }
  // Writing through the reference is a change: do not keep it past a call of Stamp.
  std::vector<TColor>& Pixels() {
    stamp_ = 0;
    return pixels_;
  }

  // Fills the pixels of [x1, x2) on row y, clipped to the bitmap.
  void FillSpan(int y, int x1, int x2, TColor c);

  // A number for these pixels, new after every change through the members above (a copy
  // keeps it: it holds the same pixels). A surface that draws the same bitmap again and
  // again keeps its converted picture under this number.
  std::uint64_t Stamp() const;

  bool HasTransparentColour = false;
  TColor TransparentColour = 0;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<TColor> pixels_;
  mutable std::uint64_t stamp_ = 0;  // 0: none given since the last change
};
