#include "storage/core_picture_decoder.h"

namespace {
const PictureDecoder* installed = nullptr;

bool StartsWith(std::string_view bytes, std::string_view magic) {
  return bytes.substr(0, magic.size()) == magic;
}
}  // namespace

TPictureFormat SniffPictureFormat(std::string_view bytes) {
  if (StartsWith(bytes, "\xFF\xD8\xFF")) return TPictureFormat::JPEG;
  if (StartsWith(bytes, "\x89PNG\r\n\x1A\n")) return TPictureFormat::PNG;
  if (StartsWith(bytes, "GIF87a") || StartsWith(bytes, "GIF89a")) return TPictureFormat::GIF;
  if (StartsWith(bytes, "BM")) return TPictureFormat::Bitmap;
  return TPictureFormat::Unknown;
}

bool CorePictureDecoder::Decode(std::string_view bytes, TDecodedPicture& out,
                                std::size_t maxPixels) const {
  out = TDecodedPicture{};
  switch (SniffPictureFormat(bytes)) {
    case TPictureFormat::JPEG:
      return DecodeJPEGPicture(bytes, out, maxPixels);
    case TPictureFormat::PNG:
    case TPictureFormat::GIF:
    case TPictureFormat::Bitmap:
      return DecodeStbPicture(bytes, out, maxPixels);
    case TPictureFormat::Unknown:
      break;
  }
  return false;
}

const PictureDecoder& CurrentPictureDecoder() {
  static const CorePictureDecoder core;
  return installed ? *installed : core;
}

void InstallPictureDecoder(const PictureDecoder* decoder) { installed = decoder; }
