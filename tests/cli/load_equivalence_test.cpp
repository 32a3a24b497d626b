// A document read back from its file is the document that was saved: it saves to the same
// bytes, exports the same PDF and SVG, and renumbers its links the same way when slides
// move. Checked on the sample deck and on the large benchmark deck (pictures shown on many
// slides, two thousand texts with links).
#include <gtest/gtest.h>

#include <functional>

#include "bench_deck.h"
#include "base/file_helpers.h"
#include "cli/sample_deck.h"
#include "model/quarrion_canvas.h"
#include "storage/document_file.h"
#include "storage/document_image.h"
#include "storage/lookup_table_manager.h"
#include "support/fixed_clock.h"

namespace {

std::string ImageOf(TQuarrionCanvas& canvas) {
  std::string image;
  WriteDocumentImage(canvas, BuiltinClassRegistry(), image, {});
  return image;
}

// Everything a reader of the document sees from outside.
struct TOutputs {
  std::string Image, PlainPDF, CompressedPDF, SVG;
  TResources SideFiles;
};

TOutputs OutputsOf(TQuarrionCanvas& canvas) {
  TOutputs out;
  out.Image = ImageOf(canvas);
  const bool compressed = canvas.Compressed;
  canvas.Compressed = false;
  canvas.GeneratePDF(out.PlainPDF);
  canvas.Compressed = true;
  canvas.GeneratePDF(out.CompressedPDF);
  canvas.Compressed = compressed;
  canvas.GenerateSVG(out.SVG, out.SideFiles);
  return out;
}

void ExpectSameOutputs(const TOutputs& loaded, const TOutputs& built, const std::string& what) {
  EXPECT_TRUE(loaded.Image == built.Image) << what << ": the saved image differs";
  EXPECT_TRUE(loaded.PlainPDF == built.PlainPDF) << what << ": the PDF differs";
  EXPECT_TRUE(loaded.CompressedPDF == built.CompressedPDF) << what << ": the compressed PDF differs";
  EXPECT_TRUE(loaded.SVG == built.SVG) << what << ": the SVG differs";
  ASSERT_EQ(loaded.SideFiles.size(), built.SideFiles.size()) << what;
  for (std::size_t i = 0; i < built.SideFiles.size(); ++i) {
    EXPECT_EQ(loaded.SideFiles[i].Name, built.SideFiles[i].Name) << what;
    EXPECT_TRUE(loaded.SideFiles[i].Text == built.SideFiles[i].Text) << what << ": side file " << i;
  }
}

// The deck as its file holds it: the image in the envelope, bytes substituted.
std::string FileBytes(TQuarrionCanvas& canvas) {
  std::string content = EncodeDocumentContent(ImageOf(canvas));
  ScrambleBytes(content);
  return content;
}

void BuildBenchDeck(TQuarrionCanvas& canvas) { BuildCanvas(MakeBenchDeck(), canvas); }


TEST(LoadedDocument, IsTheDocumentThatWasSaved) {
  FixedClockScope clock;  // the exports carry the time they were made
  const struct {
    const char* name;
    std::function<void(TQuarrionCanvas&)> build;
  } decks[] = {{"sample deck", BuildSampleDeck}, {"benchmark deck", BuildBenchDeck}};
  for (const auto& deck : decks) {
    TQuarrionCanvas built;
    deck.build(built);
    TQuarrionCanvas loaded;
    TFileResult result = LoadDocumentFromBytes(loaded, FileBytes(built), BuiltinClassRegistry());
    ASSERT_TRUE(result.Ok()) << deck.name << ": " << result.Message;
    ExpectSameOutputs(OutputsOf(loaded), OutputsOf(built), deck.name);

    // Reversing the slides renumbers every jump, which reads the tags of texts nothing
    // has laid out or edited since the load.
    std::vector<int> reversed{0};
    for (int p = built.PageCount() - 1; p > 0; --p) reversed.push_back(p);
    for (TQuarrionCanvas* canvas : {&built, &loaded}) ASSERT_TRUE(canvas->ReorderPages(reversed)) << deck.name;
    ExpectSameOutputs(OutputsOf(loaded), OutputsOf(built), std::string(deck.name) + " with its slides reversed");
  }
}

}  // namespace
