#pragma once

#include <functional>
#include <string>
#include <utility>

// Progress texts of the long file operations, in the order they happen.
using TProgress = std::function<void(const std::string& status)>;

// The outcome of a file command (save, load, export, the stencil file): the byte count
// on success, or -1 with the reason in Message.
struct TFileResult {
  long long Bytes = -1;
  std::string Message;
  bool Ok() const { return Bytes >= 0; }

  static TFileResult Succeeded(long long bytes) { return {bytes, {}}; }
  static TFileResult Failed(std::string message) { return {-1, std::move(message)}; }
};
