// Each content stream is compressed to exactly the bytes zlib's compress2 gives at level 9,
// whatever the input and whatever the thread compressed before it.
#include <gtest/gtest.h>

#include <zlib.h>

#include <string>
#include <vector>

#include "export/stream_deflater.h"

namespace {
std::string Compress2(const std::string& in) {
  uLongf size = compressBound(uLong(in.size()));
  std::string out(size, '\0');
  EXPECT_EQ(compress2(reinterpret_cast<Bytef*>(out.data()), &size,
                      reinterpret_cast<const Bytef*>(in.data()), uLong(in.size()), 9),
            Z_OK);
  out.resize(size);
  return out;
}

std::string Noise(std::size_t n, std::uint32_t seed) {
  std::string s(n, '\0');
  for (auto& c : s) c = char((seed = seed * 1664525u + 1013904223u) >> 24);
  return s;
}
}  // namespace

TEST(DeflateLevel9, GivesCompress2sBytesForEveryKindOfInput) {
  std::string content;
  for (int i = 0; i < 4000; ++i) content += "q 1 0 0 1 " + std::to_string(i % 97) + " 0 cm 0.5 g f Q\n";
  const std::vector<std::string> inputs = {
      "", "x", std::string(1, '\0'), "BT /F1 12 Tf (Hello) Tj ET", content,
      Noise(70000, 1), Noise(5, 2) + content + Noise(3000, 3), std::string(300000, 'a')};
  for (int round = 0; round < 2; ++round)  // the second round reuses the thread's stream
    for (const std::string& in : inputs) {
      std::string out = "left over";
      ASSERT_TRUE(DeflateLevel9(in, out));
      EXPECT_TRUE(out == Compress2(in)) << "input of " << in.size() << " bytes, round " << round;
    }
}
