// A file with pieces made elsewhere: whatever the threads, and whether a piece is started
// where it goes or long before, the file and the recorded offsets are those of writing
// it all in order.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "export/spliced_output.h"

namespace {

// "<n>" marks where object n begins.
std::string Piece(char letter, std::size_t length) { return std::string(length, letter); }

TSplicedOutput::TMakePiece Make(char letter, std::size_t length) {
  return [letter, length](std::string& piece) { piece = Piece(letter, length); };
}

struct Written {
  std::string File;
  TXrefTable Xref;
};

// Text, deferred pieces, pieces started early (one before any text, one placed after a
// piece started later), and objects recorded between them.
Written Write(int threads) {
  Written w;
  TSplicedOutput out(w.File, w.Xref, threads);
  const std::size_t first = out.Start(Make('a', 5000));
  out.Record(1);
  w.File += "<1>head ";
  const std::size_t late = out.Start(Make('b', 3));
  out.Defer(Make('c', 70000), 64);
  out.Record(2);
  w.File += "<2>";
  out.Place(late);
  out.Record(3);
  w.File += "<3>";
  const std::size_t empty = out.Start(Make('d', 0));
  out.Place(first);
  out.Place(empty);
  out.Record(4);
  w.File += "<4>tail";
  out.Splice();
  out.Record(5);
  w.File += "<5>";
  return w;
}

TEST(SplicedOutput, PiecesLandInTheOrderOfTheirPlacesWithTheOffsetsMoved) {
  const std::string expected = "<1>head " + Piece('c', 70000) + "<2>" + Piece('b', 3) + "<3>" +
                               Piece('a', 5000) + "<4>tail<5>";
  for (int threads : {1, 2, 4}) {
    const Written w = Write(threads);
    EXPECT_TRUE(w.File == expected) << threads << " threads: " << w.File.size() << " bytes";
    for (int n = 1; n <= 5; ++n)
      EXPECT_EQ(w.File.compare(w.Xref.OffsetOf(n), 3, "<" + std::to_string(n) + ">"), 0)
          << threads << " threads, object " << n;
  }
}

TEST(SplicedOutput, AFailedPieceReachesTheCallerAndLeavesTheFileAsItWas) {
  for (int threads : {1, 2}) {
    std::string file;
    TXrefTable xref;
    TSplicedOutput out(file, xref, threads);
    file += "text";
    const std::size_t piece = out.Start([](std::string&) { throw std::runtime_error("no memory"); });
    if (threads == 1) {
      EXPECT_THROW(out.Place(piece), std::runtime_error);
      continue;
    }
    out.Place(piece);
    EXPECT_THROW(out.Splice(), std::runtime_error);
    EXPECT_EQ(file, "text");
  }
}

TEST(SplicedOutput, APieceNeverPlacedIsAnErrorNotALoss) {
  for (int threads : {1, 2}) {
    std::string file;
    TXrefTable xref;
    TSplicedOutput out(file, xref, threads);
    out.Start(Make('a', 10));
    out.Defer(Make('b', 10), 10);
    EXPECT_THROW(out.Splice(), std::logic_error) << threads << " threads";
  }
}

}  // namespace
