#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

// What the tests of the command-line tool share: a private temporary folder per test, the
// tool's exit status with what it printed, and whole-file reads and writes.
struct CliResult {
  int Status = -1;
  std::string Out;
  std::string Err;
};

inline std::string ReadAll(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

inline void WriteAll(const std::filesystem::path& p, const std::string& bytes) {
  std::ofstream(p, std::ios::binary) << bytes;
}

class CliTestFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/quarrion-cli-test-XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    dir_ = tmpl;
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  // A path in the test's folder.
  std::string P(const std::string& name) const { return (dir_ / name).string(); }

  std::filesystem::path dir_;
};
