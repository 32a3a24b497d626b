#include "cli/sample_picture.h"

#include <cmath>
#include <cstdint>

namespace {
constexpr int kWidth = 120;
constexpr int kHeight = 80;

void PutLE(std::string& out, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(char((v >> (8 * i)) & 0xFF));
}

// Red, green and blue of the landscape at (x, y), y counted from the top.
void Landscape(int x, int y, int& r, int& g, int& b) {
  // Sky from deep blue at the top to pale near the horizon.
  double t = double(y) / kHeight;
  r = int(60 + 150 * t);
  g = int(110 + 120 * t);
  b = int(200 + 50 * t);
  double sx = x - 88.0, sy = y - 22.0;
  if (sx * sx + sy * sy < 12.0 * 12.0) r = 255, g = 200, b = 40;  // the sun
  double hill1 = 56 + 10 * std::sin(x / 14.0);
  double hill2 = 64 + 6 * std::sin(x / 9.0 + 2);
  if (y > hill1) r = 70, g = 150, b = 60;
  if (y > hill2) r = 40, g = 110, b = 45;
}
}  // namespace

std::string SamplePictureBmp() {
  const int rowBytes = (kWidth * 3 + 3) / 4 * 4;
  std::string bmp = "BM";
  PutLE(bmp, 54 + rowBytes * kHeight, 4);
  PutLE(bmp, 0, 4);
  PutLE(bmp, 54, 4);
  PutLE(bmp, 40, 4);  // BITMAPINFOHEADER
  PutLE(bmp, kWidth, 4);
  PutLE(bmp, kHeight, 4);  // positive: rows bottom-up
  PutLE(bmp, 1, 2);
  PutLE(bmp, 24, 2);
  PutLE(bmp, 0, 4);
  PutLE(bmp, rowBytes * kHeight, 4);
  PutLE(bmp, 2835, 4);
  PutLE(bmp, 2835, 4);
  PutLE(bmp, 0, 4);
  PutLE(bmp, 0, 4);
  for (int y = kHeight - 1; y >= 0; --y) {
    for (int x = 0; x < kWidth; ++x) {
      int r, g, b;
      Landscape(x, y, r, g, b);
      bmp.push_back(char(b));
      bmp.push_back(char(g));
      bmp.push_back(char(r));
    }
    bmp.append(std::size_t(rowBytes - kWidth * 3), '\0');
  }
  return bmp;
}
