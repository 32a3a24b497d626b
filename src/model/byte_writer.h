#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/geometry.h"

// Appends the stored forms to a caller's buffer. A value that the form cannot hold
// throws SaveRangeError naming the field, so nothing is ever written wrapped.
class ByteWriter {
 public:
  explicit ByteWriter(std::string& out) : out_(out) {}

  void Byte(long long v, const char* field);  // 0..255
  void Flags(std::uint8_t v) { out_.push_back(char(v)); }
  void Word(long long v, const char* field);  // 0..65535, little-endian
  void Int24BE(long long v, const char* field);
  void DWord(std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out_.push_back(char((v >> (8 * i)) & 0xFF));
  }
  void Coord(long long v, const char* field);  // MinStoredCoord..MaxStoredCoord
  void Colour(TColor c);
  void Zeros(std::size_t count) { out_.append(count, '\0'); }
  void Append(std::string_view bytes) { out_.append(bytes); }

  std::string& Buffer() { return out_; }

 private:
  std::string& out_;
};
