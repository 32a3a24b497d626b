// The core's picture decoders: what they read, and what they refuse before allocating.
#include <gtest/gtest.h>

#include <cstdlib>

#include "objects/image_test_pictures.h"
#include "storage/core_picture_decoder.h"

namespace {
TBitmap Sample() {
  return MakeBitmap(7, 5, [](int x, int y) { return RGBColour(x * 30, y * 50, 200 - x * 10); });
}

bool Near(TColor a, TColor b, int slack) {
  return std::abs(RedOf(a) - RedOf(b)) <= slack && std::abs(GreenOf(a) - GreenOf(b)) <= slack &&
         std::abs(BlueOf(a) - BlueOf(b)) <= slack;
}

// Big-endian 32-bit value into a PNG header.
void PutBE32(std::string& s, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) s[at + i] = char((v >> (24 - 8 * i)) & 0xFF);
}

// The height and width fields of the first start-of-frame segment of a JPEG.
void PatchJPEGSize(std::string& jpeg, int width, int height) {
  std::size_t sof = jpeg.find("\xFF\xC0");
  ASSERT_NE(sof, std::string::npos);
  jpeg[sof + 5] = char(height >> 8);
  jpeg[sof + 6] = char(height & 0xFF);
  jpeg[sof + 7] = char(width >> 8);
  jpeg[sof + 8] = char(width & 0xFF);
}
}  // namespace

TEST(PictureDecoder, ReadsEachFormat) {
  const TBitmap b = Sample();
  struct Case {
    const char* Name;
    std::string Bytes;
    TPictureFormat Format;
    int Components;
    int Slack;  // JPEG is lossy
  } cases[] = {
      {"png", EncodePNG(b), TPictureFormat::PNG, 0, 0},
      {"bmp", EncodeBMP(b), TPictureFormat::Bitmap, 0, 0},
      {"jpeg", EncodeJPEG(b, false, 100), TPictureFormat::JPEG, 3, 12},
  };
  CorePictureDecoder decoder;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TDecodedPicture p;
    ASSERT_TRUE(decoder.Decode(c.Bytes, p));
    EXPECT_EQ(p.Format, c.Format);
    EXPECT_EQ(p.Components, c.Components);
    EXPECT_FALSE(p.HasTransparency);
    ASSERT_EQ(p.Bitmap.Width(), 7);
    ASSERT_EQ(p.Bitmap.Height(), 5);
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < 7; ++x) {
        EXPECT_TRUE(Near(p.Bitmap.Pixel(x, y), b.Pixel(x, y), c.Slack)) << x << "," << y;
        // Colours are compared whole elsewhere (the transparent key, the PDF samples).
        EXPECT_EQ(p.Bitmap.Pixel(x, y) >> 24, 0u) << x << "," << y << ": nothing above blue";
      }
  }
}

TEST(PictureDecoder, GrayJPEGHasOneComponentAndGrayPixels) {
  TBitmap b = MakeBitmap(8, 8, [](int x, int) { return RGBColour(x * 32, 0, 0); });
  TDecodedPicture p;
  ASSERT_TRUE(CorePictureDecoder().Decode(EncodeJPEG(b, true, 100), p));
  EXPECT_EQ(p.Components, 1);
  for (TColor c : p.Bitmap.Pixels()) {
    EXPECT_EQ(RedOf(c), GreenOf(c));
    EXPECT_EQ(RedOf(c), BlueOf(c));
  }
  EXPECT_TRUE(Near(p.Bitmap.Pixel(7, 3), RGBColour(224, 224, 224), 8));
}

TEST(PictureDecoder, TransparentPixelsBecomeTheKeyColour) {
  // The high byte marks the pixels the helper writes with alpha 0.
  TBitmap b = MakeBitmap(4, 1, [](int x, int) { return x % 2 ? 0xFF0000FFu : 0x00FF00u; });
  TDecodedPicture p;
  ASSERT_TRUE(CorePictureDecoder().Decode(EncodePNG(b, true), p));
  EXPECT_TRUE(p.HasTransparency);
  EXPECT_EQ(p.Bitmap.Pixel(0, 0), 0x00FF00u);
  EXPECT_EQ(p.Bitmap.Pixel(1, 0), kPictureKeyColour);
}

TEST(PictureDecoder, RefusesOversizedAndDamagedPictures) {
  const TBitmap b = Sample();
  std::string hugePNG = EncodePNG(b);
  PutBE32(hugePNG, 16, 100000);  // IHDR width
  PutBE32(hugePNG, 20, 100000);  // IHDR height
  std::string hugeJPEG = EncodeJPEG(b, false);
  PatchJPEGSize(hugeJPEG, 60000, 60000);
  // A GIF header announcing 65535 x 65535 and nothing after it.
  std::string hugeGIF = std::string("GIF89a\xFF\xFF\xFF\xFF\x00\x00\x00", 13);
  std::string jpeg = EncodeJPEG(b, false);
  std::string png = EncodePNG(b);
  struct Case {
    const char* Name;
    std::string Bytes;
  } cases[] = {
      {"empty", ""},
      {"text", "this is not a picture"},
      {"bitmap magic only", "BM"},
      {"png 100000 x 100000", hugePNG},
      {"jpeg 60000 x 60000", hugeJPEG},
      {"gif 65535 x 65535", hugeGIF},
      {"png cut after the header", png.substr(0, 40)},
      {"jpeg markers then noise", jpeg.substr(0, 4) + std::string(300, '\x55')},
      {"jpeg start only", "\xFF\xD8\xFF"},
  };
  CorePictureDecoder decoder;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TDecodedPicture p;
    p.Format = TPictureFormat::PNG;  // must be reset on failure
    EXPECT_FALSE(decoder.Decode(c.Bytes, p));
    EXPECT_TRUE(p.Bitmap.Empty());
    EXPECT_EQ(p.Format, TPictureFormat::Unknown);
  }
}

TEST(PictureDecoder, PixelCapIsCheckedForEveryFormat) {
  const TBitmap b = MakeBitmap(100, 100, [](int x, int y) { return RGBColour(x, y, 0); });
  const std::string files[] = {EncodePNG(b), EncodeBMP(b), EncodeJPEG(b, false)};
  CorePictureDecoder decoder;
  for (const std::string& f : files) {
    TDecodedPicture p;
    EXPECT_FALSE(decoder.Decode(f, p, 9999));
    EXPECT_TRUE(decoder.Decode(f, p, 10000));
    EXPECT_EQ(p.Bitmap.Width(), 100);
  }
}

TEST(PictureDecoder, TruncatedJPEGDataStillGivesThePicture) {
  TBitmap b = MakeBitmap(64, 64, [](int x, int y) { return RGBColour(x * 4, y * 4, 128); });
  std::string jpeg = EncodeJPEG(b, false);
  TDecodedPicture p;
  // libjpeg only warns about a premature end; the rows it has are shown.
  ASSERT_TRUE(CorePictureDecoder().Decode(jpeg.substr(0, jpeg.size() * 2 / 3), p));
  EXPECT_EQ(p.Bitmap.Width(), 64);
  EXPECT_EQ(p.Bitmap.Height(), 64);
}

// A 49-byte PNG whose data chunk claims 1.5 GB made the decoder reserve that much before it
// found the data missing. Every length is checked against the bytes present first.
TEST(PictureDecoder, ChunkAndRowLengthsAreCheckedAgainstTheBytesPresent) {
  // The input as the fuzzer found it; its data chunk claims 0x5D000000 bytes.
  const std::string claims(
      "\x89\x50\x4E\x47\x0D\x0A\x1A\x0A\x00\x00\x00\x0D\x49\x48\x44\x52"
      "\x00\x00\x00\x07\x00\x00\x00\x05\x08\x02\x00\x00\x00\x06\xF8\x61"
      "\x8F\x5D\x00\x00\x00\x49\x44\x41\x54\x49\x45\x4E\x44\xAE\x42\x60"
      "\x82",
      49);
  const std::string png = EncodePNG(Sample()), bmp = EncodeBMP(Sample());
  std::string wideBMP = bmp;
  wideBMP[18] = '\x40';  // width 64 with the rows of a 7-pixel picture
  struct Case {
    const char* Name;
    std::string Bytes;
    bool Present;
  } cases[] = {
      {"png", png, true},
      {"png claiming 1.5 GB of data", claims, false},
      {"png cut inside its data", png.substr(0, png.size() - 20), false},
      {"png without its end chunk", png.substr(0, png.size() - 12), false},
      {"bmp", bmp, true},
      {"bmp without its last row's padding", bmp.substr(0, bmp.size() - 3), true},
      {"bmp cut inside its last row", bmp.substr(0, bmp.size() - 4), false},
      {"bmp claiming wider rows", wideBMP, false},
  };
  ASSERT_EQ(claims.size(), 49u);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    EXPECT_EQ(PictureDataPresent(c.Bytes), c.Present);
    TDecodedPicture p;
    if (!c.Present) {
      EXPECT_FALSE(CorePictureDecoder().Decode(c.Bytes, p));
    }
  }
}
