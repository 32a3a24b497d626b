// A reader whose input arrives piece by piece reads exactly what a reader of the whole
// input reads: the same values, the same damage at the same byte, and it only waits when
// it has run out of what has arrived.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "base/format_error.h"
#include "model/byte_reader.h"

namespace {
// Hands out `step` more bytes per call, or fails after `failAfter` bytes.
struct StepSupply : TByteSupply {
  std::size_t Size, Step, FailAfter;
  int Calls = 0;
  StepSupply(std::size_t size, std::size_t step, std::size_t failAfter = std::string::npos)
      : Size(size), Step(step), FailAfter(failAfter) {}
  std::size_t WaitBeyond(std::size_t ready) override {
    ++Calls;
    if (ready >= FailAfter) throw std::runtime_error("the producer failed");
    return std::min({Size, ready + Step, FailAfter});
  }
};

// Reads a fixed mix of fields until the input ends or is damaged; returns what was read.
std::string ReadAll(ByteReader& in) {
  std::string log;
  try {
    while (!in.AtEnd()) {
      if (in.StartsWith("MARK")) {
        in.Skip(4, "mark");
        log += "mark;";
        continue;
      }
      log += std::to_string(in.Byte("kind")) + ",";
      log += std::to_string(in.Word("word")) + ",";
      log += std::to_string(in.Int24BE("triple")) + ",";
      log += std::to_string(in.DWord("dword")) + ",";
      log += std::to_string(in.Colour("colour")) + ",";
      log += std::string(in.Bytes(in.Byte("text length"), "text")) + ";";
    }
  } catch (const FormatError& e) {
    log += std::string("error: ") + e.what();
  }
  return log;
}

std::string Input(std::size_t records) {
  std::string s;
  for (std::size_t i = 0; i < records; ++i) {
    if (i % 3 == 0) s += "MARK";
    for (int b = 0; b < 13; ++b) s.push_back(char(i * 7 + std::size_t(b) * 31));
    s.push_back(char(i % 5));
    s.append(i % 5, char('a' + i % 26));
  }
  return s;
}
}  // namespace

TEST(ByteReader, ArrivingInputReadsLikeTheWholeInput) {
  const std::string whole = Input(40);
  for (std::size_t cut : {whole.size(), whole.size() - 1, whole.size() - 7, std::size_t(50), std::size_t(3)}) {
    const std::string_view input(whole.data(), cut);
    ByteReader plain(input);
    const std::string expected = ReadAll(plain);
    for (std::size_t step : {1, 2, 3, 5, 64, 10000}) {
      StepSupply supply(cut, step);
      ByteReader arriving(input, supply, 0);
      EXPECT_EQ(ReadAll(arriving), expected) << "cut " << cut << ", step " << step;
      // It asks once per step it needs, never again once everything is there.
      EXPECT_LE(supply.Calls, int(cut / step) + 2) << "cut " << cut << ", step " << step;
    }
  }
}

TEST(ByteReader, ReadsWhatHasArrivedWithoutAsking) {
  const std::string whole = Input(10);
  StepSupply supply(whole.size(), 1);
  ByteReader in(whole, supply, 20);
  in.Skip(4, "mark");
  in.Bytes(16, "sixteen");
  EXPECT_EQ(supply.Calls, 0);
  EXPECT_EQ(in.Rest().size(), 0u) << "only what has arrived is offered";
  in.Byte("one more");
  EXPECT_EQ(supply.Calls, 1);
  EXPECT_EQ(in.Remaining(), whole.size() - 21) << "the input's size is known from the start";
}

TEST(ByteReader, AProducerFailureReachesTheReader) {
  const std::string whole = Input(20);
  StepSupply supply(whole.size(), 7, 30);
  ByteReader in(whole, supply, 0);
  EXPECT_THROW(ReadAll(in), std::runtime_error);
  EXPECT_EQ(in.Position(), 28u) << "it stands before the field it could not finish";
}

TEST(ByteReader, StartsWithComparesEveryByteAndNeverReadsPastTheEnd) {
  const std::string input = "MARXMARK";
  ByteReader in(input);
  EXPECT_FALSE(in.StartsWith("MARK"));
  EXPECT_TRUE(in.StartsWith("MAR"));
  EXPECT_TRUE(in.StartsWith(""));
  in.Skip(4, "x");
  EXPECT_TRUE(in.StartsWith("MARK"));
  EXPECT_FALSE(in.StartsWith("MARKS"));
  EXPECT_EQ(in.Position(), 4u);
}
