// The image object: construction, geometry, drawing, copying, the saved form and the
// resource store.
#include <gtest/gtest.h>

#include <filesystem>

#include "model/byte_reader.h"
#include "base/format_error.h"
#include "model/picture_decoder.h"
#include "objects/image.h"
#include "objects/image_test_pictures.h"
#include "objects/object_fixture.h"
#include "base/file_helpers.h"
#include "storage/storage_fixtures.h"

namespace {
// Keeps a copy of every bitmap drawn stretched.
class CapturingSurface : public RecordingSurface {
 public:
  void StretchDraw(const TRect& r, const TBitmap& bitmap) override {
    RecordingSurface::StretchDraw(r, bitmap);
    Drawn.push_back(bitmap);
  }
  std::vector<TBitmap> Drawn;
};

struct ImageDesk : Desk {
  ImageDesk() { canvas.SetSecondCanvas(&capture); }
  std::string Picture(const std::string& name, const std::string& bytes) {
    std::string path = dir.File(name);
    WriteRaw(path, bytes);
    return path;
  }
  TPDFImage& AddImage(std::unique_ptr<TPDFImage> image) {
    return static_cast<TPDFImage&>(*canvas.Add(std::move(image)));
  }
  TempDir dir;
  CapturingSurface capture;
};

TBitmap Colours(int w, int h) {
  return MakeBitmap(w, h, [](int x, int y) { return RGBColour(x * 9, y * 7, 100); });
}
TBitmap BlackAndWhite(int w, int h) {
  return MakeBitmap(w, h, [](int x, int y) { return (x + y) % 3 ? 0xFFFFFFu : 0u; });
}
}  // namespace

TEST(Image, ConstructorsSizeTheObjectFromThePicture) {
  ImageDesk d;
  std::string png = d.Picture("p.png", EncodePNG(BlackAndWhite(40, 20)));
  TPDFImage image(10, png, 30);
  EXPECT_TRUE(image.Loaded());
  EXPECT_FALSE(image.IsJPEG());
  EXPECT_EQ((TRect{image.Left, image.Top, image.Right, image.Bottom}), (TRect{10, 30, 50, 50}));
  EXPECT_TRUE(image.PreserveAspect);
  EXPECT_FALSE(image.StoreInFile());
  EXPECT_FALSE(image.Monochrome);  // a new image is written with 8 bits per sample
  EXPECT_TRUE(image.Grayscale);
  EXPECT_EQ(image.HelpContext, 1505);
  EXPECT_EQ(image.ClassID(), 5);

  TPDFImage missing(5, d.dir.File("none.png"), 6);
  EXPECT_FALSE(missing.Loaded());
  EXPECT_EQ((TRect{missing.Left, missing.Top, missing.Right, missing.Bottom}), (TRect{5, 6, 37, 38}));

  TPDFImage blank(7, 8, 500, 500);
  EXPECT_TRUE(blank.ImageFileName().empty());
  EXPECT_EQ((TRect{blank.Left, blank.Top, blank.Right, blank.Bottom}), (TRect{7, 8, 39, 40}));
}

TEST(Image, UnreadablePictureIsAPlaceholder) {
  ImageDesk d;
  std::string bad = d.Picture("bad.png", "\x89PNG\r\n\x1A\n not really");
  TPDFImage image(0, bad, 0);
  EXPECT_FALSE(image.Loaded());
  EXPECT_TRUE(image.Bitmap().Empty());
  TPDFResources res;
  image.PDFResources(d.canvas, 9, res);
  EXPECT_TRUE(res.empty());
  EXPECT_EQ(d.SVG(image), "");
  EXPECT_EQ(d.PDF(image), "");

  image.Draw(d.canvas);
  EXPECT_EQ(d.capture.Calls, (std::vector<std::string>{"pen 0 w1 solid not", "brush clear",
                                                        "rect 0,0,32,32", "line 0,0 32,32",
                                                        "line 0,32 32,0"}));
}

TEST(Image, HeightFollowsTheWidthWhileTheAspectIsKept) {
  ImageDesk d;
  std::string wide = d.Picture("w.png", EncodePNG(Colours(100, 50)));
  std::string tiny = d.Picture("t.png", EncodePNG(Colours(4, 2)));
  struct Case {
    const char* Name;
    std::string File;
    bool Keep;
    int Edges, DX, DY;
    int Right, Bottom;
  } cases[] = {
      {"bottom edge only", wide, true, Edge::Bottom, 0, 30, 100, 50},
      {"right edge", wide, true, Edge::Right, 20, 0, 120, 60},
      {"corner", wide, true, Edge::BottomRight, -50, 40, 50, 25},
      {"2.5 rounds to 2", tiny, true, Edge::Right, 1, 0, 5, 2},
      {"3.5 rounds to 4", tiny, true, Edge::Right, 3, 0, 7, 4},
      {"free", wide, false, Edge::BottomRight, 20, 30, 120, 80},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TPDFImage image(0, c.File, 0);
    image.PreserveAspect = c.Keep;
    image.MoveEdges(c.Edges, c.DX, c.DY);
    EXPECT_EQ(image.Right, c.Right);
    EXPECT_EQ(image.Bottom, c.Bottom);
  }
}

TEST(Image, NormaliseTurnsTheBoxRoundAndKeepsTheAspect) {
  ImageDesk d;
  TPDFImage image(0, d.Picture("w.png", EncodePNG(Colours(100, 50))), 0);
  image.Left = 150;
  image.Right = 50;
  image.Top = 90;
  image.Bottom = 10;
  image.Normalise();
  EXPECT_EQ((TRect{image.Left, image.Top, image.Right, image.Bottom}), (TRect{50, 10, 150, 60}));
}

TEST(Image, DrawsTheBitmapStretchedOrThroughTheMask) {
  ImageDesk d;
  TPDFImage image(10, d.Picture("c.png", EncodePNG(Colours(20, 10))), 20);
  image.Draw(d.canvas);
  ASSERT_EQ(d.capture.Drawn.size(), 1u);
  EXPECT_EQ(d.capture.Calls.back(), "stretch 10,20,30,30 20x10");
  EXPECT_FALSE(d.capture.Drawn[0].HasTransparentColour);
  EXPECT_EQ(image.MaskCache(), nullptr);

  image.Transparent = true;
  image.SetTransparentColour(RGBColour(9, 7, 100));  // the pixel at (1, 1)
  image.Draw(d.canvas);
  ASSERT_NE(image.MaskCache(), nullptr);
  const TBitmap& drawn = d.capture.Drawn.back();
  EXPECT_TRUE(drawn.HasTransparentColour);
  EXPECT_EQ(drawn.TransparentColour, RGBColour(9, 7, 100));
  EXPECT_EQ(drawn.Pixel(2, 2), image.Bitmap().Pixel(2, 2));  // tolerance 0: untouched

  const TBitmap* cache = image.MaskCache();
  image.Draw(d.canvas);
  EXPECT_EQ(image.MaskCache(), cache);  // built once
  image.SetTolerance(5);
  EXPECT_EQ(image.MaskCache(), nullptr);
  image.Draw(d.canvas);
  image.SetTransparentColour(0);
  EXPECT_EQ(image.MaskCache(), nullptr);
}

// Rows of more than 8194 pixels used to be beyond the tolerance processing.
TEST(Image, ToleranceReachesEveryPixelOfAWidePicture) {
  ImageDesk d;
  const int w = 9000;
  TBitmap b = MakeBitmap(w, 2, [](int x, int y) {
    if (x == w - 1) return y ? RGBColour(210, 60, 60) : RGBColour(206, 44, 50);
    return x % 2 ? RGBColour(200, 50, 50) : RGBColour(10, 20, 30);
  });
  TPDFImage image(0, d.Picture("wide.png", EncodePNG(b)), 0);
  ASSERT_TRUE(image.Loaded());
  image.Transparent = true;
  image.SetTransparentColour(RGBColour(200, 50, 50));
  image.SetTolerance(6);
  image.Draw(d.canvas);
  ASSERT_EQ(d.capture.Drawn.size(), 1u);
  const TBitmap& m = d.capture.Drawn[0];
  const TColor key = RGBColour(200, 50, 50);
  EXPECT_EQ(m.Pixel(1, 0), key);
  EXPECT_EQ(m.Pixel(8999, 0), key);                     // each channel within 6
  EXPECT_EQ(m.Pixel(8999, 1), RGBColour(210, 60, 60));  // 10 away: drawn
  EXPECT_EQ(m.Pixel(8998, 0), RGBColour(10, 20, 30));
  EXPECT_EQ(image.Bitmap().Pixel(8999, 0), RGBColour(206, 44, 50));  // the picture itself stays
}

TEST(Image, PictureWithTransparentPixelsIsDrawnTransparent) {
  ImageDesk d;
  TBitmap b = MakeBitmap(3, 3, [](int x, int) { return x == 1 ? 0xFF000000u : 0x123456u; });
  TPDFImage image(0, d.Picture("a.png", EncodePNG(b, true)), 0);
  EXPECT_TRUE(image.Transparent);
  EXPECT_EQ(image.TransparentColour(), kPictureKeyColour);
  EXPECT_EQ(image.Bitmap().Pixel(1, 2), kPictureKeyColour);
}

TEST(Image, SavedFormRoundTripsAndHoldsItsFields) {
  ImageDesk d;
  std::string path = d.Picture("r.png", EncodePNG(Colours(30, 15)));
  TPDFImage image(3, path, 4);
  image.Right = 90;   // stretched on purpose
  image.Bottom = 10;
  image.PreserveAspect = false;
  image.Transparent = true;
  image.SetTransparentColour(RGBColour(1, 2, 3));
  image.SetTolerance(17);
  std::string s = image.SaveToString();

  const std::size_t base = 31;  // the base part without dashes, links or gradient
  ASSERT_EQ(s.size(), base + 1 + path.size() + 3 + 1 + 1 + 11);
  EXPECT_EQ(std::uint8_t(s[base]), path.size());
  EXPECT_EQ(s.substr(base + 1, path.size()), path);
  EXPECT_EQ(s.substr(base + 1 + path.size(), 5), std::string("\x01\x02\x03\x11\x04", 5));
  EXPECT_EQ(s.substr(s.size() - 11), std::string(11, '\0'));

  TPDFImage copy(0, 0, 0, 0);
  const std::string followed = s + "tail";
  std::string_view rest = copy.LoadFromString(followed);
  EXPECT_EQ(rest, "tail");
  EXPECT_EQ(copy.SaveToString(), s);
  // Loading did not reshape the stretched picture.
  EXPECT_EQ((TRect{copy.Left, copy.Top, copy.Right, copy.Bottom}), (TRect{3, 4, 90, 10}));
  EXPECT_TRUE(copy.Loaded());
  EXPECT_EQ(copy.Tolerance(), 17);

  EXPECT_THROW(copy.LoadFromString(s.substr(0, s.size() - 3)), FormatError);
}

// The saved form holds 255 bytes of a name: longer ones would come back cut.
TEST(Image, FileNamesLongerThanTheSavedFormHoldsAreRefused) {
  ImageDesk d;
  std::string path = d.Picture("ok.png", EncodePNG(Colours(4, 4)));
  TPDFImage& image = d.AddImage(std::make_unique<TPDFImage>(0, path, 0));
  std::string longName = "/" + std::string(300, 'a') + ".png";
  EXPECT_FALSE(image.LoadImage(longName));
  EXPECT_EQ(image.ImageFileName(), path);
  EXPECT_TRUE(image.Loaded());
  ASSERT_EQ(d.log.size(), 1u);
  EXPECT_NE(d.log[0].find("longer than 255 bytes"), std::string::npos);

  std::string exactly = std::string(255, 'b');
  EXPECT_FALSE(image.LoadImage(exactly));  // accepted, but there is no such file
  EXPECT_EQ(image.ImageFileName(), exactly);
  TPDFImage copy(0, 0, 0, 0);
  copy.LoadFromString(image.SaveToString());
  EXPECT_EQ(copy.ImageFileName(), exactly);
}

TEST(Image, MonochromeRowsArePackedToWholeBytes) {
  ImageDesk d;
  TBitmap b = MakeBitmap(10, 10, [](int x, int y) { return x == y || x == 9 ? 0xFFFFFFu : 0u; });
  TPDFImage fresh(0, d.Picture("m.png", EncodePNG(b)), 0);
  EXPECT_EQ(fresh.ImageData().size(), 100u);  // new: 8-bit gray
  TPDFImage image(0, 0, 0, 0);
  image.LoadFromString(fresh.SaveToString());  // as when the document is opened again
  ASSERT_TRUE(image.Monochrome);
  std::string data = image.ImageData();
  ASSERT_EQ(data.size(), 20u);
  for (int y = 0; y < 10; ++y) {
    SCOPED_TRACE(y);
    unsigned row = (unsigned(std::uint8_t(data[2 * y])) << 8) | std::uint8_t(data[2 * y + 1]);
    unsigned expected = (0x8000u >> y) | (0x8000u >> 9);
    EXPECT_EQ(row, expected);
  }
}

TEST(Image, StoreInFileKeepsThePictureInTheDocumentStore) {
  ImageDesk d;
  std::string path = d.Picture("s.png", EncodePNG(Colours(8, 8)));
  const std::string bytes = ReadRaw(path);
  TPDFImage& a = d.AddImage(std::make_unique<TPDFImage>(0, path, 0));
  TPDFImage& b = d.AddImage(std::make_unique<TPDFImage>(20, path, 0));
  TResourceManager& store = d.canvas.Resources;

  a.SetStoreInFile(true);
  EXPECT_EQ(store.GetData(path), bytes);
  b.SetStoreInFile(true);
  a.SetStoreInFile(false);
  EXPECT_EQ(store.IndexOf(path), 0) << "b still shows the stored picture";
  b.SetStoreInFile(false);
  EXPECT_EQ(store.IndexOf(path), -1);

  a.SetStoreInFile(true);
  std::string other = d.Picture("o.png", EncodePNG(Colours(3, 3)));
  a.LoadImage(other);  // a new picture: the old one leaves the store, the new one enters
  EXPECT_EQ(store.IndexOf(path), -1);
  EXPECT_EQ(store.GetData(other), ReadRaw(other));
}

TEST(Image, StoredPictureWinsOverTheFileOnDisk) {
  ImageDesk d;
  std::string path = d.Picture("changed.png", EncodePNG(Colours(12, 6)));
  TPDFImage& image = d.AddImage(std::make_unique<TPDFImage>(0, path, 0));
  image.SetStoreInFile(true);
  const std::string saved = image.SaveToString();
  // The file changes after the save: the document must still show what was saved.
  WriteRaw(path, EncodePNG(Colours(5, 9)));

  // Through the registry, as a document is read: no store until the object joins one.
  auto obj = BuiltinRegistry().CreateObject(ClassId::Image, saved);
  ASSERT_NE(obj, nullptr);
  auto& loaded = static_cast<TPDFImage&>(*obj);
  EXPECT_FALSE(loaded.Loaded());
  TPDFImage& placed = d.AddImage(std::unique_ptr<TPDFImage>(static_cast<TPDFImage*>(obj.release())));
  EXPECT_TRUE(placed.Loaded());
  EXPECT_EQ(placed.Bitmap().Width(), 12);

  // A copy carries the picture without its file, and brings it into another document.
  auto clone = placed.Clone();
  auto& copy = static_cast<TPDFImage&>(*clone);
  EXPECT_TRUE(copy.Loaded());
  EXPECT_TRUE(copy.StoreInFile());
  Desk other;
  other.canvas.Add(std::move(clone));
  EXPECT_EQ(other.canvas.Resources.GetData(path), placed.PictureBytes());
}

// A file from another writer may hold the picture in the store without the stored flag:
// the image read the file on disk before it had a document, and kept that picture.
TEST(Image, StoreServesItsPictureEvenWhenTheStoredFlagIsClear) {
  ImageDesk d;
  std::string path = d.Picture("held.png", EncodePNG(Colours(12, 6)));
  TPDFImage& image = d.AddImage(std::make_unique<TPDFImage>(0, path, 0));
  const std::string saved = image.SaveToString();
  ASSERT_FALSE(image.StoreInFile());
  d.canvas.Resources.Add(path, EncodePNG(Colours(5, 9)));

  auto obj = BuiltinRegistry().CreateObject(ClassId::Image, saved);
  ASSERT_NE(obj, nullptr);
  TPDFImage& placed = d.AddImage(std::unique_ptr<TPDFImage>(static_cast<TPDFImage*>(obj.release())));
  EXPECT_TRUE(placed.Loaded());
  EXPECT_EQ(placed.Bitmap().Width(), 5);
  EXPECT_EQ(placed.PictureBytes(), d.canvas.Resources.GetData(path));
}

TEST(Image, CopyTakesTheAppearanceAndThePicture) {
  ImageDesk d;
  std::string path = d.Picture("c.jpg", EncodeJPEG(Colours(16, 8), false));
  TPDFImage source(5, path, 6);
  source.PreserveAspect = false;
  source.Transparent = true;
  source.SetTransparentColour(0x00FF00);
  source.SetTolerance(3);
  source.LineWidth = 2;
  TPDFImage dest(0, 0, 0, 0);
  source.AssignAppearanceTo(dest);
  EXPECT_EQ(dest.ImageFileName(), path);
  EXPECT_TRUE(dest.Loaded());
  EXPECT_TRUE(dest.IsJPEG());
  EXPECT_FALSE(dest.PreserveAspect);
  EXPECT_TRUE(dest.Transparent);
  EXPECT_EQ(dest.TransparentColour(), 0x00FF00u);
  EXPECT_EQ(dest.Tolerance(), 3);
  EXPECT_EQ(dest.LineWidth, 2);
  EXPECT_EQ(dest.ImageData(), ReadRaw(path));
  EXPECT_EQ(dest.Left, 0);  // geometry is not appearance

  auto clone = source.Clone();
  EXPECT_EQ(clone->SaveToString(), source.SaveToString());
}

// Opening a document while another is open: an image of the new one that is not stored in
// it keeps its own picture, even when the old document stored one under the same name.
TEST(Image, ADocumentTakenOverKeepsItsPicturesWhateverTheOldStoreHeld) {
  ImageDesk d;
  const std::string path = d.Picture("p.png", EncodePNG(Colours(6, 4)));
  TQuarrionCanvas current;
  current.Resources.Add(path, EncodePNG(BlackAndWhite(6, 4)));
  TQuarrionCanvas loaded;
  loaded.Add(std::make_unique<TPDFImage>(0, path, 0));
  current.TakeDocumentFrom(loaded);
  const auto& image = static_cast<const TPDFImage&>(*current.Pages()[0].Objects[0]);
  EXPECT_FALSE(image.StoreInFile());
  EXPECT_TRUE(image.Bitmap().Pixels() == Colours(6, 4).Pixels());
  EXPECT_EQ(current.Resources.IndexOf(path), -1);
}
