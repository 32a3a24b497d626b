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

// False when a PNG chunk, or the pixel rows of an uncompressed BMP, claim more bytes than
// `bytes` holds. Checked before decoding: the decoder reserves what a chunk claims before
// it finds the data missing. Other formats pass.
bool PictureDataPresent(std::string_view bytes);

// The two halves, usable on their own.
bool DecodeJPEGPicture(std::string_view bytes, TDecodedPicture& out, std::size_t maxPixels);
bool DecodeStbPicture(std::string_view bytes, TDecodedPicture& out, std::size_t maxPixels);
