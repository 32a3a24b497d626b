#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One entry of the recent-file part of the File menu.
struct MRUMenuEntry {
  std::string Caption;  // "&1 name.qsl": accelerator, space, file name without its folder
  std::string Hint;     // the full path
};

// The recent-file list: full paths, most recent first. It keeps at most MaxCount - 1
// paths, because a path is dropped once the list reaches MaxCount.
class TMRU {
 public:
  // Puts `path` at the top (moving it there when already listed) and drops the oldest
  // paths beyond MaxCount - 1.
  void Add(std::string_view path);
  void Clear() { files_.clear(); }
  const std::vector<std::string>& Files() const { return files_; }
  // What the File menu shows after its own items, in list order.
  std::vector<MRUMenuEntry> MenuEntries() const;

  bool operator==(const TMRU&) const = default;

  std::int8_t MaxCount = 10;

 private:
  std::vector<std::string> files_;
};
