#include "storage/inflating_image.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <system_error>

#include <sys/mman.h>
#include <unistd.h>

namespace {
// Small enough that the reader starts early and rarely waits long; large enough that
// handing over a slice costs nothing next to inflating it.
constexpr std::size_t kSlice = 64 * 1024;
// Documents inflate to about ten times their stream.
constexpr std::size_t kPlausibleRatio = 32;

// Slices shrink towards the end, so that what the reader still has to do once the last
// byte is in is small.
std::size_t SliceAt(std::size_t done, std::size_t length) {
  const std::size_t left = length - done;
  return std::min(left, std::clamp<std::size_t>(left / 4, 4096, kSlice));
}
}  // namespace

// The buffer is left uninitialised: a forged length costs address space, not memory,
// until the stream really fills it. The first slice is inflated here, before the worker
// is started: the reader can begin at once instead of waiting for a thread to come up.
TInflatingImage::TInflatingImage(std::string_view compressed, std::size_t length)
    : stream_(compressed, length), buffer_(new char[std::max<std::size_t>(length, 1)]) {
  std::size_t done = 0;
  try {
    done = InflateSlice(0);
  } catch (...) {
    Finished(std::current_exception());
    return;
  }
  if (done == length) {
    Finished(nullptr);
    return;
  }
  try {
    worker_ = std::thread([this, done, size = compressed.size()] {
      PrefaultBuffer(size);
      Inflate(done);
    });
  } catch (const std::system_error&) {
    Inflate(done);  // no thread to be had: inflate here, then read as usual
  }
}

// Has the kernel map the rest of the buffer's pages in one go, rather than one page
// fault at a time while inflating. Only as much as a real stream of that size plausibly
// holds, so that a forged length still costs no memory.
void TInflatingImage::PrefaultBuffer([[maybe_unused]] std::size_t compressedSize) {
#ifdef MADV_POPULATE_WRITE
  const std::size_t length = std::min(stream_.Length(), compressedSize * kPlausibleRatio);
  const std::uintptr_t page = std::uintptr_t(::sysconf(_SC_PAGESIZE));
  const std::uintptr_t from = std::uintptr_t(buffer_.get()) & ~(page - 1);
  const std::uintptr_t to = std::uintptr_t(buffer_.get()) + length;
  // A hint: where the kernel cannot, the pages fault in as the worker reaches them.
  if (length > 0) ::madvise(reinterpret_cast<void*>(from), to - from, MADV_POPULATE_WRITE);
#endif
}

TInflatingImage::~TInflatingImage() {
  if (worker_.joinable()) worker_.join();
}

// Inflates the next slice and hands it to the reader; returns the bytes now out.
std::size_t TInflatingImage::InflateSlice(std::size_t done) {
  const std::size_t n = SliceAt(done, stream_.Length());
  stream_.Fill(buffer_.get() + done, n);
  done += n;
  {
    std::lock_guard lock(mutex_);
    ready_.store(done, std::memory_order_release);
  }
  arrived_.notify_one();
  return done;
}

void TInflatingImage::Inflate(std::size_t done) noexcept {
  std::exception_ptr error;
  try {
    while (done < stream_.Length()) done = InflateSlice(done);
  } catch (...) {
    error = std::current_exception();
  }
  Finished(error);
}

// The end: everything inflated, or the stream's error.
void TInflatingImage::Finished(std::exception_ptr error) {
  {
    std::lock_guard lock(mutex_);
    error_ = error;
    finished_ = true;
  }
  arrived_.notify_one();
}

std::size_t TInflatingImage::WaitBeyond(std::size_t ready) {
  // A slice takes some tens of microseconds: watching for it on a core of one's own is
  // quicker than being woken.
  if (spin_) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::microseconds(100);
    do {
      const std::size_t now = ready_.load(std::memory_order_acquire);
      if (now > ready) return now;
    } while (std::chrono::steady_clock::now() < until);
  }
  std::unique_lock lock(mutex_);
  arrived_.wait(lock, [&] { return ready_.load() > ready || finished_; });
  const std::size_t now = ready_.load();
  if (now <= ready && error_) std::rethrow_exception(error_);
  return now;
}

void TInflatingImage::Finish() {
  if (worker_.joinable()) worker_.join();
  if (error_) std::rethrow_exception(error_);
}
