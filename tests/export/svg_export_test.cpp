#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

#include "base/file_helpers.h"
#include "export/svg_export.h"
#include "export/svg_probe.h"
#include "export/svg_sample_deck.h"
#include "model/picture_decoder.h"
#include "objects/image.h"
#include "storage/document_file.h"
#include "storage/storage_fixtures.h"

namespace fs = std::filesystem;

namespace {

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// A fresh folder under the system's temporary folder, removed with the fixture.
class SvgExport : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "quarrion-svg-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    root = pattern;
    folder = root / "out";
    fs::create_directory(folder);
    SvgDocument(canvas, 2);
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(root, ec);
  }

  FixedClockScope clock;
  TQuarrionCanvas canvas;
  fs::path root, folder;
};

TEST_F(SvgExport, WritesTheShowAndItsPicturesBesideIt) {
  SvgPlace(canvas, 0, PictureProbe("C:\\pictures\\logo.png", "PNG-1"));
  SvgPlace(canvas, 1, PictureProbe("other/logo.png", "PNG-2"));
  SvgPlace(canvas, 1, PictureProbe("../../escape.png", "PNG-3"));
  std::vector<std::string> status;
  TSVGExportReport report;
  std::string error;
  ASSERT_TRUE(WriteSVGExport(canvas, (folder / "show.svg").string(), &error, &report,
                             [&](const std::string& s) { status.push_back(s); }))
      << error;
  std::string svg = ReadAll(folder / "show.svg");
  std::string expected;
  TResources files;
  canvas.GenerateSVG(expected, files);
  EXPECT_EQ(svg, expected);
  EXPECT_EQ(report.SVGBytes, svg.size());
  EXPECT_EQ(report.SideFiles, (std::vector<std::string>{"logo.png", "logo-2.png", "escape.png"}));
  EXPECT_EQ(ReadAll(folder / "logo.png"), "PNG-1");
  EXPECT_EQ(ReadAll(folder / "logo-2.png"), "PNG-2");
  EXPECT_EQ(ReadAll(folder / "escape.png"), "PNG-3");
  EXPECT_FALSE(fs::exists(root / "escape.png"));
  EXPECT_FALSE(fs::exists(root.parent_path() / "escape.png"));
  EXPECT_NE(svg.find("xlink:href=\"logo-2.png\""), std::string::npos);
  EXPECT_EQ(status, (std::vector<std::string>{"Saving SVG ...", "Saving resource logo.png ...",
                                              "Saving resource logo-2.png ...",
                                              "Saving resource escape.png ..."}));
  int entries = 0;
  for (const auto& entry : fs::directory_iterator(folder)) entries += entry.is_regular_file();
  EXPECT_EQ(entries, 4);  // no temporary files left behind
}

// A 1 x 1 24-bit bitmap file of one colour.
std::string OnePixelBitmap(unsigned char r, unsigned char g, unsigned char b) {
  auto le32 = [](std::string& s, unsigned v) {
    for (int i = 0; i < 4; ++i) s.push_back(char((v >> (8 * i)) & 0xFF));
  };
  std::string f = "BM";
  le32(f, 58);
  le32(f, 0);
  le32(f, 54);
  le32(f, 40);
  le32(f, 1);
  le32(f, 1);
  f += std::string("\x01\x00\x18\x00", 4);
  le32(f, 0);
  le32(f, 4);
  for (int i = 0; i < 4; ++i) le32(f, i < 2 ? 2835 : 0);
  f += std::string{char(b), char(g), char(r), 0};
  return f;
}

// Two real pictures from different folders with one name: each image element names the
// file that holds its own picture.
TEST_F(SvgExport, PicturesOfOneNameFromTwoFoldersBothArrive) {
  const std::string red = OnePixelBitmap(255, 0, 0), blue = OnePixelBitmap(0, 0, 255);
  for (const auto& [dir, bytes] : {std::pair{"red", red}, std::pair{"blue", blue}}) {
    fs::create_directory(root / dir);
    std::ofstream(root / dir / "pic.bmp", std::ios::binary) << bytes;
  }
  auto red1 = std::make_unique<TPDFImage>(10, (root / "red" / "pic.bmp").string(), 10);
  auto blue1 = std::make_unique<TPDFImage>(50, (root / "blue" / "pic.bmp").string(), 10);
  auto red2 = std::make_unique<TPDFImage>(90, (root / "red" / "pic.bmp").string(), 10);
  ASSERT_TRUE(red1->Loaded() && blue1->Loaded() && red2->Loaded());
  SvgPlace(canvas, 0, std::move(red1));
  SvgPlace(canvas, 0, std::move(blue1));
  SvgPlace(canvas, 1, std::move(red2));
  std::string error;
  ASSERT_TRUE(WriteSVGExport(canvas, (folder / "show.svg").string(), &error)) << error;
  std::string svg = ReadAll(folder / "show.svg");
  EXPECT_EQ(ReadAll(folder / "pic.bmp"), red);
  EXPECT_EQ(ReadAll(folder / "pic-2.bmp"), blue);
  EXPECT_NE(svg.find("<image xlink:href=\"pic.bmp\" x=\"10\""), std::string::npos);
  EXPECT_NE(svg.find("<image xlink:href=\"pic-2.bmp\" x=\"50\""), std::string::npos);
  EXPECT_NE(svg.find("<image xlink:href=\"pic.bmp\" x=\"90\""), std::string::npos);
}

TEST_F(SvgExport, PictureNamedLikeTheShowDoesNotReplaceIt) {
  SvgPlace(canvas, 0, PictureProbe("Show.SVG", "not an svg"));
  std::string error;
  ASSERT_TRUE(WriteSVGExport(canvas, (folder / "show.svg").string(), &error)) << error;
  std::string svg = ReadAll(folder / "show.svg");
  EXPECT_EQ(svg.rfind("<svg ", 0), 0u);
  EXPECT_EQ(ReadAll(folder / "Show-2.SVG"), "not an svg");
  EXPECT_NE(svg.find("xlink:href=\"Show-2.SVG\""), std::string::npos);
}

TEST_F(SvgExport, SymbolicLinkInThePictureFolderIsNotFollowed) {
  fs::path outside = root / "precious.txt";
  { std::ofstream(outside) << "keep me"; }
  fs::create_symlink(outside, folder / "photo.jpg");
  SvgPlace(canvas, 0, PictureProbe("photo.jpg", "JPEG"));
  SvgPlace(canvas, 0, PictureProbe("fine.jpg", "OK"));
  std::string error;
  TSVGExportReport report;
  EXPECT_FALSE(WriteSVGExport(canvas, (folder / "show.svg").string(), &error, &report));
  EXPECT_NE(error.find("photo.jpg"), std::string::npos) << error;
  EXPECT_EQ(ReadAll(outside), "keep me");
  EXPECT_TRUE(fs::is_symlink(folder / "photo.jpg"));
  // What could be written was written.
  EXPECT_EQ(ReadAll(folder / "fine.jpg"), "OK");
  EXPECT_EQ(report.SideFiles, std::vector<std::string>{"fine.jpg"});
  EXPECT_EQ(report.SVGBytes, ReadAll(folder / "show.svg").size());
}

TEST_F(SvgExport, ShowThatCannotBeWrittenWritesNoPictures) {
  fs::create_directory(folder / "show.svg");
  { std::ofstream(folder / "show.svg" / "inside") << "old"; }
  SvgPlace(canvas, 0, PictureProbe("a.png", "A"));
  std::string error;
  EXPECT_FALSE(WriteSVGExport(canvas, (folder / "show.svg").string(), &error));
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(ReadAll(folder / "show.svg" / "inside"), "old");
  EXPECT_FALSE(fs::exists(folder / "a.png"));
}

TEST_F(SvgExport, MissingFolderIsReported) {
  SvgPlace(canvas, 0, PictureProbe("a.png", "A"));
  std::string error;
  EXPECT_FALSE(WriteSVGExport(canvas, (folder / "nowhere" / "show.svg").string(), &error));
  EXPECT_FALSE(error.empty());
  EXPECT_FALSE(fs::exists(folder / "nowhere"));
  EXPECT_FALSE(fs::exists(folder / "a.png"));
}

// Runs a command through the shell; returns its exit status and what it printed on
// either stream.
int RunCommand(const std::string& command, std::string& output) {
  FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
  if (!pipe) return -1;
  char buf[4096];
  std::size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, pipe)) > 0) output.append(buf, n);
  int status = ::pclose(pipe);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool HaveProgram(const char* name) {
  std::string ignored;
  return RunCommand(std::string("command -v ") + name, ignored) == 0;
}

// Outside checkers: xmllint must accept every export without a word (it prints namespace
// errors but still exits 0), and rsvg-convert must render it.
TEST_F(SvgExport, ExternalToolsAcceptTheSampleDeck) {
  ASSERT_TRUE(HaveProgram("xmllint") && HaveProgram("rsvg-convert"))
      << "xmllint or rsvg-convert is missing: scripts/setup.sh installs them";
  BuildSvgSampleDeck(canvas);
  struct Case {
    bool FullScreen, ShowOutlines;
    int Width, Height;
  } cases[] = {{false, true, 583, 359}, {false, false, 432, 359}, {true, true, 432, 324}};
  for (const Case& c : cases) {
    canvas.FullScreen = c.FullScreen;
    canvas.ShowOutlines = c.ShowOutlines;
    fs::path svg = folder / "deck.svg", png = folder / "deck.png";
    std::string error;
    ASSERT_TRUE(WriteSVGExport(canvas, svg.string(), &error)) << error;
    std::string output;
    EXPECT_EQ(RunCommand("xmllint --noout '" + svg.string() + "'", output), 0);
    EXPECT_EQ(output, "");
    output.clear();
    EXPECT_EQ(RunCommand("rsvg-convert -o '" + png.string() + "' '" + svg.string() + "'", output), 0)
        << output;
    std::string image = ReadAll(png);
    ASSERT_GE(image.size(), 24u);
    EXPECT_EQ(image.substr(1, 3), "PNG");
    auto be32 = [&](std::size_t at) {
      return (unsigned char)image[at] << 24 | (unsigned char)image[at + 1] << 16 |
             (unsigned char)image[at + 2] << 8 | (unsigned char)image[at + 3];
    };
    EXPECT_EQ(be32(16), c.Width);
    EXPECT_EQ(be32(20), c.Height);
    // Slide 0's box is drawn; slide 1's, 20 points further right, is hidden.
    TDecodedPicture picture;
    ASSERT_TRUE(CurrentPictureDecoder().Decode(image, picture));
    const int shift = c.ShowOutlines && !c.FullScreen ? 151 : 0;
    EXPECT_EQ(picture.Bitmap.Pixel(shift + SvgSampleBoxX(0) + 5, 100), 0x3030C0u);
    EXPECT_NE(picture.Bitmap.Pixel(shift + SvgSampleBoxX(1) + 150, 100), 0x3030C0u);
  }
}

}  // namespace

// Three gradient boxes in a saved file once all took the id of the first: after the load
// every gradient is named Grad0 and each box fills with the first one's colours.
TEST_F(SvgExport, GradientsOfALoadedDocumentKeepTheirOwnColours) {
  ASSERT_TRUE(HaveProgram("rsvg-convert")) << "scripts/setup.sh installs rsvg-convert";
  const TColor colours[] = {0x0000FF, 0x00FF00, 0xFF0000};
  TQuarrionCanvas source;
  SvgDocument(source, 1);
  for (int k = 0; k < 3; ++k) {
    auto box = std::make_unique<TPDFRectangle>(40 + 120 * k, 60, 140 + 120 * k, 160);
    auto gradient = std::make_unique<TPDFGradient>(0, 0, 0, 0);
    gradient->Start.Colour = gradient->End.Colour = colours[k];
    box->SetGradient(std::move(gradient));
    source.Add(std::move(box));
  }
  std::string bytes = EncodeDocumentContent(ImageOf(source));
  ScrambleBytes(bytes);
  ASSERT_TRUE(LoadDocumentFromBytes(canvas, bytes, BuiltinRegistry(), "doc").Ok());
  canvas.FullScreen = true;
  fs::path svg = folder / "show.svg", png = folder / "show.png";
  std::string error, output;
  ASSERT_TRUE(WriteSVGExport(canvas, svg.string(), &error)) << error;
  ASSERT_EQ(RunCommand("rsvg-convert -o '" + png.string() + "' '" + svg.string() + "'", output), 0)
      << output;
  TDecodedPicture picture;
  ASSERT_TRUE(CurrentPictureDecoder().Decode(ReadAll(png), picture));
  for (int k = 0; k < 3; ++k)
    EXPECT_EQ(picture.Bitmap.Pixel(90 + 120 * k, 110), colours[k]) << "box " << k;
}
