#pragma once

#include "model/picture_decoder.h"

// The core's own picture decoder: JPEG through libjpeg, BMP, PNG and GIF (first frame)
// through stb_image. Both are asked for the picture's size first, so an oversized or
// forged header fails before pixel memory is allocated. Icons and metafiles are not read.
class CorePictureDecoder : public PictureDecoder {
 public:
  bool Decode(std::string_view bytes, TDecodedPicture& out,
              std::size_t maxPixels = kMaxPicturePixels) const override;
};

// The two halves, usable on their own.
bool DecodeJPEGPicture(std::string_view bytes, TDecodedPicture& out, std::size_t maxPixels);
bool DecodeStbPicture(std::string_view bytes, TDecodedPicture& out, std::size_t maxPixels);
