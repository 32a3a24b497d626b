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

  // The reads are inline: loading a document makes millions of them.
  std::uint8_t Byte(const char* field) {
    Need(1, field);
    return At(pos_++);
  }
  // 2 bytes, little-endian
  std::uint16_t Word(const char* field) {
    Need(2, field);
    pos_ += 2;
    return std::uint16_t(At(pos_ - 2) | (At(pos_ - 1) << 8));
  }
  // 3 bytes, most significant first
  std::uint32_t Int24BE(const char* field) {
    Need(3, field);
    pos_ += 3;
    return (std::uint32_t(At(pos_ - 3)) << 16) | (std::uint32_t(At(pos_ - 2)) << 8) | At(pos_ - 1);
  }
  // 4 bytes, little-endian
  std::uint32_t DWord(const char* field) {
    Need(4, field);
    pos_ += 4;
    return std::uint32_t(At(pos_ - 4)) | (std::uint32_t(At(pos_ - 3)) << 8) |
           (std::uint32_t(At(pos_ - 2)) << 16) | (std::uint32_t(At(pos_ - 1)) << 24);
  }
  // the two-byte coordinate form
  int Coord(const char* field) {
    Need(2, field);
    pos_ += 2;
    return At(pos_ - 2) + 256 * At(pos_ - 1) - 512;
  }
  // red, green, blue bytes
  std::uint32_t Colour(const char* field) {
    Need(3, field);
    pos_ += 3;
    return std::uint32_t(At(pos_ - 3)) | (std::uint32_t(At(pos_ - 2)) << 8) |
           (std::uint32_t(At(pos_ - 1)) << 16);
  }
  std::string_view Bytes(std::size_t count, const char* field) {
    Need(count, field);
    pos_ += count;
    return std::string_view(data_.data() + (pos_ - count), count);
  }
  void Skip(std::size_t count, const char* field) {
    Need(count, field);
    pos_ += count;
  }

  [[noreturn]] void Fail(const std::string& what) const;

 private:
  void Need(std::size_t count, const char* field) const {
    if (count > data_.size() - pos_) [[unlikely]]
      Short(field);
  }
  [[noreturn]] void Short(const char* field) const;
  std::uint8_t At(std::size_t i) const { return std::uint8_t(data_[i]); }

  std::string_view data_;
  std::size_t pos_ = 0;
  std::size_t base_;
};
