// BMP, PNG and GIF through stb_image. Our own private copy of the implementation (static
// functions), limited to the three formats we hand it; /usr/include/stb is a system
// header, so its warnings do not reach -Werror.
#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_ONLY_PNG
#define STBI_ONLY_BMP
#define STBI_ONLY_GIF
#define STBI_NO_STDIO
#define STBI_NO_HDR
#define STBI_NO_LINEAR
// A PNG whose first IDAT chunk is empty makes stb_image copy zero bytes into a buffer it
// has not allocated yet (memcpy from/to null is undefined even for zero bytes); route its
// copies through one that skips empty ones.
#include <cstring>
namespace {
void* CopyBytes(void* to, const void* from, std::size_t n) { return n ? std::memcpy(to, from, n) : to; }
}  // namespace
#define memcpy CopyBytes
#include <stb/stb_image.h>
#undef memcpy

#include <climits>
#include <memory>

#include "storage/core_picture_decoder.h"

namespace {
struct StbFree {
  void operator()(stbi_uc* p) const { stbi_image_free(p); }
};
}  // namespace

bool DecodeStbPicture(std::string_view bytes, TDecodedPicture& out, std::size_t maxPixels) {
  out = TDecodedPicture{};
  if (bytes.empty() || bytes.size() > std::size_t(INT_MAX)) return false;
  auto* data = reinterpret_cast<const stbi_uc*>(bytes.data());
  const int length = int(bytes.size());
  int w = 0, h = 0, channels = 0;
  // The header alone first: the size decides whether we allocate anything at all.
  if (!stbi_info_from_memory(data, length, &w, &h, &channels)) return false;
  if (w <= 0 || h <= 0 || std::size_t(w) > maxPixels / std::size_t(h)) return false;

  std::unique_ptr<stbi_uc, StbFree> pixels(stbi_load_from_memory(data, length, &w, &h, &channels, 4));
  if (!pixels || w <= 0 || h <= 0 || std::size_t(w) > maxPixels / std::size_t(h)) return false;

  const bool hasAlpha = channels == 2 || channels == 4;
  out.Bitmap = TBitmap(w, h);
  std::vector<TColor>& dst = out.Bitmap.Pixels();
  const stbi_uc* p = pixels.get();
  for (std::size_t i = 0; i < dst.size(); ++i, p += 4) {
    if (hasAlpha && p[3] < 128) {
      dst[i] = kPictureKeyColour;
      out.HasTransparency = true;
    } else {
      dst[i] = RGBColour(p[0], p[1], p[2]);
    }
  }
  out.Format = SniffPictureFormat(bytes);
  return true;
}
