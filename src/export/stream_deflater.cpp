#include "export/stream_deflater.h"

#include <libdeflate.h>
#include <zlib.h>

#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>
#include <mutex>
#include <vector>

namespace {
// The zlib header compress2 writes at level 9: deflate, a 32 KB window, "maximum
// compression", check bits.
constexpr unsigned char kHeader[2] = {0x78, 0xDA};

// A raw level 9 deflate stream with the zlib header and check value added here: the
// same bytes, but the check value is computed by the vectorised Adler-32, which takes a
// fifteenth of the time of zlib's own.
class TDeflater {
 public:
  TDeflater() = default;
  ~TDeflater() {
    if (ready_) deflateEnd(&stream_);
  }
  TDeflater(const TDeflater&) = delete;
  TDeflater& operator=(const TDeflater&) = delete;

  bool Deflate(std::string_view in, std::string& out) {
    if (in.size() > std::numeric_limits<uInt>::max() / 2) return false;
    if (!ready_) {
      if (deflateInit2(&stream_, 9, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        return false;
      ready_ = true;
    } else if (deflateReset(&stream_) != Z_OK) {
      return false;
    }
    out.resize(sizeof kHeader + compressBound(uLong(in.size())) + 4);
    std::memcpy(out.data(), kHeader, sizeof kHeader);
    stream_.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(in.data()));
    stream_.avail_in = uInt(in.size());
    stream_.next_out = reinterpret_cast<Bytef*>(out.data() + sizeof kHeader);
    stream_.avail_out = uInt(out.size() - sizeof kHeader - 4);
    if (deflate(&stream_, Z_FINISH) != Z_STREAM_END) return false;
    std::size_t length = sizeof kHeader + stream_.total_out;
    const std::uint32_t check = libdeflate_adler32(1, in.data(), in.size());
    for (int shift = 24; shift >= 0; shift -= 8) out[length++] = char((check >> shift) & 0xFF);
    out.resize(length);
    return true;
  }

 private:
  z_stream stream_{};
  bool ready_ = false;
};

// The streams outlive the threads that use them: an export starts its threads afresh,
// and each new level 9 stream had its 270 KB of state allocated and paged in again, and
// given back to the system when the thread left.
class TDeflaterPool {
 public:
  std::unique_ptr<TDeflater> Take() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (idle_.empty()) return std::make_unique<TDeflater>();
    std::unique_ptr<TDeflater> deflater = std::move(idle_.back());
    idle_.pop_back();
    return deflater;
  }
  void Give(std::unique_ptr<TDeflater> deflater) {
    std::lock_guard<std::mutex> lock(mutex_);
    idle_.push_back(std::move(deflater));
  }

 private:
  std::mutex mutex_;
  std::vector<std::unique_ptr<TDeflater>> idle_;
};

TDeflaterPool& Pool() {
  static TDeflaterPool pool;
  return pool;
}

// A thread's stream, taken from the pool on its first use and returned when it ends.
class TThreadDeflater {
 public:
  TThreadDeflater() : deflater_(Pool().Take()) {}
  ~TThreadDeflater() { Pool().Give(std::move(deflater_)); }
  TThreadDeflater(const TThreadDeflater&) = delete;
  TThreadDeflater& operator=(const TThreadDeflater&) = delete;
  TDeflater& operator*() { return *deflater_; }

 private:
  std::unique_ptr<TDeflater> deflater_;
};
}  // namespace

bool DeflateLevel9(std::string_view in, std::string& out) {
  thread_local TThreadDeflater deflater;
  return (*deflater).Deflate(in, out);
}
