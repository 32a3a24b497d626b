// After a save that was killed midway, the next save of that target removes the temporary
// file the writer left, and nothing else beside it.
#include "base/atomic_file_leftovers.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "base/atomic_file_writer.h"

namespace fs = std::filesystem;

namespace {
// A save killed after it wrote its temporary file: the rename and the clean-up never happen.
class KilledBeforeRename : public FileSystemOps {
 public:
  int Rename(const std::string&, const std::string&) override { return Fail(); }
  int Unlink(const std::string&) override { return Fail(); }

 private:
  static int Fail() {
    errno = EIO;
    return -1;
  }
};

struct Folder {
  Folder() {
    char pattern[] = "/tmp/leftovers-test-XXXXXX";
    path = ::mkdtemp(pattern);
  }
  ~Folder() { fs::remove_all(path); }
  std::string File(const std::string& name, const std::string& text = "x") const {
    std::ofstream(path + "/" + name) << text;
    return path + "/" + name;
  }
  std::set<std::string> Names() const {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(path)) names.insert(entry.path().filename());
    return names;
  }
  std::string path;
};
}  // namespace

TEST(AtomicFileLeftovers, ASavedTargetLosesItsOwnLeftoversOnly) {
  Folder dir;
  const std::string target = dir.File("talk.qsl", "old");
  {
    KilledBeforeRename killed;
    ScopedFileSystemOps scoped(killed);
    ASSERT_FALSE(WriteFileAtomically(target, "new"));
  }
  std::set<std::string> planted;
  for (const std::string& name : dir.Names())
    if (name != "talk.qsl") planted.insert(name);
  ASSERT_EQ(planted.size(), 1u) << "the killed save left its temporary file";

  const std::set<std::string> unrelated = {
      ".talk.qsl.tmp-ABCDEFGHIJ",     // not the writer's characters
      ".talk.qsl.tmp-abcdefghi",      // one short
      ".other.qsl.tmp-abcdefghij",    // another target's
      "talk.qsl.tmp-abcdefghij",      // not hidden
      ".talk.qsl.bak",
      "notes.txt",
  };
  for (const std::string& name : unrelated) dir.File(name);
  fs::create_directory(dir.path + "/.talk.qsl.tmp-0123456789");  // a folder of that name
  fs::create_symlink(target, dir.path + "/.talk.qsl.tmp-9876543210");

  ASSERT_TRUE(WriteFileAtomically(target, "new"));
  EXPECT_EQ(RemoveLeftoverTemporaries(target), 1);

  std::set<std::string> expected = unrelated;
  expected.insert({"talk.qsl", ".talk.qsl.tmp-0123456789", ".talk.qsl.tmp-9876543210"});
  EXPECT_EQ(dir.Names(), expected);
  std::ifstream in(target);
  std::string text;
  in >> text;
  EXPECT_EQ(text, "new");
}

TEST(AtomicFileLeftovers, TheWritersNamePattern) {
  const std::string longName(120, 'n');
  struct Case {
    std::string Name, Target;
    bool Matches;
  };
  const Case cases[] = {
      {".a.qsl.tmp-0123456789", "a.qsl", true},
      {".a.qsl.tmp-zzzzzzzzzz", "a.qsl", true},
      {".a.qsl.tmp-012345678-", "a.qsl", false},
      {".a.qsl.tmp-01234567890", "a.qsl", false},
      {".b.qsl.tmp-0123456789", "a.qsl", false},
      {"..tmp-0123456789", "", false},
      {"." + longName.substr(0, 100) + ".tmp-0123456789", longName, true},
      {"." + longName + ".tmp-0123456789", longName, false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsTemporaryNameFor(c.Name, c.Target), c.Matches) << c.Name;
}
