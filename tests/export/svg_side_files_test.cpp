#include <gtest/gtest.h>

#include <set>
#include <string>

#include "export/svg_probe.h"
#include "export/svg_side_files.h"

namespace {

TEST(SvgSideFiles, SafeNameKeepsOnlyAPlainPortableName) {
  struct Case {
    std::string In, Out;
  } cases[] = {
      {"a.png", "a.png"},
      {"dir/a.png", "a.png"},
      {"..\\..\\Windows\\x.jpg", "x.jpg"},
      {"/etc/passwd", "passwd"},
      {"a/b\\c.gif", "c.gif"},
      {"my photo (1).jpg", "my photo (1).jpg"},
      {"caf\xE9.jpg", "caf_.jpg"},
      {"C:evil.png", "C_evil.png"},
      {"a&b\"c<d>.png", "a_b_c_d_.png"},
      {std::string("nul\0.png", 8), "nul_.png"},
      {"x.png. . ", "x.png"},
      {"  lead.png", "lead.png"},
      {"", ""},
      {".", ""},
      {"..", ""},
      {"dir/..", ""},
      {"dir\\", ""},
      {"...", ""},
      {".hidden", ".hidden"},
  };
  for (const Case& c : cases) EXPECT_EQ(TSVGSideFiles::SafeName(c.In), c.Out) << c.In;

  std::string longName = std::string(300, 'n') + ".jpeg";
  std::string safe = TSVGSideFiles::SafeName(longName);
  EXPECT_EQ(safe.size(), 200u);
  EXPECT_EQ(safe.substr(safe.size() - 5), ".jpeg");
}

TEST(SvgSideFiles, SameNameWithOtherBytesGetsItsOwnName) {
  TResources files;
  TSVGSideFiles names(files);
  names.Reserve("show.svg");
  EXPECT_EQ(names.Add({"", "A", "pic.png"}), "pic.png");
  EXPECT_EQ(names.Add({"", "B", "other/pic.png"}), "pic-2.png");
  EXPECT_EQ(names.Add({"", "C", "PIC.PNG"}), "PIC-3.PNG");   // a clash on case-blind disks
  EXPECT_EQ(names.Add({"", "B", "pic.png"}), "pic-2.png");   // the same picture again
  EXPECT_EQ(names.Add({"", "A", "x/pic.png"}), "pic.png");
  EXPECT_EQ(names.Add({"", "D", "pic-4.png"}), "pic-4.png");
  EXPECT_EQ(names.Add({"", "E", "pic.png"}), "pic-5.png");   // skips the name now taken
  EXPECT_EQ(names.Add({"", "F", "show.svg"}), "show-2.svg");  // never the SVG itself
  EXPECT_EQ(names.Add({"", "G", ".."}), "");
  EXPECT_EQ(names.Add({"", "H", "README"}), "README");
  EXPECT_EQ(names.Add({"", "I", "README"}), "README-2");
  ASSERT_EQ(files.size(), 8u);
  const char* expected[] = {"pic.png", "pic-2.png", "PIC-3.PNG", "pic-4.png",
                            "pic-5.png", "show-2.svg", "README", "README-2"};
  for (std::size_t i = 0; i < files.size(); ++i) EXPECT_EQ(files[i].FileName, expected[i]);
  EXPECT_EQ(files[1].Text, "B");
}

TEST(SvgSideFiles, ManyPicturesOfOneNameStayDistinct) {
  TResources files;
  TSVGSideFiles names(files);
  std::set<std::string> seen;
  for (int i = 0; i < 500; ++i) seen.insert(names.Add({"", std::to_string(i), "same.jpg"}));
  EXPECT_EQ(seen.size(), 500u);
  EXPECT_EQ(files.size(), 500u);
}

// The writer hands the renamed files out and makes each picture's element refer to the
// name its bytes are written under.
TEST(SvgSideFiles, WriterRewritesReferencesToRenamedPictures) {
  FixedClockScope clock;
  TQuarrionCanvas canvas;
  SvgDocument(canvas, 2);
  SvgPlace(canvas, 0, PictureProbe("pics/a.png", "AAAA"));
  SvgPlace(canvas, 0, PictureProbe("a.png", "BBBB"));
  SvgPlace(canvas, 1, PictureProbe("A.png", "AAAA"));
  SvgPlace(canvas, 1, PictureProbe("t\xE9&st.png", "CCCC"));
  SvgPlace(canvas, 1, PictureProbe("..", "DDDD"));
  std::string svg;
  TResources files;
  canvas.GenerateSVG(svg, files);
  ASSERT_EQ(files.size(), 3u);
  EXPECT_EQ(files[0].FileName, "a.png");
  EXPECT_EQ(files[0].Text, "AAAA");
  EXPECT_EQ(files[1].FileName, "a-2.png");
  EXPECT_EQ(files[1].Text, "BBBB");
  EXPECT_EQ(files[2].FileName, "t__st.png");
  EXPECT_EQ(files[2].Text, "CCCC");
  auto image = [](const std::string& name) { return "<image xlink:href=\"" + name + "\" x="; };
  EXPECT_NE(svg.find("<g id=\"Page0\">\n<rect width=\"432\" height=\"324\" fill=\"#FFFFFF\"/>\n" +
                     image("a.png") + "\"0\" y=\"0\" width=\"10\" height=\"10\"/>\n" +
                     image("a-2.png")),
            std::string::npos);
  EXPECT_NE(svg.find("visibility=\"hidden\">\n<rect width=\"432\" height=\"324\" "
                     "fill=\"#FFFFFF\"/>\n" +
                     image("a.png") + "\"0\" y=\"0\" width=\"10\" height=\"10\"/>\n" +
                     image("t__st.png")),
            std::string::npos);
  for (const char* old : {"pics/", "A.png", "&#233;", "&amp;st"})
    EXPECT_EQ(svg.find(old), std::string::npos) << old;
}

}  // namespace
