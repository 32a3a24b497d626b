#include "export/stream_deflater.h"

#include <zlib.h>

#include <limits>

namespace {
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
      if (deflateInit(&stream_, 9) != Z_OK) return false;
      ready_ = true;
    } else if (deflateReset(&stream_) != Z_OK) {
      return false;
    }
    out.resize(compressBound(uLong(in.size())));
    stream_.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(in.data()));
    stream_.avail_in = uInt(in.size());
    stream_.next_out = reinterpret_cast<Bytef*>(out.data());
    stream_.avail_out = uInt(out.size());
    if (deflate(&stream_, Z_FINISH) != Z_STREAM_END) return false;
    out.resize(stream_.total_out);
    return true;
  }

 private:
  z_stream stream_{};
  bool ready_ = false;
};
}  // namespace

bool DeflateLevel9(std::string_view in, std::string& out) {
  thread_local TDeflater deflater;
  return deflater.Deflate(in, out);
}
