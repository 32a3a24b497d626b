// The recent-file list: its length rule and the File-menu captions.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/mru.h"

namespace {
std::vector<std::string> Paths(int count) {
  std::vector<std::string> paths;
  for (int i = 1; i <= count; ++i) paths.push_back("/home/u/deck" + std::to_string(i) + ".qsl");
  return paths;
}

TEST(TMRU, KeepsMaxCountMinusOneMostRecentFirst) {
  struct Case {
    int MaxCount, Added;
    std::size_t Kept;
  };
  for (const Case c : {Case{10, 12, 9}, Case{10, 9, 9}, Case{10, 3, 3}, Case{3, 5, 2},
                       Case{2, 5, 1}, Case{1, 5, 0}, Case{0, 5, 0}, Case{-128, 5, 0}}) {
    TMRU mru;
    mru.MaxCount = std::int8_t(c.MaxCount);
    const auto paths = Paths(c.Added);
    for (const auto& p : paths) mru.Add(p);
    ASSERT_EQ(mru.Files().size(), c.Kept) << c.MaxCount << " " << c.Added;
    for (std::size_t i = 0; i < c.Kept; ++i) EXPECT_EQ(mru.Files()[i], paths[c.Added - 1 - i]);
  }
}

TEST(TMRU, AddingAListedPathMovesItToTheTop) {
  TMRU mru;
  for (const char* p : {"/a.qsl", "/b.qsl", "/c.qsl"}) mru.Add(p);
  mru.Add("/a.qsl");
  EXPECT_EQ(mru.Files(), (std::vector<std::string>{"/a.qsl", "/c.qsl", "/b.qsl"}));
  mru.Add("/A.qsl");  // another file on this system
  EXPECT_EQ(mru.Files().size(), 4u);
  mru.Clear();
  EXPECT_TRUE(mru.Files().empty());
  EXPECT_TRUE(mru.MenuEntries().empty());
}

TEST(TMRU, CaptionsCountOneToNineZeroThenLetters) {
  const std::string accelerators = "1234567890ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  TMRU mru;
  mru.MaxCount = 127;
  const auto paths = Paths(40);
  for (const auto& p : paths) mru.Add(p);
  const std::vector<MRUMenuEntry> entries = mru.MenuEntries();
  ASSERT_EQ(entries.size(), 40u);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const std::string name = "deck" + std::to_string(40 - i) + ".qsl";
    // Past the 36th entry there is no accelerator left: the name alone.
    const std::string expected =
        i < 36 ? std::string("&") + accelerators[i] + " " + name : name;
    EXPECT_EQ(entries[i].Caption, expected) << i;
    EXPECT_EQ(entries[i].Hint, paths[39 - i]);
  }
}

TEST(TMRU, CaptionShowsTheFileNameAsItIs) {
  struct Case {
    const char* Path;
    const char* Caption;
  };
  for (const Case c : {Case{"/home/u/R&D/Q&A.qsl", "&1 Q&&A.qsl"}, Case{"plain.qsl", "&1 plain.qsl"},
                       Case{"/dir/", "&1 "}, Case{"/a b/c d.qsl", "&1 c d.qsl"}}) {
    TMRU mru;
    mru.Add(c.Path);
    EXPECT_EQ(mru.MenuEntries().at(0).Caption, c.Caption);
    EXPECT_EQ(mru.MenuEntries().at(0).Hint, c.Path);
  }
}
}  // namespace
