// The fuzzer's seed corpus: one small valid file per registered object kind, kept current
// by this test. QUARRION_UPDATE_CORPUS=1 rewrites the seeds after a kind changes its form.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>

#include "storage/document_file.h"
#include "base/file_helpers.h"
#include "storage/storage_fixtures.h"

namespace {
const std::string kCorpus = std::string(QUARRION_SOURCE_DIR) + "/fuzz/corpus/document_loader";

std::string AsFile(std::string image) {
  ScrambleBytes(image);
  return image;
}

std::map<std::string, std::string> Seeds() {
  std::map<std::string, std::string> seeds;
  for (const auto& entry : BuiltinRegistry().Table()) {
    TQuarrionCanvas canvas;
    canvas.CurrentPage().Title = "S";
    canvas.CurrentPage().MinorEntry.clear();
    BuildSingleObjectDocument(canvas, entry);
    seeds["seed-class-" + std::to_string(entry.ID) + ".qsl"] = AsFile(ImageOf(canvas));
  }
  TQuarrionCanvas rich;
  BuildRichDocument(rich);
  rich.Resources.Remove("/pictures/one.jpg");  // keep the seeds small
  seeds["seed-rich.qsl"] = AsFile(EncodeDocumentContent(ImageOf(rich)));
  seeds["seed-rich-raw.qsl"] = AsFile(ImageOf(rich));
  return seeds;
}
}  // namespace

TEST(DocumentLoaderCorpus, SeedsCoverEveryKindAndEveryFileLoadsCleanly) {
  auto seeds = Seeds();
  if (std::getenv("QUARRION_UPDATE_CORPUS")) {
    std::filesystem::create_directories(kCorpus);
    for (const auto& [name, bytes] : seeds) WriteRaw(kCorpus + "/" + name, bytes);
  }
  for (const auto& [name, bytes] : seeds) {
    std::string path = kCorpus + "/" + name;
    ASSERT_TRUE(std::filesystem::exists(path))
        << path << " is missing: run the tests with QUARRION_UPDATE_CORPUS=1";
    TQuarrionCanvas canvas;
    auto r = LoadDocument(canvas, path, BuiltinRegistry());
    EXPECT_TRUE(r.Ok()) << name << ": " << r.Message;
  }
  // Every file of the corpus is a document that must load and then save and load back to
  // the same image (the fuzz target checks the same). A regression file that is meant to be
  // refused says so in its name ("-reject-"): it must fail with a reason and leave the
  // document that was open as it was.
  for (const auto& file : std::filesystem::directory_iterator(kCorpus)) {
    TQuarrionCanvas canvas;
    const std::string before = ImageOf(canvas);
    auto r = LoadDocument(canvas, file.path().string(), BuiltinRegistry());
    if (file.path().filename().string().find("-reject-") != std::string::npos) {
      EXPECT_FALSE(r.Ok()) << file.path();
      EXPECT_FALSE(r.Message.empty()) << file.path();
      EXPECT_EQ(ImageOf(canvas), before) << file.path();
      continue;
    }
    ASSERT_TRUE(r.Ok()) << file.path() << ": " << r.Message;
    TQuarrionCanvas again;
    EXPECT_EQ(ReloadedImage(canvas, again), ImageOf(canvas)) << file.path();
  }
}
