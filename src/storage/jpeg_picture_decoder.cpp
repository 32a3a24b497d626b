// JPEG through libjpeg. libjpeg reports fatal errors through a callback that must not
// return; it jumps back to the session here, so a damaged file fails the load instead of
// ending the program.
#include <bit>
#include <csetjmp>
#include <cstring>
#include <cstdio>  // jpeglib.h needs FILE
#include <vector>

#include <jpeglib.h>

#include "storage/core_picture_decoder.h"

namespace {
struct ErrorManager {
  jpeg_error_mgr Base;
  std::jmp_buf Jump;
};

[[noreturn]] void OnFatal(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->Jump, 1);
}

// Warnings (a truncated scan, say) leave a usable picture: decode what is there, quietly.
void OnMessage(j_common_ptr) {}

// Everything the decoding touches lives here, outside the frame that calls setjmp, so a
// jump skips no destructor and clobbers no local.
struct Session {
  jpeg_decompress_struct Info{};
  ErrorManager Errors{};
  std::vector<JSAMPLE> Row;
  bool Created = false;

  ~Session() {
    if (Created) jpeg_destroy_decompress(&Info);
  }
};

// libjpeg-turbo writes a row with non-temporal stores, which bypass the cache, whenever
// the row starts on a vector boundary; reading such a row back at once then costs a trip
// to memory for every cache line. Rows are decoded into a buffer that starts 4 bytes past
// a boundary instead, and copied from there while they are in the cache.
constexpr std::size_t kRowSkew = 4;

// The output for a colour picture. Where the library offers it, red, green, blue and a
// spare byte: on a little-endian machine that is a TColor once the spare byte is cleared.
J_COLOR_SPACE ColourOutput() {
#ifdef JCS_EXTENSIONS
  if constexpr (std::endian::native == std::endian::little) return JCS_EXT_RGBX;
#endif
  return JCS_RGB;
}

int ComponentsOf(J_COLOR_SPACE space) {
  return space == JCS_GRAYSCALE ? 1 : space == JCS_RGB ? 3 : 4;
}

void StoreRow(const JSAMPLE* p, int y, J_COLOR_SPACE space, TBitmap& bitmap) {
  static_assert(sizeof(TColor) == 4);
  const std::size_t width = std::size_t(bitmap.Width());
  TColor* out = bitmap.Pixels().data() + std::size_t(y) * width;
  switch (space) {
    case JCS_GRAYSCALE:
      for (std::size_t x = 0; x < width; ++x) out[x] = RGBColour(p[x], p[x], p[x]);
      break;
    case JCS_CMYK:
      // Adobe writes CMYK inverted, which is what nearly every CMYK JPEG holds.
      for (std::size_t x = 0; x < width; ++x, p += 4)
        out[x] = RGBColour(p[0] * p[3] / 255, p[1] * p[3] / 255, p[2] * p[3] / 255);
      break;
    case JCS_RGB:
      for (std::size_t x = 0; x < width; ++x, p += 3) out[x] = RGBColour(p[0], p[1], p[2]);
      break;
    default:  // red, green, blue and the spare byte
      std::memcpy(out, p, width * sizeof(TColor));
      for (std::size_t x = 0; x < width; ++x) out[x] &= 0xFFFFFF;
      break;
  }
}

bool ReadRows(Session& s, TBitmap& bitmap) {
  const J_COLOR_SPACE space = s.Info.out_color_space;
  s.Row.resize(std::size_t(bitmap.Width()) * std::size_t(ComponentsOf(space)) + kRowSkew);
  JSAMPROW row = s.Row.data() + kRowSkew;
  while (s.Info.output_scanline < s.Info.output_height) {
    const int y = int(s.Info.output_scanline);
    if (jpeg_read_scanlines(&s.Info, &row, 1) != 1) return false;
    StoreRow(row, y, space, bitmap);
  }
  return true;
}

bool Run(Session& s, std::string_view bytes, TDecodedPicture& out, std::size_t maxPixels) {
  s.Info.err = jpeg_std_error(&s.Errors.Base);
  s.Errors.Base.error_exit = OnFatal;
  s.Errors.Base.output_message = OnMessage;
  if (setjmp(s.Errors.Jump)) return false;
  jpeg_create_decompress(&s.Info);
  s.Created = true;
  jpeg_mem_src(&s.Info, reinterpret_cast<const unsigned char*>(bytes.data()),
               static_cast<unsigned long>(bytes.size()));
  if (jpeg_read_header(&s.Info, TRUE) != JPEG_HEADER_OK) return false;
  const std::size_t w = s.Info.image_width, h = s.Info.image_height;
  if (w == 0 || h == 0 || w > maxPixels / h) return false;

  const J_COLOR_SPACE space = s.Info.jpeg_color_space;
  if (space == JCS_CMYK || space == JCS_YCCK)
    s.Info.out_color_space = JCS_CMYK;
  else if (s.Info.num_components == 1)
    s.Info.out_color_space = JCS_GRAYSCALE;
  else
    s.Info.out_color_space = ColourOutput();
  jpeg_start_decompress(&s.Info);
  if (s.Info.output_components != ComponentsOf(s.Info.out_color_space)) return false;

  out.Components = s.Info.num_components;
  out.Bitmap = TBitmap(int(w), int(h));
  if (!ReadRows(s, out.Bitmap)) return false;
  jpeg_finish_decompress(&s.Info);
  out.Format = TPictureFormat::JPEG;
  return true;
}
}  // namespace

bool DecodeJPEGPicture(std::string_view bytes, TDecodedPicture& out, std::size_t maxPixels) {
  out = TDecodedPicture{};
  Session session;
  if (Run(session, bytes, out, maxPixels)) return true;
  out = TDecodedPicture{};
  return false;
}
