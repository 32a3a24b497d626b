#include "platform/qt/gui/qt_image_cache.h"

#include <algorithm>

#include "platform/qt/gui/qt_surface.h"

QtImageCache& QtImageCache::Shared() {
  // Enough for a full-screen page background and a few thousand rendered gradients.
  static QtImageCache cache(std::size_t(96) << 20);
  return cache;
}

const QImage& QtImageCache::ImageOf(const TBitmap& bitmap) {
  std::lock_guard<std::mutex> lock(mutex_);
  const std::uint64_t stamp = bitmap.Stamp();
  auto found = images_.find(stamp);
  if (found != images_.end() && found->second.Transparent == bitmap.HasTransparentColour &&
      (!bitmap.HasTransparentColour || found->second.Key == bitmap.TransparentColour))
    return found->second.Image;
  if (found != images_.end()) {
    bytes_ -= std::size_t(found->second.Image.sizeInBytes());
    images_.erase(found);
  }
  QImage image = ToQImage(bitmap);
  // Kept in the painter's own format: its pixels are wholly opaque or wholly clear, so
  // premultiplying changes none of them, and drawing then needs no conversion. A picture
  // with no clear pixel at all (most gradients) is copied rather than blended.
  if (image.format() == QImage::Format_ARGB32) {
    const auto& pixels = bitmap.Pixels();
    const bool clear = std::find(pixels.begin(), pixels.end(), bitmap.TransparentColour) != pixels.end();
    image = std::move(image).convertToFormat(clear ? QImage::Format_ARGB32_Premultiplied
                                                   : QImage::Format_RGB32);
  }
  Entry entry{std::move(image), bitmap.HasTransparentColour, bitmap.TransparentColour};
  const auto size = std::size_t(entry.Image.sizeInBytes());
  if (bytes_ + size > budget_) {
    images_.clear();
    bytes_ = 0;
  }
  bytes_ += size;
  return images_.insert_or_assign(stamp, std::move(entry)).first->second.Image;
}
