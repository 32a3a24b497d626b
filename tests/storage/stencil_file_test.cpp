// The stencil file: its bytes, its damage rules, its limits and the built-in stencils.
#include "storage/stencil_file.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "base/atomic_file_writer.h"
#include "base/file_helpers.h"
#include "model/windows1252.h"
#include "objects/bezier.h"
#include "objects/guide.h"
#include "objects/line.h"
#include "objects/rectangle.h"
#include "storage/builtin_stencils.h"
#include "storage/storage_fixtures.h"
#include "text/text.h"

namespace {
TStencil Stencil(std::string caption, int icon, std::vector<std::unique_ptr<TPDFObject>> objects = {}) {
  TStencil s;
  s.Caption = std::move(caption);
  s.Icon = icon;
  s.Objects = std::move(objects);
  return s;
}

std::vector<std::unique_ptr<TPDFObject>> Objects(int count) {
  std::vector<std::unique_ptr<TPDFObject>> v;
  for (int i = 0; i < count; ++i) v.push_back(std::make_unique<TPDFRectangle>(i, i, i + 5, i + 5));
  return v;
}

// The framing written out by hand around an object's saved string.
std::string Record(std::uint8_t id, const TPDFObject& obj) {
  std::string data = obj.SaveToString();
  std::string r(1, char(id));
  r += char(data.size() & 0xFF);
  r += char((data.size() >> 8) & 0xFF);
  r += char(data.size() >> 16);
  return r + data;
}

const std::string kHeader = std::string("QST\x01\x10", 5) + "Default Stencils";

// The built-in stencils followed by "Box" (a rectangle and a line) and an empty "Empty".
std::vector<TStencil> PanelWithTwoUserStencils() {
  std::vector<TStencil> panel = MakeBuiltinStencils();
  std::vector<std::unique_ptr<TPDFObject>> box;
  box.push_back(std::make_unique<TPDFRectangle>(10, 20, 30, 40));
  box.push_back(std::make_unique<TPDFLine>(1, 2, 3, 4));
  panel.push_back(Stencil("Box", 4, std::move(box)));
  panel.push_back(Stencil("Empty", 0));
  return panel;
}

std::vector<std::string> Captions(const std::vector<TStencil>& stencils) {
  std::vector<std::string> c;
  for (const auto& s : stencils) c.push_back(s.Caption);
  return c;
}
}  // namespace

TEST(StencilFile, BytesOfAKnownSetAreWrittenByHand) {
  std::vector<TStencil> panel = PanelWithTwoUserStencils();
  const auto& box = panel[kBuiltinStencilCount].Objects;
  std::string expected = kHeader + "\x03" "Box" "\x04\x02" + Record(1, *box[0]) + Record(2, *box[1]) +
                         std::string("\x05" "Empty" "\x00\x00", 8);
  EXPECT_EQ(WriteStencilImage(panel, BuiltinRegistry()), expected);

  // On disk the whole file goes through the byte substitution: "QST", 1 become 17, 19, 20, "A".
  TempDir dir;
  TFileResult r = SaveStencilFile(dir.File("default.stn"), panel, BuiltinRegistry());
  ASSERT_TRUE(r.Ok()) << r.Message;
  std::string file = ReadRaw(dir.File("default.stn"));
  EXPECT_EQ(r.Bytes, static_cast<long long>(expected.size()));
  EXPECT_EQ(file.substr(0, 5), std::string("\x11\x13\x14" "AP", 5));
  ScrambleBytes(file);
  EXPECT_EQ(file, expected);
}

TEST(StencilFile, UserStencilsReloadAfterTheBuiltInOnes) {
  TempDir dir;
  std::vector<TStencil> panel = PanelWithTwoUserStencils();
  ASSERT_TRUE(SaveStencilFile(dir.File("default.stn"), panel, BuiltinRegistry()).Ok());

  std::vector<TStencil> loaded = MakeBuiltinStencils();
  TFileResult r = LoadStencilFile(dir.File("default.stn"), BuiltinRegistry(), loaded);
  ASSERT_TRUE(r.Ok()) << r.Message;
  ASSERT_EQ(loaded.size(), panel.size());
  for (std::size_t i = 0; i < loaded.size(); ++i) {
    EXPECT_EQ(loaded[i].Caption, panel[i].Caption);
    EXPECT_EQ(loaded[i].Icon, panel[i].Icon);
    EXPECT_EQ(loaded[i].BuiltIn, i < kBuiltinStencilCount);
    ASSERT_EQ(loaded[i].Objects.size(), panel[i].Objects.size()) << i;
    for (std::size_t k = 0; k < loaded[i].Objects.size(); ++k) {
      EXPECT_EQ(loaded[i].Objects[k]->ClassID(), panel[i].Objects[k]->ClassID());
      EXPECT_EQ(loaded[i].Objects[k]->SaveToString(), panel[i].Objects[k]->SaveToString());
    }
  }
  EXPECT_TRUE(loaded.back().Objects.empty());
}

TEST(StencilFile, DamageKeepsTheStencilsReadBeforeIt) {
  std::vector<TStencil> two;
  two.push_back(Stencil("One", 1, Objects(1)));
  two.push_back(Stencil("Two", 2, Objects(2)));
  const std::string good = WriteStencilImage(two, BuiltinRegistry());
  const std::size_t second = good.find("\x03Two");
  ASSERT_NE(second, std::string::npos);
  std::string unregistered = good;
  unregistered[second + 6] = char(99);  // the class ID of the second stencil's first record
  std::string longRecord = good;
  longRecord[second + 8] = char(0x7F);  // a record longer than the file
  struct Case {
    const char* what;
    std::string image;
    std::vector<std::string> kept;
    const char* reason;
  } cases[] = {
      {"whole file", good, {"One", "Two"}, ""},
      {"cut inside a record", good.substr(0, good.size() - 3), {"One"},
       "stencil 2 of the file is damaged: data ends inside object data"},
      {"cut after the caption", good.substr(0, second + 4), {"One"}, "stencil icon"},
      {"cut inside the caption", good.substr(0, second + 2), {"One"}, "stencil caption"},
      {"unregistered class", unregistered, {"One"}, "unregistered class ID 99"},
      {"record past the end", longRecord, {"One"}, "object data"},
      {"damage in the first stencil", good.substr(0, kHeader.size() + 6), {},
       "stencil 1 of the file is damaged"},
      {"wrong magic", "QSL" + good.substr(3), {}, "not a stencil file"},
      {"wrong version", "QST\x02" + good.substr(4), {}, "not a stencil file"},
      {"cut package name", good.substr(0, 10), {}, "package name"},
  };
  for (const Case& c : cases) {
    std::vector<TStencil> into = MakeBuiltinStencils();
    TFileResult r = ReadStencilImage(c.image, BuiltinRegistry(), into);
    std::vector<std::string> expected = Captions(MakeBuiltinStencils());
    expected.insert(expected.end(), c.kept.begin(), c.kept.end());
    EXPECT_EQ(Captions(into), expected) << c.what;
    EXPECT_EQ(r.Ok(), std::string(c.reason).empty()) << c.what;
    EXPECT_NE(r.Message.find(c.reason), std::string::npos) << c.what << ": " << r.Message;
  }
}

TEST(StencilFile, MissingFileLoadsNothingAndUnreadableFileFails) {
  TempDir dir;
  std::vector<TStencil> into;
  TFileResult missing = LoadStencilFile(dir.File("default.stn"), BuiltinRegistry(), into);
  EXPECT_TRUE(missing.Ok()) << missing.Message;
  EXPECT_EQ(missing.Bytes, 0);
  EXPECT_TRUE(into.empty());
  // A folder in the file's place cannot be read; that must not pass for "no stencils".
  std::filesystem::create_directory(dir.File("folder.stn"));
  TFileResult unreadable = LoadStencilFile(dir.File("folder.stn"), BuiltinRegistry(), into);
  EXPECT_FALSE(unreadable.Ok());
  EXPECT_FALSE(unreadable.Message.empty());
}

TEST(StencilFile, LimitsAreRefusedBeforeAnythingIsWritten) {
  struct Case {
    const char* what;
    TStencil stencil;
    const char* reason;  // empty when the stencil fits
  };
  std::vector<Case> cases;
  cases.push_back({"255-byte caption", Stencil(std::string(255, 'c'), 0), ""});
  cases.push_back({"256-byte caption", Stencil(std::string(256, 'c'), 0), "at most 255"});
  cases.push_back({"255 objects", Stencil("Many", 0, Objects(255)), ""});
  cases.push_back({"256 objects", Stencil("Many", 0, Objects(256)), "256 objects"});
  cases.push_back({"icon 255", Stencil("Icon", 255), ""});
  cases.push_back({"icon 256", Stencil("Icon", 256), "icons are numbered 0 to 255"});
  cases.push_back({"icon -1", Stencil("Icon", -1), "icons are numbered 0 to 255"});
  TempDir dir;
  const std::string path = dir.File("default.stn");
  for (auto& c : cases) {
    WriteRaw(path, "old stencils");
    std::vector<TStencil> panel;
    panel.push_back(Stencil("Fine", 1, Objects(1)));
    panel.push_back(std::move(c.stencil));
    TFileResult r = SaveStencilFile(path, panel, BuiltinRegistry());
    bool fits = std::string(c.reason).empty();
    EXPECT_EQ(r.Ok(), fits) << c.what << ": " << r.Message;
    if (fits) {
      std::vector<TStencil> back;
      EXPECT_TRUE(LoadStencilFile(path, BuiltinRegistry(), back).Ok()) << c.what;
      EXPECT_EQ(back.size(), 2u) << c.what;
      continue;
    }
    EXPECT_NE(r.Message.find(c.reason), std::string::npos) << c.what << ": " << r.Message;
    EXPECT_EQ(ReadRaw(path), "old stencils") << c.what;
    EXPECT_EQ(dir.List(), std::vector<std::string>{"default.stn"}) << c.what;
  }
}

namespace {
// A disk that fills up at the first write.
class FullDisk : public FileSystemOps {
 public:
  ssize_t Write(int, const char*, std::size_t) override {
    errno = ENOSPC;
    return -1;
  }
};
}  // namespace

TEST(StencilFile, AFailedWriteLeavesTheOldFile) {
  TempDir dir;
  const std::string path = dir.File("default.stn");
  WriteRaw(path, "old stencils");
  FullDisk disk;
  ScopedFileSystemOps scope(disk);
  TFileResult r = SaveStencilFile(path, PanelWithTwoUserStencils(), BuiltinRegistry());
  EXPECT_FALSE(r.Ok());
  EXPECT_FALSE(r.Message.empty());
  EXPECT_EQ(ReadRaw(path), "old stencils");
}

TEST(BuiltinStencils, TheSevenStencilsOfThePanel) {
  struct Expected {
    const char* captionUtf8;
    int icon;
    std::uint8_t classId;
    TRect bounds;  // left, top, right, bottom
  } expected[] = {
      {"Text", 0, 3, {0, 0, 150, 40}},
      {"Line", 1, 2, {20, 80, 80, 80}},
      {"B\xC3\xA9zier Curve", 2, 4, {0, 0, 100, 100}},
      {"Rectangle", 3, 1, {0, 0, 100, 100}},
      {"Image", 6, 5, {0, 0, 0, 0}},
      {"Guideline", 7, 6, {40, 40, 0, 65536}},  // a horizontal guide reaches past any page
      {"Active Region", 8, 8, {40, 40, 100, 100}},
  };
  std::vector<TStencil> stencils = MakeBuiltinStencils();
  ASSERT_EQ(stencils.size(), std::size(expected));
  for (std::size_t i = 0; i < stencils.size(); ++i) {
    const TStencil& s = stencils[i];
    const Expected& e = expected[i];
    EXPECT_EQ(Windows1252ToUtf8(s.Caption), e.captionUtf8);
    EXPECT_EQ(s.Icon, e.icon) << e.captionUtf8;
    EXPECT_TRUE(s.BuiltIn);
    ASSERT_EQ(s.Objects.size(), 1u);
    const TPDFObject& o = *s.Objects[0];
    EXPECT_EQ(o.ClassID(), e.classId) << e.captionUtf8;
    if (e.classId == 5) continue;  // a picture-less image takes its placeholder's size
    EXPECT_EQ((TRect{o.Left, o.Top, o.Right, o.Bottom}), e.bounds) << e.captionUtf8;
  }
  const auto& curve = static_cast<const TPDFBezier&>(*stencils[2].Objects[0]);
  EXPECT_EQ((std::vector<int>{curve.ControlX1, curve.ControlY1, curve.ControlX2, curve.ControlY2}),
            (std::vector<int>{50, 0, 50, 100}));
  // Only the user stencils reach the file.
  EXPECT_EQ(WriteStencilImage(stencils, BuiltinRegistry()), kHeader);
}
