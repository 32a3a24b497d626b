#include "base/atomic_file_writer.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include <sys/stat.h>

#include "storage/storage_fixtures.h"

namespace {
enum class Step {
  None, Open, FirstWrite, LaterWrite, DiskFull, Sync, Close, Rename, OpenTaken, FolderSync,
  FolderSyncUnsupported
};

// The real operations, with one of them failing.
class FaultyOps : public FileSystemOps {
 public:
  explicit FaultyOps(Step step) : step_(step) {}
  int CreateExclusive(const std::string& path) override {
    ++opens;
    if (step_ == Step::Open) return Fail(EACCES);
    if (step_ == Step::OpenTaken && opens == 1) return Fail(EEXIST);
    return FileSystemOps::CreateExclusive(path);
  }
  ssize_t Write(int fd, const char* data, std::size_t size) override {
    ++writes;
    if (step_ == Step::FirstWrite && writes == 1) return Fail(EIO);
    if (step_ == Step::LaterWrite && writes == 3) return Fail(EIO);
    // A full disk takes part of a block, then refuses.
    if (step_ == Step::DiskFull && writes == 2) return FileSystemOps::Write(fd, data, size / 2);
    if (step_ == Step::DiskFull && writes > 2) return Fail(ENOSPC);
    return FileSystemOps::Write(fd, data, size);
  }
  int Sync(int fd) override { return step_ == Step::Sync ? Fail(EIO) : FileSystemOps::Sync(fd); }
  int Close(int fd) override {
    int rc = FileSystemOps::Close(fd);
    return step_ == Step::Close ? Fail(EIO) : rc;
  }
  int Rename(const std::string& from, const std::string& to) override {
    return step_ == Step::Rename ? Fail(EXDEV) : FileSystemOps::Rename(from, to);
  }
  int SyncDirectory(const std::string& dir) override {
    ++folderSyncs;
    if (step_ == Step::FolderSync) return Fail(EIO);
    if (step_ == Step::FolderSyncUnsupported) return Fail(EINVAL);
    return FileSystemOps::SyncDirectory(dir);
  }
  int opens = 0;
  int writes = 0;
  int folderSyncs = 0;

 private:
  static int Fail(int err) {
    errno = err;
    return -1;
  }
  Step step_;
};
}  // namespace

TEST(WriteFileAtomically, AnyFailedStepLeavesTheOldFileAndNoTemporaryFile) {
  const struct {
    Step step;
    const char* expected;  // part of the message
  } cases[] = {{Step::Open, "cannot create"}, {Step::FirstWrite, "cannot write"},
               {Step::LaterWrite, "cannot write"}, {Step::DiskFull, "No space"},
               {Step::Sync, "cannot flush"},  {Step::Close, "cannot close"},
               {Step::Rename, "cannot replace"}};
  const std::string fresh(20000, 'n');  // several 4096-byte blocks
  for (const auto& c : cases) {
    TempDir dir;
    std::string path = dir.File("doc.qsl");
    WriteRaw(path, "previous document");
    FaultyOps ops(c.step);
    ScopedFileSystemOps scope(ops);
    std::string error;
    EXPECT_FALSE(WriteFileAtomically(path, fresh, &error)) << c.expected;
    EXPECT_NE(error.find(c.expected), std::string::npos) << error;
    EXPECT_EQ(ReadRaw(path), "previous document") << c.expected;
    EXPECT_EQ(dir.List(), std::vector<std::string>{"doc.qsl"}) << c.expected;
  }
}

TEST(WriteFileAtomically, TheFolderIsFlushedAfterTheRenameAndItsFailureReported) {
  for (Step step : {Step::None, Step::FolderSync, Step::FolderSyncUnsupported}) {
    TempDir dir;
    std::string path = dir.File("doc.qsl");
    WriteRaw(path, "previous document");
    FaultyOps ops(step);
    ScopedFileSystemOps scope(ops);
    std::string error;
    const bool ok = WriteFileAtomically(path, "new document", &error);
    EXPECT_EQ(ops.folderSyncs, 1);
    // The rename happened in every case; only a real I/O error of the flush is reported.
    EXPECT_EQ(ReadRaw(path), "new document");
    EXPECT_EQ(ok, step != Step::FolderSync) << error;
    if (step == Step::FolderSync) {
      EXPECT_NE(error.find("cannot flush the folder"), std::string::npos);
    }
  }
}

TEST(WriteFileAtomically, ReplacesInBlocksKeepingModeAndLinks) {
  TempDir dir;
  std::string real = dir.File("real.qsl"), link = dir.File("link.qsl");
  WriteRaw(real, "old");
  ::chmod(real.c_str(), 0640);
  std::filesystem::create_symlink(real, link);
  FaultyOps ops(Step::OpenTaken);  // the first temporary name is taken: another is tried
  ScopedFileSystemOps scope(ops);
  std::string bytes(10000, 'b');
  ASSERT_TRUE(WriteFileAtomically(link, bytes));
  EXPECT_EQ(ops.opens, 2);
  EXPECT_EQ(ops.writes, 3);  // 4096 + 4096 + 1808
  EXPECT_EQ(ReadRaw(real), bytes);
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  struct stat st;
  ASSERT_EQ(::stat(real.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  EXPECT_EQ(dir.List(), (std::vector<std::string>{"link.qsl", "real.qsl"}));
}

TEST(WriteFileAtomically, TargetNamesOfTheLongestLengthWork) {
  TempDir dir;
  std::string path = dir.File(std::string(255, 'n'));
  EXPECT_TRUE(WriteFileAtomically(path, "long"));
  EXPECT_EQ(ReadRaw(path), "long");
  EXPECT_EQ(dir.List().size(), 1u);
}

TEST(WriteFileAtomically, RefusesPathsWithoutAFileName) {
  TempDir dir;
  std::string error;
  EXPECT_FALSE(WriteFileAtomically("", "x", &error));
  EXPECT_FALSE(WriteFileAtomically(dir.Path() + "/", "x", &error));
  EXPECT_FALSE(WriteFileAtomically(dir.File("no/such/folder.qsl"), "x", &error));
  EXPECT_TRUE(dir.List().empty());
}
