// Every file the program writes, with each system call behind it failing in turn: the
// caller is told, every file in the folder holds either its previous bytes or the bytes a
// successful run writes, and no temporary file is left behind.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>

#include "export/svg_export.h"
#include "export/svg_probe.h"
#include "model/quarrion_canvas.h"
#include "objects/image.h"
#include "objects/image_test_pictures.h"
#include "reliability/fault_plan.h"
#include "storage/document_file.h"
#include "model/resource_manager.h"
#include "storage/storage_fixtures.h"

namespace {
using Folder = std::map<std::string, std::string>;

std::vector<std::string> ListFolder(const std::string& dir) {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(dir)) names.push_back(e.path().filename());
  return names;
}

Folder Snapshot(const std::string& dir) {
  Folder files;
  for (const auto& name : ListFolder(dir)) files[name] = ReadRaw(dir + "/" + name);
  return files;
}

std::string Noise(std::size_t size, std::uint32_t seed) {
  std::string s(size, '\0');
  for (auto& c : s) c = char((seed = seed * 1664525u + 1013904223u) >> 24);
  return s;
}

// An operation that writes into a folder and says whether it succeeded.
struct Writer {
  const char* name;
  std::function<bool(const std::string& dir)> run;
};

// Runs `writer` once cleanly to learn the files it makes, then once per planned fault
// over a folder where those files already exist with other bytes. Returns the faults tried.
int CheckEveryFault(const Writer& writer) {
  TempDir cleanDir;
  FaultInjectingOps clean;
  {
    ScopedFileSystemOps scope(clean);
    EXPECT_TRUE(writer.run(cleanDir.Path())) << writer.name;
  }
  const Folder fresh = Snapshot(cleanDir.Path());
  EXPECT_FALSE(fresh.empty()) << writer.name;
  Folder previous;
  for (const auto& [name, bytes] : fresh) previous[name] = "previous " + name;

  const std::vector<TFault> plan = PlanFaults(clean);
  for (const TFault& fault : plan) {
    TempDir dir;
    for (const auto& [name, bytes] : previous) WriteRaw(dir.File(name), bytes);
    FaultInjectingOps ops(fault);
    bool ok;
    {
      ScopedFileSystemOps scope(ops);
      ok = writer.run(dir.Path());
    }
    const std::string where = std::string(writer.name) + ", " + fault.Describe();
    EXPECT_FALSE(ok) << where << ": the failure was not reported";
    const Folder after = Snapshot(dir.Path());
    EXPECT_NE(after, fresh) << where << ": everything was written despite the failure";
    for (const auto& [name, bytes] : after) {
      if (!previous.count(name)) {
        ADD_FAILURE() << where << ": stray file " << name;
        continue;
      }
      EXPECT_TRUE(bytes == previous.at(name) || bytes == fresh.at(name)) << where << ": " << name << " is mixed";
    }
    EXPECT_EQ(after.size(), previous.size()) << where;
  }
  return int(plan.size());
}

class WriteFaults : public ::testing::Test {
 protected:
  FixedClockScope clock;  // exports carry the date: keep it still between runs
};

TEST_F(WriteFaults, DocumentSaveAndPdfExportKeepTheOldFile) {
  TQuarrionCanvas canvas;
  BuildRichDocument(canvas);
  canvas.Resources.Add("noise", Noise(60000, 7));  // incompressible: many blocks
  std::string pdf;
  canvas.GeneratePDF(pdf);
  const Writer writers[] = {
      {"document save",
       [&](const std::string& dir) {
         auto r = SaveDocument(canvas, dir + "/deck.qsl", BuiltinRegistry());
         EXPECT_EQ(r.Ok(), r.Message.empty());
         return r.Ok();
       }},
      {"PDF export",
       [&](const std::string& dir) {
         std::string error;
         bool ok = WriteFileAtomically(dir + "/deck.pdf", pdf, &error);
         EXPECT_EQ(ok, error.empty());
         return ok;
       }},
  };
  int faults = 0;
  for (const auto& w : writers) faults += CheckEveryFault(w);
  EXPECT_GT(faults, 30);
  RecordProperty("faults", faults);
}

TEST_F(WriteFaults, SvgExportKeepsTheShowAndEachPicture) {
  TempDir pictures;
  TQuarrionCanvas canvas;
  SvgDocument(canvas, 3);
  for (int i = 0; i < 3; ++i) {
    std::string path = pictures.File("picture" + std::to_string(i) + ".png");
    WriteRaw(path, EncodePNG(NoiseBitmap(40 + 20 * i, 40)));
    SvgPlace(canvas, i, std::make_unique<TPDFImage>(10, path, 10));
  }
  const Writer svg{"SVG export", [&](const std::string& dir) {
                     std::string error;
                     TSVGExportReport report;
                     bool ok = WriteSVGExport(canvas, dir + "/show.svg", &error, &report);
                     EXPECT_EQ(ok, error.empty());
                     EXPECT_EQ(report.SideFiles.size(), ok ? 3u : report.SideFiles.size());
                     return ok;
                   }};
  EXPECT_GT(CheckEveryFault(svg), 10);
}

// The store's temporary files go to a private folder under TMPDIR; point it at a test folder.
class ScopedTmpDir {
 public:
  explicit ScopedTmpDir(const std::string& dir) {
    if (const char* old = std::getenv("TMPDIR")) old_ = old;
    ::setenv("TMPDIR", dir.c_str(), 1);
  }
  ~ScopedTmpDir() {
    if (old_.empty()) ::unsetenv("TMPDIR");
    else ::setenv("TMPDIR", old_.c_str(), 1);
  }

 private:
  std::string old_;
};

// Asks the store for a path of every entry; false at the first that fails.
bool MaterialiseAll(TResourceManager& store) {
  try {
    for (int i = 0; i < store.Count(); ++i) store.GetFileName(store.Entry(i).Name);
  } catch (const ResourceIOError&) {
    return false;
  }
  return true;
}

TEST(ResourceStoreFaults, FailedTemporaryFileIsReportedAndLeavesNothingBehind) {
  auto fill = [](TResourceManager& store) {
    for (int i = 0; i < 3; ++i) store.Add("/pics/p" + std::to_string(i) + ".png", Noise(9000 + 4000 * i, i + 1));
  };
  FaultInjectingOps clean;
  {
    TempDir tmp;
    ScopedTmpDir scope(tmp.Path());
    TResourceManager store;
    fill(store);
    ScopedFileSystemOps ops(clean);
    ASSERT_TRUE(MaterialiseAll(store));
  }
  for (const TFault& fault : PlanFaults(clean)) {
    TempDir tmp;
    ScopedTmpDir scope(tmp.Path());
    {
      TResourceManager store;
      fill(store);
      FaultInjectingOps ops(fault);
      {
        ScopedFileSystemOps failing(ops);
        EXPECT_FALSE(MaterialiseAll(store)) << fault.Describe();
      }
      // Only complete files, each known to its entry; then the next request succeeds.
      std::vector<std::string> known;
      for (int i = 0; i < store.Count(); ++i)
        if (!store.Entry(i).FileName.empty()) known.push_back(store.Entry(i).FileName);
      ASSERT_FALSE(store.Folder().empty());
      EXPECT_EQ(ListFolder(store.Folder()).size(), known.size()) << fault.Describe();
      ASSERT_TRUE(MaterialiseAll(store)) << fault.Describe();
      for (int i = 0; i < store.Count(); ++i)
        EXPECT_EQ(ReadRaw(store.Entry(i).FileName), store.Entry(i).Text) << fault.Describe();
    }
    EXPECT_TRUE(ListFolder(tmp.Path()).empty()) << fault.Describe();
  }
}
}  // namespace
