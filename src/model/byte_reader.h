#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Where the bytes of an input that is still being produced come from: the reader asks
// for more before it calls the input short.
class TByteSupply {
 public:
  virtual ~TByteSupply() = default;
  // Blocks until more than `ready` bytes of the input can be read and returns how many
  // can; returns `ready` when no more will come. May throw the producer's own error.
  virtual std::size_t WaitBeyond(std::size_t ready) = 0;
};

// Reads the little-endian, byte-oriented stored forms. Never reads past the end: a
// short input throws FormatError naming the field and the offset.
class ByteReader {
 public:
  explicit ByteReader(std::string_view data, std::size_t baseOffset = 0)
      : data_(data), ready_(data.size()), base_(baseOffset) {}
  // An input of known size whose bytes arrive from `supply` while they are read; only
  // the first `ready` bytes of `data` may be read at the start.
  ByteReader(std::string_view data, TByteSupply& supply, std::size_t ready)
      : data_(data), ready_(ready), base_(0), supply_(&supply) {}

  std::size_t Position() const { return pos_; }
  std::size_t Remaining() const { return data_.size() - pos_; }
  bool AtEnd() const { return pos_ >= data_.size(); }
  // The unread bytes that have arrived.
  std::string_view Rest() const { return data_.substr(pos_, ready_ - pos_); }
  // Whether the unread input begins with `s`, waiting for its bytes if need be.
  bool StartsWith(std::string_view s) {
    if (!Arrived(s.size())) return false;
    // Asked before every object record, and nearly always false at the first byte.
    return s.empty() || (data_[pos_] == s[0] && data_.substr(pos_, s.size()) == s);
  }

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
  void Need(std::size_t count, const char* field) {
    if (count > ready_ - pos_) [[unlikely]]
      if (!Arrived(count)) Short(field);
  }
  // Whether `count` unread bytes can be read, waiting for a supply to deliver them.
  bool Arrived(std::size_t count) { return count <= ready_ - pos_ || Await(count); }
  bool Await(std::size_t count);
  [[noreturn]] void Short(const char* field) const;
  std::uint8_t At(std::size_t i) const { return std::uint8_t(data_[i]); }

  std::string_view data_;
  std::size_t ready_;
  std::size_t pos_ = 0;
  std::size_t base_;
  TByteSupply* supply_ = nullptr;
};
