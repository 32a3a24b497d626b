#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

#include "model/picture_decoder.h"

// Pictures of the resource store already decoded, by entry name. A document often shows
// one stored picture on many slides; while it is read, each picture is decoded once and
// every further image gets a copy of the same pixels.
class TDecodedPictureMemo {
 public:
  // What `decoder` makes of `bytes`, the data of entry `name`: remembered the first time,
  // copied from then on. False (with `out` emptied) when the bytes do not decode.
  bool Decode(std::string_view name, std::string_view bytes, const PictureDecoder& decoder,
              TDecodedPicture& out);
  // The entry's data changed or went away.
  void Forget(std::string_view name);
  void Clear() { entries_.clear(); }

 private:
  struct TEntry {
    const PictureDecoder* Decoder = nullptr;
    bool Decoded = false;
    TDecodedPicture Picture;
  };
  std::unordered_map<std::string, TEntry> entries_;
};
