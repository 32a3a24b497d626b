// The image's PDF and SVG output, alone and in whole exported documents checked by qpdf
// and rendered by pdftoppm.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "objects/image.h"
#include "objects/image_test_pictures.h"
#include "objects/object_fixture.h"
#include "storage/document_file.h"
#include "base/file_helpers.h"
#include "storage/storage_fixtures.h"
#include "support/pdf_tools.h"

namespace {
TBitmap Solid(int w, int h, TColor c) {
  return MakeBitmap(w, h, [c](int, int) { return c; });
}

struct PictureDesk : Desk {
  std::string Picture(const std::string& name, const std::string& bytes) {
    WriteRaw(dir.File(name), bytes);
    return dir.File(name);
  }
  // The XObject body the image asks for as resource number 7.
  std::string Body(TPDFImage& image) {
    TPDFResources res;
    image.PDFResources(canvas, 7, res);
    EXPECT_EQ(res.size(), 1u);
    if (res.empty()) return {};
    EXPECT_EQ(res[0].Category, "XObject");
    EXPECT_TRUE(res[0].Listed);
    EXPECT_EQ(image.XObjectNumber, 7);
    return res[0].Body;
  }
  TempDir dir;
};

std::string Header(const std::string& body) { return body.substr(0, body.find("stream\n")); }
std::string Data(const std::string& body) {
  std::size_t start = body.find(">>\nstream\n") + 10;
  return body.substr(start, body.size() - 10 - start);
}

bool Near(TColor a, TColor b, int slack) {
  return std::abs(RedOf(a) - RedOf(b)) <= slack && std::abs(GreenOf(a) - GreenOf(b)) <= slack &&
         std::abs(BlueOf(a) - BlueOf(b)) <= slack;
}
}  // namespace

TEST(ImagePDF, PlacesTheUnitSquareOnTheBox) {
  PictureDesk d;
  TPDFImage image(10, d.Picture("p.png", EncodePNG(Solid(100, 50, 0x336699))), 20);
  d.Body(image);
  d.canvas.BeginPDFText();
  EXPECT_EQ(d.PDF(image), "ET q 100 0 0 50 10 254 cm\n/XObject7 Do Q\n");
}

TEST(ImagePDF, XObjectForEachKindOfPicture) {
  PictureDesk d;
  const TBitmap colours = MakeBitmap(16, 4, [](int x, int y) { return RGBColour(x * 16, y * 60, 7); });
  const std::string jpeg = EncodeJPEG(colours, false);
  struct Case {
    const char* Name;
    std::string File;
    bool Monochrome;
    std::string Header;
  } cases[] = {
      {"rgb", EncodePNG(colours), false,
       "<</Type /XObject /Subtype /Image\n/Width 16 /Height 4\n"
       "/BitsPerComponent 8 /ColorSpace /DeviceRGB\n/Filter /FlateDecode /Length "},
      {"gray", EncodePNG(Solid(30, 30, 0x505050)), false,
       "<</Type /XObject /Subtype /Image\n/Width 30 /Height 30\n"
       "/BitsPerComponent 8 /ColorSpace /DeviceGray\n/Filter /FlateDecode /Length "},
      {"one bit", EncodePNG(Solid(64, 64, 0)), true,
       "<</Type /XObject /Subtype /Image\n/Width 64 /Height 64\n"
       "/BitsPerComponent 1 /ColorSpace /DeviceGray\n/Filter /FlateDecode /Length "},
      {"jpeg", jpeg, false,
       "<</Type /XObject /Subtype /Image\n/Width 16 /Height 4\n"
       "/BitsPerComponent 8 /ColorSpace /DeviceRGB\n/Filter /DCTDecode /Length "},
      {"gray jpeg", EncodeJPEG(colours, true), false,
       "<</Type /XObject /Subtype /Image\n/Width 16 /Height 4\n"
       "/BitsPerComponent 8 /ColorSpace /DeviceGray\n/Filter /DCTDecode /Length "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TPDFImage image(0, d.Picture(std::string(c.Name) + ".pic", c.File), 0);
    image.Monochrome = c.Monochrome;
    std::string body = d.Body(image);
    std::string header = Header(body);
    EXPECT_EQ(header.substr(0, c.Header.size()), c.Header);
    std::string data = Data(body);
    EXPECT_EQ(header.substr(c.Header.size()), std::to_string(data.size()) + ">>\n");
    EXPECT_EQ(body.substr(body.size() - 10), "\nendstream");
    if (image.IsJPEG())
      EXPECT_EQ(data, c.File);  // the file itself, byte for byte
    else
      EXPECT_EQ(Inflate(data), image.ImageData());
  }
}

TEST(ImagePDF, IncompressibleSamplesAreWrittenWithoutAFilter) {
  PictureDesk d;
  TPDFImage image(0, d.Picture("n.png", EncodePNG(NoiseBitmap(64, 64))), 0);
  std::string body = d.Body(image);
  EXPECT_EQ(body.find("/Filter"), std::string::npos);
  EXPECT_EQ(Data(body), image.ImageData());
  EXPECT_EQ(Data(body).size(), 64u * 64u * 3u);
}

TEST(ImagePDF, ColourKeyMaskCoversThePixelsTheScreenLeavesOut) {
  PictureDesk d;
  struct Case {
    const char* Name;
    TBitmap Picture;
    bool Monochrome;
    TColor Key;
    int Tolerance;
    std::string Mask;  // "" for none
  } cases[] = {
      {"rgb", MakeBitmap(2, 1, [](int x, int) { return x ? 0xFFu : 0xFF00u; }), false,
       RGBColour(255, 0, 0), 10, "/Mask [245 255 0 10 0 10]\n"},
      {"rgb at the low end", MakeBitmap(2, 1, [](int x, int) { return x ? 0xFFu : 0xFF00u; }),
       false, RGBColour(3, 250, 128), 5, "/Mask [0 8 245 255 123 133]\n"},
      {"gray", Solid(4, 4, 0x808080), false, RGBColour(120, 130, 125), 10,
       "/Mask [120 130]\n"},
      {"gray, key too colourful", Solid(4, 4, 0x808080), false, RGBColour(255, 0, 0), 10, ""},
      {"one bit, white", Solid(8, 1, 0xFFFFFF), true, RGBColour(250, 255, 251), 5,
       "/Mask [1 1]\n"},
      {"one bit, black", Solid(8, 1, 0), true, RGBColour(0, 0, 0), 0, "/Mask [0 0]\n"},
      {"one bit, both", Solid(8, 1, 0), true, RGBColour(128, 128, 128), 128, "/Mask [0 1]\n"},
      {"one bit, neither", Solid(8, 1, 0), true, RGBColour(128, 128, 128), 20, ""},
  };
  int n = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TPDFImage image(0, d.Picture(std::to_string(n++) + ".png", EncodePNG(c.Picture)), 0);
    image.Monochrome = c.Monochrome;
    image.Transparent = true;
    image.SetTransparentColour(c.Key);
    image.SetTolerance(c.Tolerance);
    std::string header = Header(d.Body(image));
    std::size_t at = header.find("/Mask");
    EXPECT_EQ(at == std::string::npos ? "" : header.substr(at, header.find('\n', at) + 1 - at),
              c.Mask);
    image.Transparent = false;
    EXPECT_EQ(Header(d.Body(image)).find("/Mask"), std::string::npos);
  }
}

TEST(ImageSVG, ElementAndSideFile) {
  PictureDesk d;
  std::string path = d.Picture("a&b.png", EncodePNG(Solid(8, 4, 0x0000FF)));
  TPDFImage image(5, path, 6);
  image.MoveEdges(Edge::Right, 8, 0);
  EXPECT_EQ(d.SVG(image), "<image xlink:href=\"a&amp;b.png\" x=\"5\" y=\"6\" width=\"16\" height=\"8\"/>\n");
  TResources files;
  image.SVGResources(d.canvas, files);
  ASSERT_EQ(files.size(), 1u);
  EXPECT_EQ(files[0].FileName, "a&b.png");
  EXPECT_EQ(files[0].Name, path);
  EXPECT_EQ(files[0].Text, ReadRaw(path));
  EXPECT_EQ(TPDFImage::NamePart("C:\\pics\\x.jpg"), "x.jpg");
  EXPECT_EQ(TPDFImage::NamePart("plain.gif"), "plain.gif");
}

namespace {
// One slide with a picture of every form; returns the box centres and expected colours.
struct Expectation {
  const char* Name;
  int X, Y;
  TColor Colour;
  int Slack;
};

std::vector<Expectation> BuildPictureSlide(PictureDesk& d) {
  auto place = [&](const std::string& name, const std::string& bytes, int x, int y) -> TPDFImage& {
    auto image = std::make_unique<TPDFImage>(x, d.Picture(name, bytes), y);
    return static_cast<TPDFImage&>(*d.canvas.Add(std::move(image)));
  };
  place("rgb.png", EncodePNG(Solid(40, 40, RGBColour(200, 30, 40))), 10, 10);
  place("gray.png", EncodePNG(Solid(40, 40, RGBColour(90, 90, 90))), 60, 10);
  place("mono.png", EncodePNG(Solid(40, 40, 0)), 110, 10).Monochrome = true;
  place("rgb.jpg", EncodeJPEG(Solid(40, 40, RGBColour(20, 160, 220)), false), 160, 10);
  place("gray.jpg", EncodeJPEG(Solid(40, 40, RGBColour(170, 170, 170)), true), 210, 10);
  TPDFImage& keyed = place(
      "keyed.png",
      EncodePNG(MakeBitmap(40, 40, [](int x, int) { return x < 20 ? RGBColour(250, 5, 5) : 0xFF0000u; })),
      260, 10);
  keyed.Transparent = true;
  keyed.SetTransparentColour(RGBColour(255, 0, 0));
  keyed.SetTolerance(10);
  place("noise.png", EncodePNG(NoiseBitmap(64, 64)), 10, 100);
  TPDFImage& stretched = place("small.png", EncodePNG(Solid(4, 2, RGBColour(0, 128, 0))), 100, 100);
  stretched.MoveEdges(Edge::Right, 96, 0);  // 100 x 50
  return {{"rgb", 30, 30, RGBColour(200, 30, 40), 2},
          {"gray", 80, 30, RGBColour(90, 90, 90), 2},
          {"one bit", 130, 30, 0, 2},
          {"jpeg", 180, 30, RGBColour(20, 160, 220), 10},
          {"gray jpeg", 230, 30, RGBColour(170, 170, 170), 10},
          {"keyed half", 270, 30, 0xFFFFFF, 2},
          {"kept half", 290, 30, 0xFF0000, 2},
          {"stretched", 190, 140, RGBColour(0, 128, 0), 2},
          {"below the stretched box", 190, 160, 0xFFFFFF, 2},
          {"background", 400, 300, 0xFFFFFF, 2}};
}

void CheckRendering(const std::string& pdf, const std::vector<Expectation>& expected) {
  EXPECT_TRUE(CheckXrefOffsets(pdf).empty());
  ASSERT_TRUE(ToolAvailable("qpdf") && ToolAvailable("pdftoppm"))
      << "qpdf or pdftoppm is missing: scripts/setup.sh installs them";
  ToolResult check = QpdfCheck(pdf);
  EXPECT_EQ(check.ExitCode, 0) << check.Output;
  RenderedPage page = RenderPage(pdf, 1);
  ASSERT_EQ(page.Width, 432);
  for (const Expectation& e : expected)
    EXPECT_TRUE(Near(page.Pixel(e.X, e.Y), e.Colour, e.Slack))
        << e.Name << ": " << std::hex << page.Pixel(e.X, e.Y);
}
}  // namespace

TEST(ImagePDF, ExportedPicturesPassQpdfAndRenderInPlace) {
  PictureDesk d;
  auto expected = BuildPictureSlide(d);
  std::string pdf;
  d.canvas.GeneratePDF(pdf);
  EXPECT_NE(pdf.find("/Mask [245 255 0 10 0 10]"), std::string::npos);
  CheckRendering(pdf, expected);
}

TEST(ImagePDF, StoredPictureTravelsInsideTheDocument) {
  PictureDesk d;
  auto expected = BuildPictureSlide(d);
  for (auto& obj : d.canvas.CurrentPage().Objects) static_cast<TPDFImage&>(*obj).SetStoreInFile(true);
  std::string qsl = d.dir.File("deck.qsl");
  ASSERT_TRUE(SaveDocument(d.canvas, qsl, BuiltinRegistry()).Ok());
  for (const char* name : {"rgb.png", "gray.png", "mono.png", "rgb.jpg", "gray.jpg", "keyed.png",
                           "noise.png", "small.png"})
    std::filesystem::remove(d.dir.File(name));

  TQuarrionCanvas reopened;
  TFileResult loaded = LoadDocument(reopened, qsl, BuiltinRegistry());
  ASSERT_TRUE(loaded.Ok()) << loaded.Message;
  ASSERT_EQ(reopened.CurrentPage().Objects.size(), 8u);
  for (auto& obj : reopened.CurrentPage().Objects)
    EXPECT_TRUE(static_cast<TPDFImage&>(*obj).Loaded());
  std::string pdf;
  reopened.GeneratePDF(pdf);
  // The black picture is written with one bit now that it was opened again.
  EXPECT_NE(pdf.find("/BitsPerComponent 1 /ColorSpace /DeviceGray"), std::string::npos);
  CheckRendering(pdf, expected);
}
