// Faults the fuzz targets found, each kept as a test beside its file in fuzz/corpus/.
#include <gtest/gtest.h>

#include <memory>

#include "objects/gradient.h"
#include "storage/core_picture_decoder.h"
#include "objects/guide.h"
#include "objects/rectangle.h"
#include "storage/storage_fixtures.h"

// fuzz/corpus/object/regression-gradient-inside-gradient: a gradient stored inside a
// gradient was placed against the stored box of the outer one, which the owner then
// moved, so every save of the object wrote different bytes.
TEST(FuzzRegression, GradientInsideAGradientIsDroppedAndSavesAreStable) {
  TPDFRectangle box(10, 20, 110, 70);
  auto outer = std::make_unique<TPDFGradient>(0, 0, 0, 0);
  outer->End.X = 1;
  TPDFGradient& placed = *outer;
  box.SetGradient(std::move(outer));
  auto inner = std::make_unique<TPDFGradient>(0, 0, 0, 0);
  inner->End.Y = 1;
  placed.SetGradient(std::move(inner));
  // A stored box for the outer gradient that its owner does not give it.
  placed.Left = 500, placed.Top = 600, placed.Right = 900, placed.Bottom = 700;

  const TStringRep stored = BuiltinRegistry().WriteObject(box);
  auto first = BuiltinRegistry().CreateObject(stored.ID, stored.Data);
  ASSERT_NE(first, nullptr);
  ASSERT_NE(first->Gradient(), nullptr);
  EXPECT_EQ(first->Gradient()->Gradient(), nullptr);
  EXPECT_EQ(first->Gradient()->Left, 10);
  const std::string once = BuiltinRegistry().WriteObject(*first).Data;
  auto second = BuiltinRegistry().CreateObject(stored.ID, once);
  EXPECT_EQ(BuiltinRegistry().WriteObject(*second).Data, once);
}

// fuzz/corpus/picture/regression-empty-first-idat.png: an empty first IDAT chunk made
// stb_image copy zero bytes to a null buffer (undefined; caught by the sanitizer build).
TEST(FuzzRegression, PngWithAnEmptyFirstDataChunkIsRefusedCleanly) {
  const std::string png(
      "\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\0\0\x07\0\0\0\x05\x08\x02\0\0\0\x06\xf8\x61\x8f"
      "\0\0\0\0IDATIEND\xae\x42\x60\x82",
      49);
  CorePictureDecoder decoder;
  TDecodedPicture picture;
  EXPECT_FALSE(decoder.Decode(png, picture));
  EXPECT_TRUE(picture.Bitmap.Empty());
}

// fuzz/corpus/object/regression-guide-with-gradient: a guide's gradient was placed against
// the Bottom stored in the file, not the one its orientation gives after loading, so the
// first and the second save of a loaded guide differed.
TEST(FuzzRegression, GuideGradientIsPlacedForTheLoadedGuide) {
  TPDFGuide guide(0, 40, 0, 0);  // horizontal: Bottom follows the orientation
  auto gradient = std::make_unique<TPDFGradient>(0, 0, 0, 0);
  gradient->End.Y = 1;
  guide.SetGradient(std::move(gradient));
  std::string stored = BuiltinRegistry().WriteObject(guide).Data;
  // A file may hold any Bottom for a horizontal guide: here 100 (bytes 5 and 6).
  stored[5] = char(100);
  stored[6] = char((100 + 512) / 256);
  auto first = BuiltinRegistry().CreateObject(ClassId::Guide, stored);
  ASSERT_NE(first, nullptr);
  const std::string once = BuiltinRegistry().WriteObject(*first).Data;
  auto second = BuiltinRegistry().CreateObject(ClassId::Guide, once);
  EXPECT_EQ(BuiltinRegistry().WriteObject(*second).Data, once);
  EXPECT_EQ(first->Gradient()->Bottom, second->Gradient()->Bottom);
}
