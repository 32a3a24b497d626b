// A process saving a large document is killed with SIGKILL at random moments, many times.
// The document on disk must always be the old one or the new one, byte for byte; the only
// thing a killed save may leave is its own hidden temporary file.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <regex>
#include <thread>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "storage/document_file.h"
#include "storage/storage_fixtures.h"

namespace {
constexpr int kKills = 200;

std::string Noise(std::size_t size, std::uint32_t seed) {
  std::string s(size, '\0');
  for (auto& c : s) c = char((seed = seed * 1664525u + 1013904223u) >> 24);
  return s;
}

// The rich document with a large picture-like resource, so a save takes a few milliseconds.
void BuildLargeDocument(TQuarrionCanvas& canvas, std::uint32_t seed) {
  BuildRichDocument(canvas);
  canvas.Resources.Add("/pictures/large.jpg", Noise(150000, seed));
}

// Saves the two documents in turn until it is killed.
[[noreturn]] void SaveForever(TQuarrionCanvas& a, TQuarrionCanvas& b, const std::string& path) {
  for (int i = 0;; ++i) SaveDocument(i % 2 ? a : b, path, BuiltinRegistry());
}

std::string SavedBytes(std::uint32_t seed, const TempDir& dir, const std::string& name) {
  TQuarrionCanvas canvas;
  BuildLargeDocument(canvas, seed);
  EXPECT_TRUE(SaveDocument(canvas, dir.File(name), BuiltinRegistry()).Ok());
  return ReadRaw(dir.File(name));
}
}  // namespace

TEST(KillDuringSave, DocumentIsAlwaysTheOldOrTheNewOne) {
  TempDir refs, dir;
  const std::string first = SavedBytes(1, refs, "a.qsl"), second = SavedBytes(2, refs, "b.qsl");
  ASSERT_NE(first, second);
  const std::string path = dir.File("deck.qsl");
  WriteRaw(path, first);

  // How long one save takes here, so the kills spread over whole saves.
  auto start = std::chrono::steady_clock::now();
  SavedBytes(2, refs, "timing.qsl");
  const auto saveTime = std::chrono::steady_clock::now() - start;
  const auto spread = std::chrono::duration_cast<std::chrono::microseconds>(saveTime * 3);

  // Built before forking: the child starts saving at once.
  TQuarrionCanvas a, b;
  BuildLargeDocument(a, 1);
  BuildLargeDocument(b, 2);
  std::mt19937 random(20261208);
  int changes = 0;
  std::string last = first;
  for (int k = 0; k < kKills; ++k) {
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) SaveForever(a, b, path);
    std::this_thread::sleep_for(std::chrono::microseconds(random() % (spread.count() + 1)));
    ASSERT_EQ(::kill(child, SIGKILL), 0);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the saving process ended on its own";
    const std::string now = ReadRaw(path);
    ASSERT_TRUE(now == first || now == second) << "kill " << k << " left " << now.size() << " mixed bytes";
    changes += now != last;
    last = now;
  }
  // Some kills came after a finished save, or the test never interrupted anything real.
  EXPECT_GT(changes, 0);

  // What else is there: only hidden temporary files of the saves that were killed.
  const std::regex temporary(R"(\.deck\.qsl\.tmp-[0-9a-z]{10})");
  int leftovers = 0;
  for (const auto& e : std::filesystem::directory_iterator(dir.Path())) {
    const std::string name = e.path().filename();
    if (name == "deck.qsl") continue;
    EXPECT_TRUE(std::regex_match(name, temporary)) << name;
    ++leftovers;
  }
  EXPECT_LE(leftovers, kKills);
  RecordProperty("kills", kKills);
  RecordProperty("leftovers", leftovers);
  std::printf("%d kills, %d changes of the file, %d temporary files left\n", kKills, changes, leftovers);
}
