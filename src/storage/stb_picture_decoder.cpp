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
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "storage/core_picture_decoder.h"

namespace {
struct StbFree {
  void operator()(stbi_uc* p) const { stbi_image_free(p); }
};
}  // namespace

namespace {
std::uint64_t BigEndian(std::string_view b, std::size_t at, int n) {
  std::uint64_t v = 0;
  for (int i = 0; i < n; ++i) v = v << 8 | std::uint8_t(b[at + std::size_t(i)]);
  return v;
}

std::uint64_t LittleEndian(std::string_view b, std::size_t at, int n) {
  std::uint64_t v = 0;
  for (int i = n - 1; i >= 0; --i) v = v << 8 | std::uint8_t(b[at + std::size_t(i)]);
  return v;
}

// Every chunk up to IEND: length, type, data and CRC within the file.
bool PNGChunksPresent(std::string_view b) {
  std::size_t at = 8;
  while (at + 8 <= b.size()) {
    const std::uint64_t length = BigEndian(b, at, 4);
    if (length > 0x7FFFFFFF || length + 12 > b.size() - at) return false;
    if (b.substr(at + 4, 4) == "IEND") return true;
    at += std::size_t(length) + 12;
  }
  return false;
}

// The rows of an uncompressed BMP (BI_RGB or BI_BITFIELDS) within the file; compressed
// ones are bounded by the pixel cap alone.
bool BMPRowsPresent(std::string_view b) {
  if (b.size() < 26) return false;
  const std::uint64_t offset = LittleEndian(b, 10, 4), header = LittleEndian(b, 14, 4);
  std::uint64_t width = 0, height = 0, bits = 0, compression = 0;
  if (header == 12) {  // the OS/2 form: 16-bit sizes, never compressed
    width = LittleEndian(b, 18, 2);
    height = LittleEndian(b, 20, 2);
    bits = LittleEndian(b, 24, 2);
  } else {
    if (b.size() < 34) return false;
    // A negative height marks rows stored top down.
    width = std::uint64_t(std::llabs(std::int32_t(LittleEndian(b, 18, 4))));
    height = std::uint64_t(std::llabs(std::int32_t(LittleEndian(b, 22, 4))));
    bits = LittleEndian(b, 28, 2);
    compression = LittleEndian(b, 30, 4);
  }
  if (compression != 0 && compression != 3) return true;
  // Some writers leave out the padding after the last row.
  const std::uint64_t stride = (width * bits + 31) / 32 * 4, last = (width * bits + 7) / 8;
  if (height == 0 || last == 0) return true;
  if (offset > b.size() || last > b.size() - offset) return false;
  return height - 1 <= (b.size() - offset - last) / stride;
}
}  // namespace

bool PictureDataPresent(std::string_view bytes) {
  switch (SniffPictureFormat(bytes)) {
    case TPictureFormat::PNG: return PNGChunksPresent(bytes);
    case TPictureFormat::Bitmap: return BMPRowsPresent(bytes);
    default: return true;
  }
}

bool DecodeStbPicture(std::string_view bytes, TDecodedPicture& out, std::size_t maxPixels) {
  out = TDecodedPicture{};
  if (bytes.empty() || bytes.size() > std::size_t(INT_MAX)) return false;
  if (!PictureDataPresent(bytes)) return false;
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
