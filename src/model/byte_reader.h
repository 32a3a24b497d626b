#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Reads the little-endian, byte-oriented stored forms. Never reads past the end: a
// short input throws FormatError naming the field and the offset.
class ByteReader {
 public:
  explicit ByteReader(std::string_view data, std::size_t baseOffset = 0)
      : data_(data), base_(baseOffset) {}

  std::size_t Position() const { return pos_; }
  std::size_t Remaining() const { return data_.size() - pos_; }
  bool AtEnd() const { return pos_ >= data_.size(); }
  std::string_view Rest() const { return data_.substr(pos_); }

  std::uint8_t Byte(const char* field);
  std::uint16_t Word(const char* field);     // 2 bytes, little-endian
  std::uint32_t Int24BE(const char* field);  // 3 bytes, most significant first
  std::uint32_t DWord(const char* field);    // 4 bytes, little-endian
  int Coord(const char* field);              // the two-byte coordinate form
  std::uint32_t Colour(const char* field);   // red, green, blue bytes
  std::string_view Bytes(std::size_t count, const char* field);
  void Skip(std::size_t count, const char* field);

  [[noreturn]] void Fail(const std::string& what) const;

 private:
  void Need(std::size_t count, const char* field) const;

  std::string_view data_;
  std::size_t pos_ = 0;
  std::size_t base_;
};
