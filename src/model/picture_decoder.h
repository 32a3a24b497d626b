#pragma once

#include <cstddef>
#include <string_view>

#include "model/bitmap.h"
#include "base/geometry.h"

enum class TPictureFormat { Unknown, Bitmap, PNG, GIF, JPEG };

// What a decoder makes of a picture file.
struct TDecodedPicture {
  TBitmap Bitmap;  // one TColor per pixel, high byte zero
  TPictureFormat Format = TPictureFormat::Unknown;
  // Colour components of a JPEG: 1 gray, 3 colour, 4 CMYK. 0 for other formats.
  int Components = 0;
  // Some pixels were transparent (alpha below one half); they hold kPictureKeyColour.
  bool HasTransparency = false;
};

// Transparent pixels of a decoded picture get this colour, and the image object draws
// it as transparent.
inline constexpr TColor kPictureKeyColour = 0xFF80FF;

// Pictures larger than this are refused before any pixel memory is allocated: a forged
// header must not be able to exhaust memory (64 megapixels is 256 MB as TColor).
inline constexpr std::size_t kMaxPicturePixels = std::size_t(1) << 26;

// Turns the bytes of a picture file into pixels. The core has its own (JPEG through
// libjpeg; BMP, PNG and GIF through stb_image); a platform may install another.
class PictureDecoder {
 public:
  virtual ~PictureDecoder() = default;
  // False, with `out` emptied, when the bytes are not a picture the decoder reads, are
  // damaged, or describe more than `maxPixels` pixels.
  virtual bool Decode(std::string_view bytes, TDecodedPicture& out,
                      std::size_t maxPixels = kMaxPicturePixels) const = 0;
};

// The format the first bytes announce.
TPictureFormat SniffPictureFormat(std::string_view bytes);

// The decoder the core uses: the core's own unless one was installed.
const PictureDecoder& CurrentPictureDecoder();
// Installs a decoder (nullptr restores the core's). The caller keeps it alive.
void InstallPictureDecoder(const PictureDecoder* decoder);
