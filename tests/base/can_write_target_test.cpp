// The probe run before a save or an export: it answers without touching the target.
#include <gtest/gtest.h>

#include <filesystem>

#include <sys/stat.h>
#include <sys/time.h>

#include "base/atomic_file_writer.h"
#include "storage/storage_fixtures.h"

TEST(CanWriteTarget, AnExistingFileKeepsItsBytesAndTime) {
  TempDir dir;
  const std::string path = dir.File("deck.qsl");
  WriteRaw(path, "the previous document");
  // An old time, so that any opening for writing would show.
  const struct timeval old[2] = {{1000000000, 0}, {1000000000, 0}};
  ASSERT_EQ(::utimes(path.c_str(), old), 0);
  std::string error;
  EXPECT_TRUE(CanWriteTarget(path, error)) << error;
  EXPECT_TRUE(CanWriteTarget(dir.File("new.qsl"), error)) << error;
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mtime, 1000000000);
  EXPECT_EQ(ReadRaw(path), "the previous document");
  // The folder's probe file is gone and no new file was left behind.
  EXPECT_EQ(dir.List(), std::vector<std::string>{"deck.qsl"});
}

TEST(CanWriteTarget, UnwritablePlacesFailWithAMessage) {
  TempDir dir;
  WriteRaw(dir.File("plain"), "x");
  std::filesystem::create_directory(dir.File("folder.pdf"));
  struct Case {
    const char* what;
    std::string path;
    std::string mentions;
  } cases[] = {
      {"missing folder", dir.File("nowhere/deck.qsl"), dir.File("nowhere")},
      {"a file as folder", dir.File("plain/deck.qsl"), dir.File("plain")},
      {"a folder as target", dir.File("folder.pdf"), "not a regular file"},
      // Permission bits say yes here (even to root); only creating a file tells.
      {"a folder that takes no files", "/proc/deck.qsl", "/proc"},
      {"no file name", dir.Path() + "/", "not a file name"},
  };
  for (const Case& c : cases) {
    std::string error;
    EXPECT_FALSE(CanWriteTarget(c.path, error)) << c.what;
    EXPECT_NE(error.find(c.mentions), std::string::npos) << c.what << ": " << error;
  }
  EXPECT_EQ(dir.List(), (std::vector<std::string>{"folder.pdf", "plain"}));
}
