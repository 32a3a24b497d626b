#include "base/inflate_stream.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>

#include <libdeflate.h>
#include <zlib.h>

#include "base/file_helpers.h"
#include "base/format_error.h"

struct TInflateStream::State {
  z_stream Z{};
  // Adler-32 of the bytes out so far. zlib's own is a quarter of inflating here, the
  // vectorised one a fiftieth.
  std::uint32_t Check = 1;
};

namespace {
[[noreturn]] void ThrowDamaged(const char* why) {
  throw FormatError(std::string("compressed data is damaged (") + why + ")", 8);
}

[[noreturn]] void ThrowDamaged(const z_stream& z) { ThrowDamaged(z.msg ? z.msg : "zlib"); }

// The check value ends the stream, most significant byte first; zlib has just read it.
std::uint32_t TrailerBefore(const Bytef* end) {
  return std::uint32_t(end[-4]) << 24 | std::uint32_t(end[-3]) << 16 |
         std::uint32_t(end[-2]) << 8 | std::uint32_t(end[-1]);
}
}  // namespace

TInflateStream::TInflateStream(std::string_view bytes, std::size_t length) : length_(length) {
  if (length > kMaxDecompressedLength)
    throw FormatError("announced length " + std::to_string(length) + " is too large", 4);
  if (length / kMaxDeflateRatio > bytes.size())
    throw FormatError("announced length " + std::to_string(length) + " cannot come from " +
                          std::to_string(bytes.size()) + " compressed bytes",
                      4);
  state_ = std::make_unique<State>();
  z_stream& z = state_->Z;
  if (inflateInit(&z) != Z_OK) throw std::runtime_error("zlib cannot start");
  inflateValidate(&z, 0);  // the check value is ours to compute; zlib still reads it
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
  z.avail_in = uInt(std::min<std::size_t>(bytes.size(), std::numeric_limits<uInt>::max()));
}

TInflateStream::~TInflateStream() {
  if (state_) inflateEnd(&state_->Z);
}

std::size_t TInflateStream::Total() const { return state_->Z.total_out; }

// Every announced byte is out. Without room for more, zlib still reads on to the end of
// the stream, and there its check value is compared; a stream that holds more than
// announced keeps the rest unread, as before. Only damage met on the way is reported.
void TInflateStream::CheckEnd() {
  z_stream& z = state_->Z;
  Bytef none = 0;
  z.next_out = &none;
  z.avail_out = 0;
  const int rc = inflate(&z, Z_NO_FLUSH);
  if (rc == Z_DATA_ERROR) ThrowDamaged(z);
  if (rc == Z_STREAM_END && TrailerBefore(z.next_in) != state_->Check)
    ThrowDamaged("incorrect data check");
}

void TInflateStream::Fill(char* out, std::size_t room) {
  z_stream& z = state_->Z;
  const std::size_t goal = z.total_out + room;
  int rc = Z_OK;
  while (z.total_out < goal) {
    z.next_out = reinterpret_cast<Bytef*>(out + (room - (goal - z.total_out)));
    z.avail_out = uInt(std::min<std::size_t>(goal - z.total_out, std::numeric_limits<uInt>::max()));
    rc = inflate(&z, Z_NO_FLUSH);
    if (rc != Z_OK) break;
  }
  state_->Check = libdeflate_adler32(state_->Check, out, room - (goal - z.total_out));
  if (z.total_out == goal) {
    if (goal == length_) CheckEnd();
    return;
  }
  if (rc == Z_STREAM_END || rc == Z_BUF_ERROR)
    throw FormatError("compressed data holds " + std::to_string(z.total_out) + " of " +
                          std::to_string(length_) + " bytes",
                      8);
  ThrowDamaged(z);
}
