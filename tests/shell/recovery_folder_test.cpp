// Recovery copies: a copy is offered only once its program has gone, only to one program,
// with the original path and time that were written beside it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

#include "shell/recovery_folder.h"
#include "shell/recovery_settings.h"
#include "shell/memory_settings_store.h"

namespace fs = std::filesystem;

namespace {
struct TempFolder {
  TempFolder() {
    char pattern[] = "/tmp/recovery-test-XXXXXX";
    path = ::mkdtemp(pattern);
  }
  ~TempFolder() { fs::remove_all(path); }
  std::string path;
};

void WriteText(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

// Another program: it claims its place, writes a copy and its record, then waits until
// told to die, which it does without any clean-up, as a killed program would.
struct OtherProgram {
  OtherProgram(const std::string& folder, const std::string& original) {
    int toChild[2], fromChild[2];
    if (::pipe(toChild) != 0 || ::pipe(fromChild) != 0) std::abort();
    pid = ::fork();
    if (pid == 0) {
      TRecoveryFolder mine(folder);
      std::string error;
      if (!mine.Claim(error)) ::_exit(2);
      WriteText(mine.CopyPath(), "document");
      mine.WriteInfo(original, "2026-12-09T00:00:00Z", error);
      char c = 'r';
      if (::write(fromChild[1], &c, 1) != 1) ::_exit(3);
      if (::read(toChild[0], &c, 1) != 1) ::_exit(4);
      ::_exit(0);  // no destructor: the files stay, the kernel lets the lock go
    }
    tell = toChild[1];
    char c;
    if (::read(fromChild[0], &c, 1) != 1) std::abort();
  }
  void Kill() {
    char c = 'k';
    if (::write(tell, &c, 1) != 1) std::abort();
    int status = 0;
    ::waitpid(pid, &status, 0);
  }
  pid_t pid;
  int tell;
};
}  // namespace

TEST(RecoveryFolder, CopiesOfARunningProgramAreNeverTaken) {
  TempFolder temp;
  const std::string folder = temp.path + "/data/recovery";
  OtherProgram other(folder, "/home/me/My talk\nwith a line break.qsl");

  TRecoveryFolder first(folder), second(folder);
  std::string error;
  ASSERT_TRUE(first.Claim(error)) << error;
  ASSERT_TRUE(second.Claim(error)) << error;
  EXPECT_TRUE(first.TakeOrphans().empty()) << "its program still runs";
  EXPECT_EQ(fs::status(folder).permissions() & fs::perms::all, fs::perms::owner_all);

  other.Kill();
  const auto copies = first.TakeOrphans();
  ASSERT_EQ(copies.size(), 1u);
  EXPECT_EQ(copies[0].OriginalPath, "/home/me/My talk\nwith a line break.qsl");
  EXPECT_EQ(copies[0].SavedAt, "2026-12-09T00:00:00Z");
  EXPECT_TRUE(fs::exists(copies[0].DocumentPath));
  EXPECT_TRUE(second.TakeOrphans().empty()) << "the first program has taken it";

  first.Remove(copies[0]);
  EXPECT_FALSE(fs::exists(copies[0].DocumentPath));
  EXPECT_TRUE(second.TakeOrphans().empty());
}

TEST(RecoveryFolder, ANormalEndLeavesNothingAndAReleasedCopyComesBack) {
  TempFolder temp;
  {
    TRecoveryFolder ending(temp.path);
    std::string error;
    ASSERT_TRUE(ending.Claim(error));
    WriteText(ending.CopyPath(), "document");
    ASSERT_TRUE(ending.WriteInfo("", TRecoveryFolder::FormatTime(0), error));
  }
  EXPECT_TRUE(fs::is_empty(temp.path));

  OtherProgram other(temp.path, "");
  other.Kill();
  TRecoveryFolder later(temp.path), latest(temp.path);
  std::string error;
  ASSERT_TRUE(later.Claim(error));
  ASSERT_TRUE(latest.Claim(error));
  auto copies = later.TakeOrphans();
  ASSERT_EQ(copies.size(), 1u);
  EXPECT_EQ(copies[0].OriginalPath, "") << "an untitled document";
  later.Release(copies[0]);
  EXPECT_EQ(latest.TakeOrphans().size(), 1u) << "released for a later start";
}

TEST(RecoveryFolder, RecordsAndTimes) {
  EXPECT_EQ(TRecoveryFolder::FormatTime(0), "1970-01-01T00:00:00Z");
  EXPECT_EQ(TRecoveryFolder::FormatTime(1796774400), "2026-12-09T00:00:00Z");
  std::string path, time;
  struct Case {
    std::string Text;
    bool Ok;
  };
  const Case cases[] = {
      {"Quarrion recovery 1\nsaved T\npath /a b/c.qsl", true},
      {"Quarrion recovery 1\nsaved T\npath ", true},
      {"Quarrion recovery 2\nsaved T\npath /x", false},
      {"Quarrion recovery 1\nsaved T", false},
      {"", false},
  };
  for (const Case& c : cases) EXPECT_EQ(TRecoveryFolder::ReadInfoText(c.Text, path, time), c.Ok) << c.Text;
  ASSERT_TRUE(TRecoveryFolder::ReadInfoText(TRecoveryFolder::InfoText("/p\nq", "W"), path, time));
  EXPECT_EQ(path, "/p\nq");
  EXPECT_EQ(time, "W");
}

TEST(RecoverySettings, IntervalFromTheStore) {
  struct Case {
    std::optional<int> Stored;
    int Interval;
  };
  const Case cases[] = {{std::nullopt, 60}, {0, 0}, {5, 5}, {-3, 60}, {100000, 86400}};
  for (const Case& c : cases) {
    MemorySettingsStore store;
    if (c.Stored) store.WriteInteger("recovery interval", *c.Stored);  // names ignore case
    EXPECT_EQ(RecoverySettings::ReadInterval(store), c.Interval);
  }
  MemorySettingsStore mistyped;
  mistyped.WriteString("Recovery Interval", "often");
  EXPECT_EQ(RecoverySettings::ReadInterval(mistyped), 60);
}
