// A compressed document is parsed while it is inflated. Whatever is wrong with the file,
// the outcome is the one of inflating it whole and parsing it afterwards: the same
// document, or the same message (damage to the stream is reported before damage to the
// image it would have held).
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "base/file_helpers.h"
#include "base/format_error.h"
#include "objects/rectangle.h"
#include "storage/document_file.h"
#include "storage/document_image.h"
#include "storage/inflating_image.h"
#include "storage/storage_fixtures.h"

namespace {
// Large enough to arrive in several pieces: many objects, and a picture-sized resource
// that does not compress.
std::string LargeImage() {
  TQuarrionCanvas canvas;
  BuildRichDocument(canvas);
  for (int i = 0; i < 6000; ++i) {
    canvas.SetPage(i % canvas.PageCount());
    canvas.Add(std::make_unique<TPDFRectangle>(i % 400, i % 300, i % 400 + 20, i % 300 + 9));
  }
  std::string noise(150000, '\0');
  std::uint32_t seed = 7;
  for (auto& c : noise) c = char((seed = seed * 1664525u + 1013904223u) >> 24);
  canvas.Resources.Add("noise", noise);
  return ImageOf(canvas);
}

std::string Envelope(const std::string& image, const std::string& stream) {
  return EnvelopeOf(std::uint32_t(image.size()), stream);
}

// The outcome of inflating the whole image first and parsing it afterwards.
std::string WholeThenParsed(const std::string& content) {
  try {
    std::string image = DecodeDocumentContent(content);
    TQuarrionCanvas canvas;
    ReadDocumentImage(image, canvas, BuiltinRegistry(), {});
    return "loaded " + ImageOf(canvas);
  } catch (const std::exception& e) {
    return e.what();
  }
}

std::string Loaded(std::string content) {
  ScrambleBytes(content);
  TQuarrionCanvas canvas;
  TFileResult r = LoadDocumentFromBytes(canvas, content, BuiltinRegistry(), "f.qsl");
  return r.Ok() ? "loaded " + ImageOf(canvas) : r.Message;
}

void ExpectSameOutcome(const std::string& content, const std::string& what) {
  const std::string expected = WholeThenParsed(content);
  const std::string got = Loaded(content);
  EXPECT_TRUE(got == expected) << what << ": got \"" << got.substr(0, 120) << "\", expected \""
                               << expected.substr(0, 120) << "\"";
}
}  // namespace

TEST(InflatingImage, DamageAnywhereEndsAsIfInflatedFirst) {
  const std::string image = LargeImage();
  ASSERT_GT(image.size(), 4u * 64 * 1024) << "the image must arrive in several pieces";
  const std::string stream = CompressString(image);
  ExpectSameOutcome(Envelope(image, stream), "intact");
  // The first piece is inflated before the worker starts: damage in it as well.
  const std::size_t early[] = {3, 40, 900};
  for (std::size_t i = 1; i < 12 + std::size(early); ++i) {
    const std::size_t at = i < 12 ? stream.size() * i / 12 : early[i - 12];
    ExpectSameOutcome(Envelope(image, stream.substr(0, at)), "stream cut at " + std::to_string(at));
    std::string flipped = stream;
    flipped[at] = char(~flipped[at]);
    ExpectSameOutcome(Envelope(image, flipped), "stream byte flipped at " + std::to_string(at));
  }
  std::string wrongCheck = stream;
  wrongCheck.back() ^= 1;
  ExpectSameOutcome(Envelope(image, wrongCheck), "check value damaged");
  ASSERT_NE(Loaded(Envelope(image, wrongCheck)).find("incorrect data check"), std::string::npos);
  // The image damaged near its start, where the reader stops long before the stream ends;
  // with the stream intact, and with the stream cut or damaged further on as well.
  const std::size_t firstObject = kHeaderSize + 76 * std::size_t(std::uint8_t(image[4])) + 85;
  for (std::size_t at : {std::size_t(2), std::size_t(70), firstObject, firstObject + 1, image.size() / 2}) {
    std::string damaged = image;
    damaged[at] = char(0xC8);
    const std::string damagedStream = CompressString(damaged);
    const std::string where = "image damaged at " + std::to_string(at);
    ExpectSameOutcome(Envelope(damaged, damagedStream), where);
    ExpectSameOutcome(Envelope(damaged, damagedStream.substr(0, damagedStream.size() - 40)),
                      where + ", stream cut");
    std::string bad = damagedStream;
    bad[bad.size() * 3 / 4] ^= 0x55;
    ExpectSameOutcome(Envelope(damaged, bad), where + ", stream damaged");
  }
  // Announced lengths the stream does not have, or cannot have.
  ExpectSameOutcome(Envelope(image + "x", stream), "announced one byte long");
  ExpectSameOutcome(Envelope(image.substr(0, image.size() - 1), stream), "announced one byte short");
  ExpectSameOutcome(EnvelopeOf(0xFFFFFFF0, stream), "announced far too long");
}

TEST(InflatingImage, DeliversTheWholeImageInPieces) {
  const std::string image = LargeImage();
  const std::string stream = CompressString(image);
  TInflatingImage inflating(stream, image.size());
  std::size_t ready = 0;
  while (ready < image.size()) {
    const std::size_t more = inflating.WaitBeyond(ready);
    ASSERT_GT(more, ready) << "a wait returns only with more bytes, or at the end";
    ready = more;
  }
  EXPECT_EQ(inflating.WaitBeyond(ready), ready) << "at the end a wait returns at once";
  EXPECT_NO_THROW(inflating.Finish());
  EXPECT_TRUE(inflating.Image() == image);
}

TEST(InflatingImage, AReaderLeftEarlyStillGetsTheStreamsDamage) {
  const std::string image = LargeImage();
  std::string stream = CompressString(image);
  stream.resize(stream.size() / 2);
  TInflatingImage inflating(stream, image.size());
  ByteReader in = inflating.Reader();
  in.Skip(4, "magic");  // the reader reads a little and gives up
  try {
    inflating.Finish();
    FAIL() << "a cut stream must fail";
  } catch (const FormatError& e) {
    EXPECT_NE(std::string(e.what()).find("compressed data holds"), std::string::npos) << e.what();
  }
}
