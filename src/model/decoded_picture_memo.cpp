#include "model/decoded_picture_memo.h"

bool TDecodedPictureMemo::Decode(std::string_view name, std::string_view bytes,
                                 const PictureDecoder& decoder, TDecodedPicture& out) {
  auto it = entries_.find(std::string(name));
  if (it == entries_.end() || it->second.Decoder != &decoder) {
    TEntry entry;
    entry.Decoder = &decoder;
    entry.Decoded = decoder.Decode(bytes, entry.Picture);
    it = entries_.insert_or_assign(std::string(name), std::move(entry)).first;
  }
  out = it->second.Picture;
  return it->second.Decoded;
}

void TDecodedPictureMemo::Forget(std::string_view name) { entries_.erase(std::string(name)); }
