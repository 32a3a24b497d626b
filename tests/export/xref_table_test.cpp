#include <gtest/gtest.h>

#include "export/xref_table.h"

namespace {

TEST(PdfXrefTable, EntriesAreTwentyBytesAndGapsAreFree) {
  struct Case {
    const char* name;
    std::vector<std::pair<int, std::size_t>> records;
    std::string expected;
  } cases[] = {
      {"nothing recorded", {}, "xref\n0 1\n0000000000 65535 f \n"},
      {"out of order with a gap",
       {{3, 700}, {1, 15}},
       "xref\n0 4\n0000000000 65535 f \n0000000015 00000 n \n0000000000 65535 f \n"
       "0000000700 00000 n \n"},
      {"ten-digit offset", {{1, 1234567890}}, "xref\n0 2\n0000000000 65535 f \n1234567890 00000 n \n"},
      {"recorded twice keeps the last", {{1, 5}, {1, 9}}, "xref\n0 2\n0000000000 65535 f \n0000000009 00000 n \n"},
      {"object zero and negatives are ignored", {{0, 5}, {-2, 9}}, "xref\n0 1\n0000000000 65535 f \n"},
  };
  for (const Case& c : cases) {
    TXrefTable xref;
    for (auto [number, offset] : c.records) xref.RecordOffset(number, offset);
    std::string out = "x";
    xref.WriteXref(out);
    EXPECT_EQ(out, "x" + c.expected) << c.name;
  }
}

TEST(PdfXrefTable, HighestNumberAndLookups) {
  TXrefTable xref;
  EXPECT_EQ(xref.HighestNumber(), 0);
  xref.RecordOffset(100000, 42);
  xref.RecordOffset(7, 3);
  EXPECT_EQ(xref.HighestNumber(), 100000);
  EXPECT_TRUE(xref.IsRecorded(7));
  EXPECT_FALSE(xref.IsRecorded(8));
  EXPECT_EQ(xref.OffsetOf(100000), 42u);
  std::string out;
  xref.WriteXref(out);
  EXPECT_EQ(out.size(), std::string("xref\n0 100001\n").size() + 100001u * 20u);
  xref.Clear();
  EXPECT_EQ(xref.HighestNumber(), 0);
  EXPECT_FALSE(xref.IsRecorded(7));
}

}  // namespace
