#include "model/bitmap.h"

#include <algorithm>
#include <atomic>

TBitmap::TBitmap(int width, int height, TColor fill)
    : width_(std::max(width, 0)), height_(std::max(height, 0)),
      pixels_(std::size_t(width_) * std::size_t(height_), fill) {}

void TBitmap::FillSpan(int y, int x1, int x2, TColor c) {
  if (y < 0 || y >= height_) return;
  x1 = std::max(x1, 0);
  x2 = std::min(x2, width_);
  if (x1 >= x2) return;
  stamp_ = 0;
  std::fill(pixels_.begin() + std::size_t(y) * width_ + x1,
            pixels_.begin() + std::size_t(y) * width_ + x2, c);
}

std::uint64_t TBitmap::Stamp() const {
  static std::atomic<std::uint64_t> next{1};
  if (stamp_ == 0) stamp_ = next.fetch_add(1, std::memory_order_relaxed);
  return stamp_;
}
