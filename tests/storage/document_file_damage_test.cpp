// Damaged files and failed saves: each ends cleanly and leaves what was there before.
#include <gtest/gtest.h>

#include <cerrno>

#include "objects/rectangle.h"
#include "base/atomic_file_writer.h"
#include "storage/document_file.h"
#include "base/file_helpers.h"
#include "storage/storage_fixtures.h"

namespace {
std::string Scrambled(std::string bytes) {
  ScrambleBytes(bytes);
  return bytes;
}

// A small valid image: one rectangle on the second of two pages, one resource.
std::string SmallImage() {
  TQuarrionCanvas canvas;
  canvas.AddPage(1, true, false);
  for (auto& page : canvas.Pages()) page.Title = page.MinorEntry = "";
  canvas.Add(std::make_unique<TPDFRectangle>(1, 2, 30, 40));
  canvas.Resources.Add("pic", "PICTURE");
  return ImageOf(canvas);
}

// Loads `fileBytes` into a document that already holds something and checks that a
// failure left it exactly as it was.
TFileResult LoadOver(const std::string& fileBytes, std::vector<std::string>* log = nullptr) {
  TQuarrionCanvas canvas;
  BuildRichDocument(canvas);
  canvas.Undoable = true;
  canvas.SetPage(1);
  canvas.AddToSelection(0);
  canvas.StartUndo();
  canvas.EndUndo();
  std::string before = ImageOf(canvas);
  int nextID = canvas.NextObjectID;
  auto result = LoadDocumentFromBytes(canvas, fileBytes, BuiltinRegistry(), "f.qsl",
                                      [log](const std::string& s) {
                                        if (log) log->push_back(s);
                                      });
  if (!result.Ok()) {
    EXPECT_EQ(ImageOf(canvas), before);
    EXPECT_EQ(canvas.NextObjectID, nextID);
    EXPECT_TRUE(canvas.UndoPossible()) << "a failed load keeps the undo history";
    EXPECT_EQ(canvas.Page(), 1);
  }
  return result;
}
}  // namespace

TEST(DocumentFileDamage, EveryKindOfDamageFailsWithAReason) {
  const std::string good = SmallImage();
  const std::size_t objectAt = 70 + 2 * 76 + 85;
  ASSERT_EQ(good[objectAt], 1) << "a rectangle record";
  std::string unregistered = good;
  unregistered[objectAt] = char(200);
  std::string shortObject = good;  // the object string ends before its fields do
  shortObject[objectAt + 1] = 5;
  shortObject.erase(objectAt + 4 + 5, (std::uint8_t(good[objectAt + 1])) - 5);
  std::string longObject = good;  // a length running past the end
  longObject[objectAt + 3] = char(0x7F);
  std::string noPages = good;
  noPages[4] = 0;
  std::string farPage = good;  // the object names page 3 of 2 (its PageIndex byte)
  farPage[objectAt + 4 + 1 + 8 + 1 + 4] = 2;
  std::string z = CompressString(good);
  const struct {
    const char* what;
    std::string file;  // before the byte substitution
    const char* reason;
  } cases[] = {
      {"empty file", "", "Wrong file type"},
      {"wrong magic", "QSL\x02" + good.substr(4), "Wrong file type"},
      {"other file", "%PDF-1.1\n", "Wrong file type"},
      {"short GZIP is parsed raw", std::string("GZIP\x05\0\0\0", 8), "Wrong file type"},
      {"cut in the header", good.substr(0, 50), "master"},
      {"cut in a page record", good.substr(0, 100), "page"},
      {"cut in the document record", good.substr(0, 70 + 152 + 40), "document"},
      {"cut in an object record", good.substr(0, objectAt + 10), "object"},
      {"cut in a resource", good.substr(0, good.size() - 3), "resource"},
      {"no pages", noPages, "no pages"},
      {"unregistered class", unregistered, "unregistered class ID 200"},
      {"object string ends early", shortObject, "object 1 (class 1) is damaged"},
      {"object length past the end", longObject, "object data"},
      {"object on a missing page", farPage, "names page 3 of 2"},
      // Damaged framing is reported before a damaged object that comes earlier.
      {"unregistered class, then a cut resource", unregistered.substr(0, good.size() - 3), "resource"},
      {"object on a missing page, then a cut resource", farPage.substr(0, good.size() - 3), "resource"},
      {"compressed content too short",
       EnvelopeOf(std::uint32_t(good.size()), z.substr(0, z.size() - 9)), "holds"},
      {"announced length too long", EnvelopeOf(std::uint32_t(good.size() + 1), z), "holds"},
      {"announced length impossible", EnvelopeOf(0xFFFFFFF0, z), "too large"},
      {"announced ratio impossible", EnvelopeOf(std::uint32_t(z.size() * 2000), z), "cannot come from"},
      {"damaged stream", EnvelopeOf(std::uint32_t(good.size()), "\x78\xDA\xFF\xFF\xFF\xFF"), "damaged"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> log;
    auto r = LoadOver(Scrambled(c.file), &log);
    EXPECT_EQ(r.Bytes, -1) << c.what;
    EXPECT_NE(r.Message.find(c.reason), std::string::npos) << c.what << ": " << r.Message;
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back(), "Load failed") << c.what;
  }
  EXPECT_TRUE(LoadOver(Scrambled(good)).Ok());
}

TEST(DocumentFileDamage, EveryTruncationAndByteFlipEndsCleanly) {
  const std::string good = SmallImage();
  for (std::size_t n = 0; n < good.size(); ++n) LoadOver(Scrambled(good.substr(0, n)));
  for (std::size_t i = 0; i < good.size(); i += 3) {
    std::string flipped = good;
    flipped[i] = char(~flipped[i]);
    LoadOver(Scrambled(flipped));
  }
}

TEST(DocumentFileDamage, FailedSaveLeavesThePreviousFileAndNoTemporaryFile) {
  enum Fault { OpenFails, WriteFails, DiskFull, SyncFails, RenameFails };
  struct Faulty : FileSystemOps {
    Fault fault;
    int writes = 0;
    int CreateExclusive(const std::string& p) override {
      return fault == OpenFails ? (errno = EACCES, -1) : FileSystemOps::CreateExclusive(p);
    }
    ssize_t Write(int fd, const char* d, std::size_t n) override {
      ++writes;
      if (fault == WriteFails && writes == 2) return (errno = EIO, -1);
      if (fault == DiskFull && writes >= 2) return (errno = ENOSPC, -1);
      return FileSystemOps::Write(fd, d, n);
    }
    int Sync(int fd) override { return fault == SyncFails ? (errno = EIO, -1) : FileSystemOps::Sync(fd); }
    int Rename(const std::string& a, const std::string& b) override {
      return fault == RenameFails ? (errno = EIO, -1) : FileSystemOps::Rename(a, b);
    }
  };
  TQuarrionCanvas canvas;
  BuildRichDocument(canvas);
  std::string noise(50000, '\0');  // incompressible: the file takes several blocks
  std::uint32_t seed = 1;
  for (auto& c : noise) c = char((seed = seed * 1664525u + 1013904223u) >> 24);
  canvas.Resources.Add("big", noise);
  for (Fault f : {OpenFails, WriteFails, DiskFull, SyncFails, RenameFails}) {
    TempDir dir;
    std::string path = dir.File("deck.qsl");
    WriteRaw(path, "the previous document");
    Faulty ops;
    ops.fault = f;
    ScopedFileSystemOps scope(ops);
    std::vector<std::string> log;
    auto r = SaveDocument(canvas, path, BuiltinRegistry(), [&](const std::string& s) { log.push_back(s); });
    EXPECT_EQ(r.Bytes, -1) << f;
    EXPECT_FALSE(r.Message.empty()) << f;
    EXPECT_EQ(log.back(), "Save failed") << f;
    EXPECT_EQ(ReadRaw(path), "the previous document") << f;
    EXPECT_EQ(dir.List(), std::vector<std::string>{"deck.qsl"}) << f;
  }
}

TEST(DocumentFileDamage, SavesThatWouldLoseDataStopWithAMessage) {
  const struct {
    const char* what;
    void (*prepare)(TQuarrionCanvas&);
    const char* reason;
  } cases[] = {
      // The canvas refuses a 256th page; one put in past it still stops the save.
      {"256 pages",
       [](TQuarrionCanvas& c) {
         c.SetPageCount(TQuarrionCanvas::MaxPages);
         c.Pages().emplace_back();
       },
       "256 pages"},
      {"long title", [](TQuarrionCanvas& c) { c.CurrentPage().Title.assign(65536, 't'); },
       "title of page 1 is 65536 bytes"},
      {"long author", [](TQuarrionCanvas& c) { c.DocumentInfo.Author.assign(70000, 'a'); },
       "author"},
      {"long resource name", [](TQuarrionCanvas& c) { c.Resources.Add(std::string(256, 'n'), "x"); },
       "256 bytes long"},
      {"huge resource", [](TQuarrionCanvas& c) { c.Resources.Add("r", std::string(1 << 24, 'x')); },
       "size of resource"},
      {"page too wide", [](TQuarrionCanvas& c) { c.PageWidth = 1 << 24; }, "page width"},
      {"negative height", [](TQuarrionCanvas& c) { c.PageHeight = -1; }, "page height"},
  };
  for (const auto& c : cases) {
    TempDir dir;
    std::string path = dir.File("deck.qsl");
    WriteRaw(path, "previous");
    TQuarrionCanvas canvas;
    c.prepare(canvas);
    std::vector<std::string> log;
    auto r = SaveDocument(canvas, path, BuiltinRegistry(), [&](const std::string& s) { log.push_back(s); });
    EXPECT_EQ(r.Bytes, -1) << c.what;
    EXPECT_NE(r.Message.find(c.reason), std::string::npos) << c.what << ": " << r.Message;
    EXPECT_EQ(log.back(), "Save failed");
    EXPECT_EQ(ReadRaw(path), "previous") << c.what;
  }
  // 255 pages is the most the format holds, and it holds them faithfully.
  TQuarrionCanvas most;
  most.SetPageCount(255);
  most.SetPage(254);
  TQuarrionCanvas loaded;
  EXPECT_EQ(ReloadedImage(most, loaded), ImageOf(most));
  EXPECT_EQ(loaded.PageCount(), 255);
  EXPECT_EQ(loaded.Page(), 254);
}

TEST(DocumentFileDamage, UnregisteredOrShadowedClassesAreNotSaved) {
  struct Plugin : TPDFRectangle {
    using TPDFRectangle::TPDFRectangle;
  };
  TQuarrionCanvas canvas;
  canvas.Add(std::make_unique<Plugin>(0, 0, 5, 5));
  TempDir dir;
  auto r = SaveDocument(canvas, dir.File("a.qsl"), BuiltinRegistry());
  EXPECT_NE(r.Message.find("not registered"), std::string::npos) << r.Message;
  // Registered after a class with the same ID, it would come back as that class.
  TLookupTableManager shadowed;
  RegisterBuiltinClasses(shadowed);
  shadowed.Register<Plugin>();
  r = SaveDocument(canvas, dir.File("a.qsl"), shadowed);
  EXPECT_EQ(r.Bytes, -1);
  EXPECT_TRUE(dir.List().empty());
}

TEST(DocumentFileDamage, UnwritableTargetFailsBeforeAnyProgress) {
  TempDir dir;
  std::vector<std::string> log;
  TQuarrionCanvas canvas;
  auto progress = [&](const std::string& s) { log.push_back(s); };
  auto r = SaveDocument(canvas, dir.Path(), BuiltinRegistry(), progress);  // a folder
  EXPECT_EQ(r.Bytes, -1);
  r = SaveDocument(canvas, dir.File("none/x.qsl"), BuiltinRegistry(), progress);
  EXPECT_EQ(r.Bytes, -1);
  EXPECT_TRUE(log.empty());
  auto l = LoadDocument(canvas, dir.File("absent.qsl"), BuiltinRegistry(), progress);
  EXPECT_EQ(l.Bytes, -1);
  EXPECT_NE(l.Message.find("absent.qsl"), std::string::npos);
  EXPECT_EQ(log, (std::vector<std::string>{"Initiating load ...", "Load failed"}));
}
