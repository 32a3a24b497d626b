#include "shell/mru.h"

#include <algorithm>

namespace {
// Accelerators of the entries in order; entries past the 36th get none.
constexpr std::string_view kAccelerators = "1234567890ABCDEFGHIJKLMNOPQRSTUVWXYZ";

std::string_view FileNameOf(std::string_view path) {
  std::size_t slash = path.rfind('/');
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// A menu caption treats "&" as the accelerator mark; a file named "R&D.qsl" must show
// as it is called.
std::string EscapedForMenu(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '&') out += '&';
    out += c;
  }
  return out;
}
}  // namespace

void TMRU::Add(std::string_view path) {
  std::erase(files_, path);
  files_.insert(files_.begin(), std::string(path));
  // MaxCount of 1 or less (a hand-edited setting) keeps nothing rather than failing.
  std::size_t keep = MaxCount > 1 ? std::size_t(MaxCount - 1) : 0;
  if (files_.size() > keep) files_.resize(keep);
}

std::vector<MRUMenuEntry> TMRU::MenuEntries() const {
  std::vector<MRUMenuEntry> entries;
  entries.reserve(files_.size());
  for (std::size_t i = 0; i < files_.size(); ++i) {
    std::string caption;
    if (i < kAccelerators.size()) caption = std::string{'&', kAccelerators[i], ' '};
    caption += EscapedForMenu(FileNameOf(files_[i]));
    entries.push_back({std::move(caption), files_[i]});
  }
  return entries;
}
