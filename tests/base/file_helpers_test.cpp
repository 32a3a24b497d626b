#include "base/file_helpers.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

#include "base/format_error.h"
#include "storage/storage_fixtures.h"

TEST(ScrambleBytes, MapsEachRangeAndIsItsOwnInverse) {
  const struct {
    int from, to;
  } cases[] = {{65, 1},   {76, 12},  {77, 223}, {78, 14},  {90, 26},  {97, 27},  {122, 52},
               {1, 65},   {12, 76},  {13, 224}, {14, 78},  {26, 90},  {27, 97},  {52, 122},
               {223, 77}, {224, 13}, {0, 0},    {53, 53},  {64, 64},  {91, 91},  {96, 96},
               {123, 123}, {222, 222}, {225, 225}, {255, 255}};
  for (const auto& c : cases) {
    std::string s(1, char(c.from));
    ScrambleBytes(s);
    EXPECT_EQ(std::uint8_t(s[0]), c.to) << "byte " << c.from;
  }
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(char(b));
  std::string once = all;
  ScrambleBytes(once);
  EXPECT_EQ(std::set<char>(once.begin(), once.end()).size(), 256u);  // a permutation
  ScrambleBytes(once);
  EXPECT_EQ(once, all);
}

TEST(CompressString, RoundTripsAndRefusesForgedLengths) {
  std::mt19937 gen(7);
  std::string noise(5000, '\0');
  for (auto& c : noise) c = char(gen());
  for (const std::string& data : {std::string(), std::string("x"), std::string(100000, 'a'), noise}) {
    std::string z = CompressString(data);
    EXPECT_EQ(std::uint8_t(z[0]) & 0x0F, 8) << "a zlib stream with deflate";
    EXPECT_EQ(DecompressString(z, data.size()), data);
    if (!data.empty()) {
      // A stream holding more than asked for gives the first bytes.
      EXPECT_EQ(DecompressString(z, data.size() - 1), data.substr(0, data.size() - 1));
    }
  }
  std::string z = CompressString(std::string(1000, 'q'));
  EXPECT_THROW(DecompressString(z, 1001), FormatError);                       // shortfall
  EXPECT_THROW(DecompressString(z.substr(0, z.size() / 2), 1000), FormatError);  // cut stream
  std::string damaged = z;
  damaged[2] = char(damaged[2] ^ 0x55);
  EXPECT_THROW(DecompressString(damaged, 1000), FormatError);
  EXPECT_THROW(DecompressString("junk", 4), FormatError);
  // Lengths no input of that size could inflate to are refused before any allocation.
  EXPECT_THROW(DecompressString(z, z.size() * kMaxDeflateRatio + kMaxDeflateRatio), FormatError);
  EXPECT_THROW(DecompressString(std::string(2000000, 'x'), kMaxDecompressedLength + 1), FormatError);
}

// Deflate has no check of its own: a damaged stream can decode to other bytes of the
// right length. Its check value catches that, except where the damage makes the stream
// longer than announced, whose rest is never read (the announced bytes are what counts).
TEST(DecompressString, DamageThatKeepsTheLengthIsCaughtByTheCheckValue) {
  std::string data;
  for (int i = 0; i < 5000; ++i) data += "word" + std::to_string(i % 97) + " ";
  const std::string z = CompressString(data);
  std::string badCheck = z;
  badCheck.back() = char(badCheck.back() ^ 1);
  EXPECT_THROW(DecompressString(badCheck, data.size()), FormatError);
  int wrongBytes = 0;
  for (std::size_t i = 2; i < z.size(); ++i)
    for (int bit = 0; bit < 8; ++bit) {
      std::string damaged = z;
      damaged[i] = char(damaged[i] ^ (1 << bit));
      std::string out;
      try {
        out = DecompressString(damaged, data.size());
      } catch (const FormatError&) {
        continue;
      }
      if (out == data) continue;
      ++wrongBytes;
      try {
        DecompressString(damaged, data.size() + 1);
      } catch (const FormatError& e) {
        EXPECT_EQ(std::string(e.what()).find("holds"), std::string::npos)
            << "byte " << i << " bit " << bit << ": other bytes of the announced length got through";
      }
    }
  EXPECT_LT(wrongBytes, int(z.size()) * 2) << "most damage must be caught";
}

TEST(CompressString, HighestRatioStaysWithinTheLimit) {
  // Zeros are deflate's best case; the refusal bound must still accept them.
  std::string zeros(8 << 20, '\0');
  std::string z = CompressString(zeros);
  EXPECT_LE(zeros.size() / z.size(), kMaxDeflateRatio);
  EXPECT_EQ(DecompressString(z, zeros.size()).size(), zeros.size());
}

TEST(FileString, WritesReadsAndReportsFailure) {
  TempDir dir;
  std::string path = dir.File("a.bin");
  std::string bytes("\0\r\n\xFFtext", 8);
  EXPECT_TRUE(WriteFileString(path, bytes));
  EXPECT_EQ(ReadFileString(path), bytes);
  EXPECT_TRUE(WriteFileString(path, ""));
  EXPECT_EQ(ReadRaw(path), "");
  EXPECT_EQ(dir.List(), std::vector<std::string>{"a.bin"});
  EXPECT_FALSE(WriteFileString(dir.File("missing/a.bin"), "x"));
  EXPECT_EQ(ReadFileString(dir.File("missing.bin")), "");
  std::string got, error;
  EXPECT_FALSE(ReadFileBytes(dir.File("missing.bin"), got, &error));
  EXPECT_NE(error.find("missing.bin"), std::string::npos);
  // A picture named "." in a document once made the reader reserve exabytes.
  for (const char* special : {".", "/dev/null", "/dev/zero"}) {
    EXPECT_FALSE(ReadFileBytes(special, got, &error)) << special;
    EXPECT_NE(error.find("not a regular file"), std::string::npos) << special;
  }

  EXPECT_TRUE(WriteScrambledFile(path, "AMz"));
  EXPECT_EQ(ReadRaw(path), std::string("\x01\xDF\x34", 3));
  EXPECT_EQ(ReadScrambledFile(path), "AMz");
}
