#include "model/byte_reader.h"

#include "base/format_error.h"

void ByteReader::Fail(const std::string& what) const { throw FormatError(what, base_ + pos_); }

void ByteReader::Need(std::size_t count, const char* field) const {
  if (count > data_.size() - pos_)
    Fail(std::string("data ends inside ") + field);
}

std::uint8_t ByteReader::Byte(const char* field) {
  Need(1, field);
  return std::uint8_t(data_[pos_++]);
}

std::uint16_t ByteReader::Word(const char* field) {
  Need(2, field);
  auto lo = std::uint8_t(data_[pos_]), hi = std::uint8_t(data_[pos_ + 1]);
  pos_ += 2;
  return std::uint16_t(lo | (hi << 8));
}

std::uint32_t ByteReader::Int24BE(const char* field) {
  Need(3, field);
  std::uint32_t v = 0;
  for (int i = 0; i < 3; ++i) v = (v << 8) | std::uint8_t(data_[pos_ + i]);
  pos_ += 3;
  return v;
}

std::uint32_t ByteReader::DWord(const char* field) {
  Need(4, field);
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | std::uint8_t(data_[pos_ + i]);
  pos_ += 4;
  return v;
}

int ByteReader::Coord(const char* field) {
  Need(2, field);
  int lo = std::uint8_t(data_[pos_]), hi = std::uint8_t(data_[pos_ + 1]);
  pos_ += 2;
  return lo + 256 * hi - 512;
}

std::uint32_t ByteReader::Colour(const char* field) {
  Need(3, field);
  std::uint32_t v = std::uint8_t(data_[pos_]) | (std::uint8_t(data_[pos_ + 1]) << 8) |
                    (std::uint32_t(std::uint8_t(data_[pos_ + 2])) << 16);
  pos_ += 3;
  return v;
}

std::string_view ByteReader::Bytes(std::size_t count, const char* field) {
  Need(count, field);
  auto v = data_.substr(pos_, count);
  pos_ += count;
  return v;
}

void ByteReader::Skip(std::size_t count, const char* field) {
  Need(count, field);
  pos_ += count;
}
