#include "storage/inflating_image.h"

#include <algorithm>
#include <system_error>

namespace {
// Small enough that the reader starts early and rarely waits long; large enough that
// handing over a slice costs nothing next to inflating it.
constexpr std::size_t kSlice = 64 * 1024;
}  // namespace

// The buffer is left uninitialised: a forged length costs address space, not memory,
// until the stream really fills it.
TInflatingImage::TInflatingImage(std::string_view compressed, std::size_t length)
    : stream_(compressed, length), buffer_(new char[std::max<std::size_t>(length, 1)]) {
  try {
    worker_ = std::thread([this] { Inflate(); });
  } catch (const std::system_error&) {
    Inflate();  // no thread to be had: inflate here, then read as usual
  }
}

TInflatingImage::~TInflatingImage() {
  if (worker_.joinable()) worker_.join();
}

void TInflatingImage::Inflate() noexcept {
  std::exception_ptr error;
  try {
    for (std::size_t done = 0; done < stream_.Length();) {
      const std::size_t n = std::min(kSlice, stream_.Length() - done);
      stream_.Fill(buffer_.get() + done, n);
      done += n;
      {
        std::lock_guard lock(mutex_);
        ready_ = done;
      }
      arrived_.notify_one();
    }
  } catch (...) {
    error = std::current_exception();
  }
  {
    std::lock_guard lock(mutex_);
    error_ = error;
    finished_ = true;
  }
  arrived_.notify_one();
}

std::size_t TInflatingImage::WaitBeyond(std::size_t ready) {
  std::unique_lock lock(mutex_);
  arrived_.wait(lock, [&] { return ready_ > ready || finished_; });
  if (ready_ <= ready && error_) std::rethrow_exception(error_);
  return ready_;
}

void TInflatingImage::Finish() {
  if (worker_.joinable()) worker_.join();
  if (error_) std::rethrow_exception(error_);
}
