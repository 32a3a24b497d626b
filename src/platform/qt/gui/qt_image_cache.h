#pragma once

#include <QImage>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <unordered_map>

#include "model/bitmap.h"

// The QImage copies of bitmaps that are drawn again and again (rendered gradients, pictures,
// the work area's cached page background), under the bitmap's stamp, so that each is
// converted once rather than on every paint. One cache serves every surface: the work
// area's off-screen surfaces live for one paint only. When the copies outgrow the budget
// they are all dropped; the bitmaps drawn next are converted again.
class QtImageCache {
 public:
  explicit QtImageCache(std::size_t budgetBytes) : budget_(budgetBytes) {}

  static QtImageCache& Shared();

  // The picture of `bitmap`, converted now or earlier. Valid until the next call.
  const QImage& ImageOf(const TBitmap& bitmap);

  std::size_t Bytes() const { return bytes_; }
  std::size_t Count() const { return images_.size(); }

 private:
  // The transparent colour is a public field of the bitmap, outside its stamp.
  struct Entry {
    QImage Image;
    bool Transparent = false;
    TColor Key = 0;
  };

  std::mutex mutex_;
  std::unordered_map<std::uint64_t, Entry> images_;
  std::size_t bytes_ = 0;
  std::size_t budget_;
};
