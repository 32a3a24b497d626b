// The in-memory store that the settings tests and the fuzzer stand on.
#include <gtest/gtest.h>

#include "shell/memory_settings_store.h"

namespace {
TEST(MemorySettingsStore, NamesIgnoreCaseAndTypesAreKept) {
  MemorySettingsStore store;
  EXPECT_FALSE(store.KeyExists());
  store.WriteInteger("Grid Size", 5);
  EXPECT_TRUE(store.KeyExists());
  EXPECT_EQ(store.ReadInteger("grid size"), 5);
  EXPECT_EQ(store.ReadInteger("GRID SIZE"), 5);
  EXPECT_FALSE(store.ReadString("Grid Size"));  // stored with another type
  EXPECT_FALSE(store.ReadBinary("Grid Size"));

  store.WriteString("GRID size", "5");  // one value: the write replaces it
  EXPECT_EQ(store.Count(), 1u);
  EXPECT_FALSE(store.ReadInteger("Grid Size"));
  EXPECT_EQ(store.ReadString("grid Size"), "5");

  store.WriteBinary("Block", std::string("\0\xFF", 2));
  EXPECT_EQ(store.ReadBinary("block"), std::string("\0\xFF", 2));
  store.RemoveValue("BLOCK");
  EXPECT_FALSE(store.TypeOf("Block"));
  EXPECT_FALSE(store.ReadInteger("Missing"));
}

TEST(MemorySettingsStore, CommitCanBeMadeToFail) {
  MemorySettingsStore store(true);
  EXPECT_TRUE(store.KeyExists());
  EXPECT_TRUE(store.Commit());
  store.FailCommits(true);
  EXPECT_FALSE(store.Commit());
}
}  // namespace
