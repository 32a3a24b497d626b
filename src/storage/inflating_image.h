#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <memory>
#include <mutex>
#include <string_view>
#include <thread>

#include "base/inflate_stream.h"
#include "model/byte_reader.h"

// A compressed document image inflated on a worker thread while the caller reads the
// part that has arrived, so that parsing overlaps inflating. The image is as long as
// announced; the reader waits at its edge. The first piece is inflated on the caller's
// thread before the worker starts.
class TInflatingImage final : public TByteSupply {
 public:
  // Throws FormatError at once for a length the input cannot reach, as DecompressString
  // does; `compressed` must outlive this.
  TInflatingImage(std::string_view compressed, std::size_t length);
  ~TInflatingImage() override;
  TInflatingImage(const TInflatingImage&) = delete;
  TInflatingImage& operator=(const TInflatingImage&) = delete;

  // The whole image; read it through Reader(), which waits for the bytes.
  std::string_view Image() const { return {buffer_.get(), stream_.Length()}; }
  ByteReader Reader() { return ByteReader(Image(), *this, 0); }
  std::size_t WaitBeyond(std::size_t ready) override;
  // Waits for the worker; throws its FormatError when the stream was damaged.
  void Finish();

 private:
  std::size_t InflateSlice(std::size_t done);
  void Inflate(std::size_t done) noexcept;
  void Finished(std::exception_ptr error);
  void PrefaultBuffer(std::size_t compressedSize);

  TInflateStream stream_;
  std::unique_ptr<char[]> buffer_;
  std::mutex mutex_;
  std::condition_variable arrived_;
  // Bytes inflated so far; stored under the mutex, so a sleeping reader is not missed,
  // and read without it by a reader that watches.
  std::atomic<std::size_t> ready_{0};
  bool spin_ = std::thread::hardware_concurrency() > 1;
  bool finished_ = false;
  std::exception_ptr error_;
  std::thread worker_;
};
