// Arbitrary bytes as a picture file through the core's decoder (JPEG by libjpeg, BMP, PNG
// and GIF by stb_image). Decoding ends in pixels or a refusal; the pixel count stays
// within the limit asked for, and a refusal leaves nothing behind.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "storage/core_picture_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  // A small limit keeps the fuzzer fast and exercises the refusal of large headers.
  constexpr std::size_t kLimit = std::size_t(1) << 20;
  CorePictureDecoder decoder;
  TDecodedPicture picture;
  const bool ok = decoder.Decode(bytes, picture, kLimit);
  const std::size_t pixels = std::size_t(picture.Bitmap.Width()) * std::size_t(picture.Bitmap.Height());
  if (ok && (pixels == 0 || pixels > kLimit)) __builtin_trap();
  if (!ok && pixels != 0) __builtin_trap();
  if (ok && picture.Format == TPictureFormat::JPEG && picture.Components == 0) __builtin_trap();
  return 0;
}
