#include "base/file_helpers.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <limits>

#include <sys/stat.h>
#include <zlib.h>

#include "base/format_error.h"
#include "base/atomic_file_writer.h"
#include "base/inflate_stream.h"

bool WriteFileString(const std::string& path, std::string_view bytes) {
  return WriteFileAtomically(path, bytes, nullptr);
}

bool ReadFileBytes(const std::string& path, std::string& bytes, std::string* error) {
  bytes.clear();
  // Names come from documents too: a folder, a device or a pipe would report a nonsense
  // size or never end, so only regular files are read.
  struct stat info {};
  if (::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
    if (error) *error = "cannot read " + path + ": not a regular file";
    return false;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    if (error) *error = "cannot open " + path + ": " + std::strerror(errno);
    return false;
  }
  in.seekg(0, std::ios::end);
  auto size = in.tellg();
  in.seekg(0, std::ios::beg);
  if (size > 0) bytes.reserve(std::size_t(size));
  std::array<char, 65536> block;
  while (in.read(block.data(), block.size()) || in.gcount() > 0)
    bytes.append(block.data(), std::size_t(in.gcount()));
  if (in.bad()) {
    if (error) *error = "cannot read " + path;
    bytes.clear();
    return false;
  }
  return true;
}

std::string ReadFileString(const std::string& path) {
  std::string bytes;
  ReadFileBytes(path, bytes);
  return bytes;
}

namespace {
std::array<unsigned char, 256> MakeScrambleTable() {
  std::array<unsigned char, 256> t{};
  for (int b = 0; b < 256; ++b) {
    int v = b;
    if (b == 77) v = 223;
    else if (b >= 65 && b <= 90) v = b - 64;
    else if (b >= 97 && b <= 122) v = b - 70;
    else if (b == 13) v = 224;
    else if (b >= 1 && b <= 26) v = b + 64;
    else if (b >= 27 && b <= 52) v = b + 70;
    else if (b == 223) v = 77;
    else if (b == 224) v = 13;
    t[std::size_t(b)] = static_cast<unsigned char>(v);
  }
  return t;
}
}  // namespace

void ScrambleBytes(std::string& bytes) {
  static const auto kTable = MakeScrambleTable();
  for (auto& c : bytes) c = char(kTable[static_cast<unsigned char>(c)]);
}

bool WriteScrambledFile(const std::string& path, std::string_view bytes) {
  std::string scrambled(bytes);
  ScrambleBytes(scrambled);
  return WriteFileString(path, scrambled);
}

std::string ReadScrambledFile(const std::string& path) {
  std::string bytes = ReadFileString(path);
  ScrambleBytes(bytes);
  return bytes;
}

std::string CompressString(std::string_view bytes) {
  std::string out(compressBound(uLong(bytes.size())), '\0');
  z_stream z{};
  if (deflateInit(&z, Z_BEST_COMPRESSION) != Z_OK) throw std::runtime_error("zlib cannot start");
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
  z.next_out = reinterpret_cast<Bytef*>(out.data());
  z.avail_out = uInt(out.size());
  // Fed in slices so inputs beyond 4 GB would not overflow zlib's 32-bit counters.
  std::size_t left = bytes.size();
  int rc = Z_OK;
  do {
    uInt slice = uInt(std::min<std::size_t>(left, std::numeric_limits<uInt>::max() / 2));
    z.avail_in = slice;
    left -= slice;
    rc = deflate(&z, left == 0 ? Z_FINISH : Z_NO_FLUSH);
  } while (rc == Z_OK || (rc == Z_BUF_ERROR && left > 0));
  deflateEnd(&z);
  if (rc != Z_STREAM_END) throw std::runtime_error("zlib cannot compress the document");
  out.resize(z.total_out);
  return out;
}

std::string DecompressString(std::string_view bytes, std::size_t length) {
  TInflateStream stream(bytes, length);
  // The output grows with what the stream really yields, up to the announced length.
  std::string out(std::min(length, std::max<std::size_t>(bytes.size() * 4, 65536)), '\0');
  while (stream.Total() < length) {
    if (stream.Total() == out.size()) out.resize(std::min(length, out.size() * 2));
    stream.Fill(out.data() + stream.Total(), out.size() - stream.Total());
  }
  return out;
}
