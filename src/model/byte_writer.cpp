#include "model/byte_writer.h"

#include "base/format_error.h"

namespace {
[[noreturn]] void OutOfRange(const char* field, long long v, long long lo, long long hi) {
  throw SaveRangeError(std::string(field) + " is " + std::to_string(v) +
                       ", which the file format cannot hold (allowed: " + std::to_string(lo) +
                       " to " + std::to_string(hi) + ")");
}
}  // namespace

void ByteWriter::Byte(long long v, const char* field) {
  if (v < 0 || v > 255) OutOfRange(field, v, 0, 255);
  out_.push_back(char(v));
}

void ByteWriter::Word(long long v, const char* field) {
  if (v < 0 || v > 65535) OutOfRange(field, v, 0, 65535);
  out_.push_back(char(v & 0xFF));
  out_.push_back(char(v >> 8));
}

void ByteWriter::Int24BE(long long v, const char* field) {
  if (v < 0 || v > 0xFFFFFF) OutOfRange(field, v, 0, 0xFFFFFF);
  out_.push_back(char((v >> 16) & 0xFF));
  out_.push_back(char((v >> 8) & 0xFF));
  out_.push_back(char(v & 0xFF));
}

void ByteWriter::Coord(long long v, const char* field) {
  if (v < MinStoredCoord || v > MaxStoredCoord) OutOfRange(field, v, MinStoredCoord, MaxStoredCoord);
  out_.push_back(char(v & 0xFF));  // two's complement low byte = value mod 256
  out_.push_back(char((v + 512) / 256));
}

void ByteWriter::Colour(TColor c) {
  out_.push_back(char(RedOf(c)));
  out_.push_back(char(GreenOf(c)));
  out_.push_back(char(BlueOf(c)));
}
