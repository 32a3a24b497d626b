#include <gtest/gtest.h>

#include "export/pdf_outline.h"
#include "export/xref_table.h"

namespace {

struct Written {
  std::string Text;
  TXrefTable Xref;
  int Next = 0;
};

Written Write(const TPDFOutline& outline, int first) {
  Written w;
  w.Text = "prefix";
  w.Next = outline.WriteOutlines(first, 324, [&w](int n) { w.Xref.RecordOffset(n, w.Text.size()); }, w.Text);
  return w;
}

// The text of object `number` up to its "endobj".
std::string Obj(const Written& w, int number) {
  const std::size_t start = w.Xref.OffsetOf(number);
  return w.Text.substr(start, w.Text.find("endobj", start) + 6 - start);
}

TEST(PdfOutline, SiblingsAndChildrenAreLinked) {
  TPDFOutline outline;
  outline.AddOutlineItem(0, 0, "A", "Deck");
  outline.AddOutlineItem(1, 0, "a1", "Deck");
  outline.AddOutlineItem(0, 1, "B", "Deck");
  const Written w = Write(outline, 30);
  EXPECT_EQ(w.Next, 34);
  EXPECT_EQ(w.Xref.OffsetOf(30), 6u);
  EXPECT_EQ(w.Text,
            "prefix"
            "30 0 obj <<\n/Type /Outlines /Count 3\n /First 31 0 R /Last 33 0 R\n>> endobj\n\n"
            "31 0 obj <<\n/Parent 30 0 R\n/Dest [4 0 R /XYZ 0 324 0]\n/Title (A)\n/Next 33 0 R\n"
            "/Count 1\n/First 32 0 R\n/Last 32 0 R\n>> endobj\n\n"
            "32 0 obj <<\n/Parent 31 0 R\n/Dest [4 0 R /XYZ 0 324 0]\n/Title (a1)\n>> endobj\n\n"
            "33 0 obj <<\n/Parent 30 0 R\n/Dest [6 0 R /XYZ 0 324 0]\n/Title (B)\n/Prev 31 0 R\n"
            ">> endobj\n\n");
  for (int n = 31; n <= 33; ++n) EXPECT_EQ(Obj(w, n).rfind(std::to_string(n) + " 0 obj", 0), 0u);
}

TEST(PdfOutline, ThreeLevelsCountAllDescendants) {
  // A            (0)  children a1, a2; 4 descendants
  //   a1         (1)
  //     x        (2)
  //     y        (2)
  //   a2         (1)
  // B            (0)
  //   b1         (1)
  TPDFOutline outline;
  const std::pair<int, const char*> items[] = {{0, "A"}, {1, "a1"}, {2, "x"}, {2, "y"},
                                               {1, "a2"}, {0, "B"}, {1, "b1"}};
  int page = 0;
  for (auto [level, title] : items) outline.AddOutlineItem(level, page++, title, "");
  const Written w = Write(outline, 10);
  auto has = [&](int n, const std::string& part) {
    return Obj(w, n).find(part) != std::string::npos;
  };
  EXPECT_TRUE(has(10, "/Count 7\n /First 11 0 R /Last 16 0 R\n"));
  EXPECT_TRUE(has(11, "/Next 16 0 R\n/Count 4\n/First 12 0 R\n/Last 15 0 R\n"));
  EXPECT_TRUE(has(12, "/Parent 11 0 R\n"));
  EXPECT_TRUE(has(12, "/Next 15 0 R\n/Count 2\n/First 13 0 R\n/Last 14 0 R\n"));
  EXPECT_TRUE(has(13, "/Parent 12 0 R\n"));
  EXPECT_TRUE(has(13, "/Next 14 0 R\n"));
  EXPECT_FALSE(has(13, "/Prev"));
  EXPECT_TRUE(has(14, "/Prev 13 0 R\n>>"));
  EXPECT_TRUE(has(15, "/Parent 11 0 R\n"));
  EXPECT_TRUE(has(15, "/Prev 12 0 R\n>>"));
  EXPECT_TRUE(has(16, "/Parent 10 0 R\n"));
  EXPECT_TRUE(has(16, "/Prev 11 0 R\n/Count 1\n/First 17 0 R\n/Last 17 0 R\n"));
  EXPECT_TRUE(has(17, "/Parent 16 0 R\n"));
  // b1 is not a sibling of a2: a lower level lies between them.
  EXPECT_FALSE(has(17, "/Prev"));
  EXPECT_TRUE(has(14, "/Dest [10 0 R /XYZ 0 324 0]\n"));
}

TEST(PdfOutline, LevelsAreKeptInsideTheTree) {
  struct Case {
    const char* name;
    std::vector<int> levels;
    std::vector<int> expected;
  } cases[] = {
      {"deeper than two", {0, 1, 2, 5}, {0, 1, 2, 2}},
      {"skips a level", {0, 2, 2}, {0, 1, 2}},
      {"negative", {-3, 1}, {0, 1}},
      {"starts below the top", {1, 1}, {0, 1, 1}},
      {"starts two below the top", {2}, {0, 1}},
  };
  for (const Case& c : cases) {
    TPDFOutline outline;
    for (int level : c.levels) outline.AddOutlineItem(level, 3, "t", "Deck");
    std::vector<int> got;
    for (const TOutlineItem& item : outline.Items()) got.push_back(item.Level);
    EXPECT_EQ(got, c.expected) << c.name;
  }
}

TEST(PdfOutline, ListStartingBelowTheTopGetsTheDocumentTitle) {
  struct Case {
    const char* documentTitle;
    const char* expected;
  } cases[] = {{"Quarterly (draft)", "Quarterly (draft)"}, {"", "Slideshow"}};
  for (const Case& c : cases) {
    TPDFOutline outline;
    outline.AddOutlineItem(1, 7, "minor", c.documentTitle);
    ASSERT_EQ(outline.Items().size(), 2u);
    EXPECT_EQ(outline.Items()[0].Title, c.expected);
    EXPECT_EQ(outline.Items()[0].Page, 7);
    EXPECT_EQ(outline.Items()[0].Level, 0);
    EXPECT_EQ(outline.Items()[1].Title, "minor");
  }
}

TEST(PdfOutline, TitlesAreEscapedAndSlidesBeyond255KeepTheirNumber) {
  TPDFOutline outline;
  outline.AddOutlineItem(0, 300, "a(b)\\c", "");
  const Written w = Write(outline, 5);
  EXPECT_NE(Obj(w, 6).find("/Title (a\\(b\\)\\\\c)\n"), std::string::npos);
  EXPECT_NE(Obj(w, 6).find("/Dest [604 0 R /XYZ 0 324 0]\n"), std::string::npos);
}

TEST(PdfOutline, LargeFlatListLinksEveryNeighbour) {
  TPDFOutline outline;
  const int n = 5000;
  for (int i = 0; i < n; ++i) outline.AddOutlineItem(i % 2, i / 2, "e", "");
  const Written w = Write(outline, 1);
  EXPECT_EQ(w.Next, n + 2);
  EXPECT_NE(Obj(w, 1).find("/Count 5000\n /First 2 0 R /Last 5000 0 R\n"), std::string::npos);
  EXPECT_NE(Obj(w, 5000).find("/Prev 4998 0 R\n/Count 1\n/First 5001 0 R\n/Last 5001 0 R\n"), std::string::npos);
}

}  // namespace
