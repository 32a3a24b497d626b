#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#include <stb/stb_image_write.h>

#include <cstdio>
#include <vector>

#include <jpeglib.h>

#include "objects/image_test_pictures.h"

namespace {
void AppendTo(void* context, void* data, int size) {
  static_cast<std::string*>(context)->append(static_cast<const char*>(data), std::size_t(size));
}

std::vector<unsigned char> Samples(const TBitmap& b, int channels) {
  std::vector<unsigned char> s;
  s.reserve(std::size_t(b.Width()) * b.Height() * channels);
  for (TColor c : b.Pixels()) {
    s.push_back(RedOf(c));
    if (channels >= 3) {
      s.push_back(GreenOf(c));
      s.push_back(BlueOf(c));
    }
    // Alpha from the free high byte: 0 there means opaque, anything else transparent.
    if (channels == 4) s.push_back((c >> 24) ? 0 : 255);
  }
  return s;
}
}  // namespace

std::string EncodePNG(const TBitmap& b, bool withAlpha) {
  const int channels = withAlpha ? 4 : 3;
  auto s = Samples(b, channels);
  std::string out;
  stbi_write_png_to_func(AppendTo, &out, b.Width(), b.Height(), channels, s.data(),
                         b.Width() * channels);
  return out;
}

std::string EncodeBMP(const TBitmap& b) {
  auto s = Samples(b, 3);
  std::string out;
  stbi_write_bmp_to_func(AppendTo, &out, b.Width(), b.Height(), 3, s.data());
  return out;
}

std::string EncodeJPEG(const TBitmap& b, bool gray, int quality) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = JDIMENSION(b.Width());
  info.image_height = JDIMENSION(b.Height());
  info.input_components = gray ? 1 : 3;
  info.in_color_space = gray ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  // No chroma subsampling, so small pictures keep their colours pixel by pixel.
  for (int i = 0; i < info.num_components; ++i)
    info.comp_info[i].h_samp_factor = info.comp_info[i].v_samp_factor = 1;
  jpeg_start_compress(&info, TRUE);
  auto s = Samples(b, gray ? 1 : 3);
  const std::size_t stride = std::size_t(b.Width()) * (gray ? 1 : 3);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = s.data() + stride * info.next_scanline;
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::string out(reinterpret_cast<const char*>(buffer), size);
  std::free(buffer);
  return out;
}

TBitmap NoiseBitmap(int width, int height) {
  unsigned state = 12345;
  return MakeBitmap(width, height, [&](int, int) {
    state = state * 1103515245u + 12345u;
    TColor c = (state >> 8) & 0xFFFFFF;
    return c;
  });
}
