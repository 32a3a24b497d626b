#include "model/resource_manager.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <set>

#include <sys/stat.h>

#include "base/atomic_file_writer.h"
#include "model/picture_decoder.h"
#include "storage/storage_fixtures.h"

namespace {
// Points the store's temporary folder into a test folder for the test's duration.
class ScopedTmpDir {
 public:
  explicit ScopedTmpDir(const std::string& dir) {
    const char* old = std::getenv("TMPDIR");
    had_ = old != nullptr;
    if (had_) old_ = old;
    ::setenv("TMPDIR", dir.c_str(), 1);
  }
  ~ScopedTmpDir() {
    if (had_) ::setenv("TMPDIR", old_.c_str(), 1);
    else ::unsetenv("TMPDIR");
  }

 private:
  bool had_ = false;
  std::string old_;
};

std::vector<std::string> Names(const TResourceManager& store) {
  std::vector<std::string> names;
  for (int i = 0; i < store.Count(); ++i) names.push_back(store.Entry(i).Name);
  return names;
}
}  // namespace

TEST(ResourceManager, EntriesKeepInsertionOrderAndReplaceByName) {
  TResourceManager store;
  store.Add("a", "1");
  store.Add("b", "2");
  store.Add("c", "3");
  store.Add("b", "two");  // same name: same position, new data
  EXPECT_EQ(Names(store), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(store.GetData("b"), "two");
  EXPECT_EQ(store.GetDataByIndex(2), "3");
  EXPECT_EQ(store.IndexOf("B"), -1);  // names are case-sensitive
  EXPECT_EQ(store.GetData("zz"), "");
  EXPECT_EQ(store.GetDataByIndex(3), "");
  EXPECT_EQ(store.GetDataByIndex(-1), "");
  store.Delete(7);
  store.Delete(-1);
  store.Remove("nothing");
  EXPECT_EQ(store.Count(), 3);
  store.Remove("a");
  EXPECT_EQ(Names(store), (std::vector<std::string>{"b", "c"}));
  EXPECT_EQ(store.IndexOf("c"), 1);  // later entries moved down
  store.Add("a", "again");
  EXPECT_EQ(store.IndexOf("a"), 2);
  store.Clear();
  EXPECT_TRUE(store.Empty());
  EXPECT_EQ(store.IndexOf("b"), -1);
}

TEST(ResourceManager, TemporaryFilesArePrivateWrittenOnceAndRemoved) {
  TempDir tmp;
  ScopedTmpDir scope(tmp.Path());
  std::string folder, first;
  {
    TResourceManager store;
    store.Add("/home/u/pic.jpg", "JPEG1");
    EXPECT_TRUE(tmp.List().empty()) << "no folder before a file is needed";
    EXPECT_EQ(store.GetFileName("/not/stored.png"), "/not/stored.png");
    EXPECT_TRUE(tmp.List().empty()) << "an unknown name writes nothing";

    first = store.GetFileName("/home/u/pic.jpg");
    folder = store.Folder();
    EXPECT_EQ(first, folder + "/_home_u_pic.jpg");
    EXPECT_EQ(ReadRaw(first), "JPEG1");
    struct stat st;
    ASSERT_EQ(::stat(folder.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    EXPECT_EQ(folder.rfind(tmp.Path() + "/QrrnRes-", 0), 0u) << folder;

    WriteRaw(first, "changed on disk");  // a second request does not write again
    EXPECT_EQ(store.GetFileName("/home/u/pic.jpg"), first);
    EXPECT_EQ(ReadRaw(first), "changed on disk");

    store.Add("/home/u/pic.jpg", "JPEG2");  // replacing forgets the old file
    EXPECT_FALSE(std::filesystem::exists(first));
    std::string second = store.GetFileName("/home/u/pic.jpg");
    EXPECT_EQ(ReadRaw(second), "JPEG2");
    store.Remove("/home/u/pic.jpg");
    EXPECT_FALSE(std::filesystem::exists(second));
    store.Add("x", "y");
    store.GetFileName("x");
  }
  EXPECT_FALSE(std::filesystem::exists(folder)) << "the store removes its folder and files";
}

TEST(ResourceManager, NamesThatShareASafeNameKeepTheirOwnData) {
  TempDir tmp;
  ScopedTmpDir scope(tmp.Path());
  TResourceManager store;
  const std::vector<std::string> names = {"a/b.png", "a_b.png", "a:b.png", "a\\b.png",
                                          std::string("a\0b.png", 7), "..", "."};
  for (const auto& n : names) store.Add(n, "data of " + n);
  std::set<std::string> paths;
  for (const auto& n : names) {
    std::string path = store.GetFileName(n);
    EXPECT_EQ(path.rfind(store.Folder() + "/", 0), 0u) << path;
    EXPECT_EQ(ReadRaw(path), "data of " + n) << path;
    paths.insert(path);
  }
  EXPECT_EQ(paths.size(), names.size());
}

TEST(ResourceManager, MoveHandsOverEntriesAndFiles) {
  TempDir tmp;
  ScopedTmpDir scope(tmp.Path());
  TResourceManager a, b;
  a.Add("one", "1");
  std::string aFile = a.GetFileName("one");
  b.Add("two", "2");
  std::string bFile = b.GetFileName("two");
  a = std::move(b);
  EXPECT_FALSE(std::filesystem::exists(aFile)) << "the replaced store's files are gone";
  EXPECT_EQ(Names(a), std::vector<std::string>{"two"});
  EXPECT_EQ(a.GetFileName("two"), bFile);
  EXPECT_TRUE(b.Empty());
  EXPECT_TRUE(b.Folder().empty());
}

TEST(ResourceManager, UnwritableTemporaryFileRaisesResourceFailed) {
  struct RefuseOpen : FileSystemOps {
    int CreateExclusive(const std::string&) override {
      errno = ENOSPC;
      return -1;
    }
  } ops;
  TempDir tmp;
  ScopedTmpDir scope(tmp.Path());
  TResourceManager store;
  store.Add("pic.png", "PNG");
  ScopedFileSystemOps fail(ops);
  try {
    store.GetFileName("pic.png");
    FAIL() << "no error raised";
  } catch (const ResourceIOError& e) {
    EXPECT_STREQ(e.what(), "Resource pic.png failed");
  }
  EXPECT_TRUE(store.Entry(0).FileName.empty());
}

namespace {
// "Decodes" any non-empty data into one pixel of the first byte's value, and counts.
class CountingDecoder : public PictureDecoder {
 public:
  bool Decode(std::string_view bytes, TDecodedPicture& out, std::size_t) const override {
    ++Calls;
    out = TDecodedPicture{};
    if (bytes.empty()) return false;
    out.Bitmap = TBitmap(1, 1, TColor(std::uint8_t(bytes[0])));
    out.Format = TPictureFormat::Bitmap;
    return true;
  }
  mutable int Calls = 0;
};

// The decoded pixel, or 0xFFFFFFFF when the entry did not decode.
TColor PixelOf(TResourceManager& store, std::string_view name, const PictureDecoder& decoder) {
  TDecodedPicture picture;
  return store.DecodePicture(name, decoder, picture) ? picture.Bitmap.Pixels()[0] : TColor(0xFFFFFFFF);
}
}  // namespace

// While a document is read, a picture shown by many images is decoded once; a changed or
// removed entry is decoded afresh, and nothing is remembered once reading ends.
TEST(ResourceManager, DecodedPicturesAreRememberedOnlyWhileAsked) {
  CountingDecoder decoder, other;
  TResourceManager store;
  store.Add("a.bmp", "A");
  store.Add("b.bmp", "B");
  store.Add("bad.bmp", "");
  const struct Step {
    const char* what;
    std::function<void()> before;
    const char* name;
    TColor pixel;
    int calls;  // decoder calls so far
  } steps[] = {
      {"not remembering: each request decodes", [] {}, "a.bmp", 'A', 1},
      {"not remembering: again", [] {}, "a.bmp", 'A', 2},
      {"remembering: the first request decodes", [&] { store.RememberDecodedPictures(true); }, "a.bmp", 'A', 3},
      {"remembering: the same picture again", [] {}, "a.bmp", 'A', 3},
      {"remembering: each name has its own pixels", [] {}, "b.bmp", 'B', 4},
      {"remembering: the first name still has its own", [] {}, "a.bmp", 'A', 4},
      {"new data under a name is decoded afresh", [&] { store.Add("a.bmp", "C"); }, "a.bmp", 'C', 5},
      {"a removed entry has no picture", [&] { store.Remove("b.bmp"); }, "b.bmp", 0xFFFFFFFF, 5},
      {"an entry added again under a removed name", [&] { store.Add("b.bmp", "D"); }, "b.bmp", 'D', 6},
      {"after a clear nothing is left", [&] { store.Clear(); store.Add("a.bmp", "E"); }, "a.bmp", 'E', 7},
      {"undecodable data stays undecodable", [&] { store.Add("bad.bmp", ""); }, "bad.bmp", 0xFFFFFFFF, 8},
      {"and is not decoded twice either", [] {}, "bad.bmp", 0xFFFFFFFF, 8},
      {"reading ends: the pixels are forgotten", [&] { store.RememberDecodedPictures(false); }, "a.bmp", 'E', 9},
  };
  for (const Step& s : steps) {
    s.before();
    EXPECT_EQ(PixelOf(store, s.name, decoder), s.pixel) << s.what;
    EXPECT_EQ(decoder.Calls, s.calls) << s.what;
  }
  // Another decoder is never handed what the first one made.
  store.RememberDecodedPictures(true);
  EXPECT_EQ(PixelOf(store, "a.bmp", decoder), TColor('E'));
  EXPECT_EQ(PixelOf(store, "a.bmp", other), TColor('E'));
  EXPECT_EQ(other.Calls, 1);
}
