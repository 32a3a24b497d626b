#include "model/byte_reader.h"

#include "base/format_error.h"

void ByteReader::Fail(const std::string& what) const { throw FormatError(what, base_ + pos_); }

void ByteReader::Short(const char* field) const { Fail(std::string("data ends inside ") + field); }

std::uint32_t ByteReader::Int24BE(const char* field) {
  Need(3, field);
  std::uint32_t v = 0;
  for (int i = 0; i < 3; ++i) v = (v << 8) | At(pos_ + std::size_t(i));
  pos_ += 3;
  return v;
}
