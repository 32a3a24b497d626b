// A document rebuilt from its own dump saves to the same bytes: nothing the file holds is
// lost on the way through JSON. Checked on the sample deck and on every document of the
// loader's fuzz corpus that loads.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "cli/cli_document.h"
#include "cli/document_json.h"
#include "cli/sample_deck.h"

namespace fs = std::filesystem;

namespace {

std::string SavedBytes(CliDocument& doc) {
  std::ostringstream out;
  EXPECT_TRUE(doc.Save("-", &out)) << doc.Error();
  return out.str();
}

// The saved bytes of `doc`, and those of the document built from its dump's text.
std::pair<std::string, std::string> SaveAndRebuild(CliDocument& doc) {
  std::string original = SavedBytes(doc);
  std::string text = DocumentToJson(doc.Canvas()).dump(2);
  CliDocument rebuilt;
  try {
    DocumentFromJson(Json::parse(text), rebuilt.Canvas());
  } catch (const JsonInputError& e) {
    ADD_FAILURE() << "build refused the dump: " << e.what();
    return {original, {}};
  }
  return {original, SavedBytes(rebuilt)};
}

TEST(CliJsonRoundTrip, SampleDeckSavesIdenticallyAfterDumpAndBuild) {
  CliDocument doc;
  BuildSampleDeck(doc.Canvas());
  // Loaded from its saved form, as a user's file would be.
  std::istringstream saved(SavedBytes(doc));
  CliDocument loaded;
  ASSERT_TRUE(loaded.Load("-", &saved)) << loaded.Error();
  auto [original, rebuilt] = SaveAndRebuild(loaded);
  EXPECT_EQ(rebuilt, original);
}

TEST(CliJsonRoundTrip, EveryLoadableCorpusDocumentSavesIdenticallyAfterDumpAndBuild) {
  int loaded = 0;
  for (const auto& entry : fs::directory_iterator(QUARRION_LOADER_CORPUS)) {
    CliDocument doc;
    if (!doc.Load(entry.path().string())) continue;
    ++loaded;
    auto [original, rebuilt] = SaveAndRebuild(doc);
    EXPECT_EQ(rebuilt, original) << entry.path().filename();
  }
  EXPECT_GE(loaded, 5);
}

}  // namespace
