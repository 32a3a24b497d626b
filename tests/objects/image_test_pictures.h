#pragma once

#include <string>

#include "model/bitmap.h"

// Picture files made on the spot, so the tests need no sample files.
std::string EncodePNG(const TBitmap& bitmap, bool withAlpha = false);
std::string EncodeBMP(const TBitmap& bitmap);
// A baseline JPEG; `gray` writes one component (the red of each pixel).
std::string EncodeJPEG(const TBitmap& bitmap, bool gray, int quality = 90);

// A bitmap whose pixels come from f(x, y).
template <class F>
TBitmap MakeBitmap(int width, int height, F f) {
  TBitmap b(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) b.SetPixel(x, y, f(x, y));
  return b;
}

// Noise that no compressor can shrink (a fixed pseudo-random sequence).
TBitmap NoiseBitmap(int width, int height);
