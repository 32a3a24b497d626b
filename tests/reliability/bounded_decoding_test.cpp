// Small files that claim enormous contents: a document envelope announcing 2^31 bytes,
// pictures whose headers claim tens of thousands of pixels a side. Each must be refused
// in a child process whose address space may grow by no more than 64 MB (and an alarm
// ends a hang), so a regression shows as a failed test rather than a slow machine.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdint>
#include <fstream>
#include <functional>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "storage/core_picture_decoder.h"
#include "storage/document_file.h"
#include "base/file_helpers.h"
#include "storage/storage_fixtures.h"

#if defined(__SANITIZE_ADDRESS__)
#define QUARRION_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUARRION_ASAN 1
#endif
#endif

namespace {
constexpr long kBudget = 64L << 20;
constexpr unsigned kHangGuardSeconds = 30;

[[maybe_unused]] long AddressSpaceNow() {
  long pages = 0;
  std::ifstream("/proc/self/statm") >> pages;
  return pages * ::sysconf(_SC_PAGESIZE);
}

// Runs `refused` in a child under the memory budget. The child exits 0 when the input was
// refused, 1 when it was accepted; an escaping exception or a signal is a failure too.
// Returns a description of what went wrong, empty when the input was refused.
std::string RefusedWithinBudget(const std::function<bool()>& refused, long& peakKilobytes) {
  pid_t child = ::fork();
  if (child < 0) return "fork failed";
  if (child == 0) {
#ifndef QUARRION_ASAN  // the sanitizer reserves terabytes of shadow memory up front
    // Measured once: a second reading can be larger (the first one's stream buffer), and a
    // soft limit above the hard one is refused, which would leave the child unbounded.
    const rlim_t budget = rlim_t(AddressSpaceNow() + kBudget);
    rlimit limit{budget, budget};
    if (::setrlimit(RLIMIT_AS, &limit) != 0) ::_exit(4);
#endif
    ::alarm(kHangGuardSeconds);
    int code = 3;
    try {
      code = refused() ? 0 : 1;
    } catch (...) {
      code = 2;
    }
    ::_exit(code);
  }
  int status = 0;
  rusage usage{};
  if (::wait4(child, &status, 0, &usage) != child) return "wait failed";
  peakKilobytes = usage.ru_maxrss;
  if (WIFSIGNALED(status)) return "killed by signal " + std::to_string(WTERMSIG(status));
  switch (WEXITSTATUS(status)) {
    case 0: return {};
    case 1: return "accepted";
    case 4: return "the memory budget could not be set";
    default: return "ended with an exception (out of memory?)";
  }
}

std::string LittleEndian32(std::uint32_t v) {
  std::string s;
  for (int i = 0; i < 4; ++i) s.push_back(char(v >> (8 * i)));
  return s;
}
std::string BigEndian32(std::uint32_t v) {
  std::string s;
  for (int i = 3; i >= 0; --i) s.push_back(char(v >> (8 * i)));
  return s;
}
std::string BigEndian16(unsigned v) { return {char(v >> 8), char(v & 0xFF)}; }

// A document file: the envelope announcing `length` bytes, then a zlib stream of zeros.
std::string EnvelopeClaiming(std::uint32_t length) {
  std::string file = "GZIP" + LittleEndian32(length) + CompressString(std::string(1 << 20, '\0'));
  ScrambleBytes(file);
  return file;
}

std::string PNGClaiming(std::uint32_t width, std::uint32_t height) {
  std::string ihdr = "IHDR" + BigEndian32(width) + BigEndian32(height) + std::string("\x08\x02\0\0\0", 5);
  std::string png = std::string("\x89PNG\r\n\x1a\n", 8) + BigEndian32(13) + ihdr + BigEndian32(0);
  std::string idat = "IDAT" + CompressString(std::string(900, '\0'));
  return png + BigEndian32(std::uint32_t(idat.size() - 4)) + idat + BigEndian32(0);
}

std::string JPEGClaiming(unsigned width, unsigned height) {
  // SOI, a baseline frame header for three components, then filler as scan data.
  std::string jpeg("\xFF\xD8\xFF\xC0\x00\x11\x08", 7);
  jpeg += BigEndian16(height) + BigEndian16(width);
  jpeg += std::string("\x03\x01\x11\x00\x02\x11\x01\x03\x11\x01", 10);
  return jpeg + std::string(1000, '\x55') + "\xFF\xD9";
}

std::string BMPClaiming(std::uint32_t width, std::uint32_t height) {
  std::string bmp = "BM" + LittleEndian32(1078) + LittleEndian32(0) + LittleEndian32(54);
  bmp += LittleEndian32(40) + LittleEndian32(width) + LittleEndian32(height);
  bmp += std::string("\x01\x00\x18\x00", 4) + std::string(24, '\0');
  return bmp + std::string(1024, '\x7F');
}

std::string GIFClaiming(unsigned width, unsigned height) {
  std::string gif = "GIF89a";
  gif += {char(width & 0xFF), char(width >> 8), char(height & 0xFF), char(height >> 8), '\x80', 0, 0};
  gif += std::string("\0\0\0\xFF\xFF\xFF", 6);
  gif += {',', 0, 0, 0, 0, char(width & 0xFF), char(width >> 8), char(height & 0xFF), char(height >> 8), 0};
  return gif + "\x02" + std::string(1, char(250)) + std::string(250, '\x55') + "\0;";
}

bool PictureRefused(const std::string& bytes) {
  CorePictureDecoder decoder;
  TDecodedPicture picture;
  return !decoder.Decode(bytes, picture) && picture.Bitmap.Empty();
}
}  // namespace

TEST(BoundedDecoding, SmallFilesClaimingHugeContentsAreRefusedWithinTheBudget) {
  const struct {
    const char* what;
    std::string bytes;
    bool document;
  } cases[] = {
      {"document envelope announcing 2^31 bytes", EnvelopeClaiming(0x80000000u), true},
      {"document envelope announcing 4 GB", EnvelopeClaiming(0xFFFFFFFFu), true},
      {"document envelope announcing 2^30 bytes", EnvelopeClaiming(0x40000000u), true},
      {"PNG of 100000 x 100000", PNGClaiming(100000, 100000), false},
      {"PNG of 1 x 2^31", PNGClaiming(1, 0x7FFFFFFF), false},
      {"JPEG of 65500 x 65500", JPEGClaiming(65500, 65500), false},
      {"BMP of 100000 x 100000", BMPClaiming(100000, 100000), false},
      {"GIF of 65535 x 65535", GIFClaiming(65535, 65535), false},
  };
  for (const auto& c : cases) {
    EXPECT_LT(c.bytes.size(), 8192u) << c.what;
    long peak = 0;
    const std::string problem = RefusedWithinBudget(
        [&] {
          if (!c.document) return PictureRefused(c.bytes);
          TQuarrionCanvas canvas;
          return !LoadDocumentFromBytes(canvas, c.bytes, BuiltinRegistry()).Ok();
        },
        peak);
    EXPECT_EQ(problem, "") << c.what;
    RecordProperty(c.what, std::to_string(peak) + " KB peak");
  }
}

// The budget is real: the same child that refuses the forged files above fails when it
// is made to reserve more than 64 MB.
TEST(BoundedDecoding, TheBudgetStopsALargeAllocation) {
#ifdef QUARRION_ASAN
  GTEST_SKIP() << "no address-space limit under AddressSanitizer";
#endif
  long peak = 0;
  const std::string problem = RefusedWithinBudget(
      [] {
        std::string big(kBudget + (16L << 20), 'x');
        return big.back() == 'x';
      },
      peak);
  EXPECT_EQ(problem, "ended with an exception (out of memory?)");
}
