#include "export/svg_side_files.h"

#include <cstdint>
#include <functional>

#include "base/number_format.h"

namespace {
// Room for the "-NNN" of a renamed copy within the 255 bytes most file systems allow.
constexpr std::size_t kMaxNameLength = 200;

bool IsPortable(std::uint8_t c) {
  if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return true;
  switch (c) {
    case ' ': case '.': case '_': case '-': case '+': case '(': case ')':
    case ',': case '=': case '~': case '!': case '@': case '$':
      return true;
    default:
      return false;
  }
}

std::string Fold(std::string_view s) {
  std::string f(s);
  for (char& c : f)
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
  return f;
}
}  // namespace

std::string TSVGSideFiles::SafeName(std::string_view fileName) {
  std::size_t slash = fileName.find_last_of("/\\");
  if (slash != std::string_view::npos) fileName.remove_prefix(slash + 1);
  std::string name;
  name.reserve(fileName.size());
  for (char c : fileName) name.push_back(IsPortable(std::uint8_t(c)) ? c : '_');
  while (!name.empty() && (name.back() == '.' || name.back() == ' ')) name.pop_back();
  std::size_t lead = name.find_first_not_of(' ');
  name.erase(0, lead == std::string::npos ? name.size() : lead);
  if (name.size() > kMaxNameLength) {
    // Keep the extension: the browser and the file manager go by it.
    std::size_t dot = name.rfind('.');
    std::size_t extLength = dot != std::string::npos && name.size() - dot <= 16 ? name.size() - dot : 0;
    name.erase(kMaxNameLength - extLength, name.size() - kMaxNameLength);
  }
  if (name == "." || name == "..") name.clear();
  return name;
}

void TSVGSideFiles::Reserve(std::string_view name) { taken_.insert(Fold(name)); }

std::string TSVGSideFiles::UniqueName(const std::string& safe) {
  std::size_t dot = safe.rfind('.');
  if (dot == 0 || dot == std::string::npos) dot = safe.size();
  std::string stem = safe.substr(0, dot), ext = safe.substr(dot);
  int& next = nextSuffix_.try_emplace(Fold(safe), 2).first->second;
  for (;;) {
    std::string candidate = stem + "-" + IntToStr(next++) + ext;
    if (!taken_.contains(Fold(candidate))) return candidate;
  }
}

std::string TSVGSideFiles::Add(TResource file) {
  std::string name = SafeName(file.FileName);
  if (name.empty()) return name;
  // A picture used twice is written once; different bytes get a name of their own.
  std::string key = Fold(name);
  key.push_back('\0');
  key.append(IntToStr(static_cast<long long>(std::hash<std::string_view>{}(file.Text))));
  auto seen = written_.find(key);
  if (seen != written_.end() && files_[seen->second].Text == file.Text)
    return files_[seen->second].FileName;
  if (taken_.contains(Fold(name))) name = UniqueName(name);
  taken_.insert(Fold(name));
  written_.try_emplace(std::move(key), files_.size());
  file.FileName = name;
  files_.push_back(std::move(file));
  return name;
}
