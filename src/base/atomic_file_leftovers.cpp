#include "base/atomic_file_leftovers.h"

#include <climits>
#include <cstdlib>
#include <memory>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr std::string_view kMarker = ".tmp-";
constexpr std::size_t kSuffixLength = 10;
// The writer keeps the first 100 bytes of the target's name in its temporary name.
constexpr std::size_t kNameKept = 100;

bool IsSuffixCharacter(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z'); }

// The writer puts its temporary file beside the file a symbolic link points at.
std::string Resolved(const std::string& path) {
  struct stat st;
  if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
  char buf[PATH_MAX];
  return ::realpath(path.c_str(), buf) ? std::string(buf) : path;
}

struct DirCloser {
  void operator()(DIR* dir) const { ::closedir(dir); }
};
}  // namespace

bool IsTemporaryNameFor(std::string_view name, std::string_view targetName) {
  if (targetName.empty()) return false;
  targetName = targetName.substr(0, kNameKept);
  const std::size_t length = 1 + targetName.size() + kMarker.size() + kSuffixLength;
  if (name.size() != length || name[0] != '.') return false;
  if (name.substr(1, targetName.size()) != targetName) return false;
  if (name.substr(1 + targetName.size(), kMarker.size()) != kMarker) return false;
  for (char c : name.substr(length - kSuffixLength))
    if (!IsSuffixCharacter(c)) return false;
  return true;
}

int RemoveLeftoverTemporaries(const std::string& path) {
  const std::string target = Resolved(path);
  const auto slash = target.find_last_of('/');
  const std::string dir = slash == std::string::npos ? "." : slash == 0 ? "/" : target.substr(0, slash);
  const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
  std::unique_ptr<DIR, DirCloser> folder(::opendir(dir.c_str()));
  if (!folder) return 0;
  int removed = 0;
  while (const dirent* entry = ::readdir(folder.get())) {
    const std::string_view name = entry->d_name;
    if (!IsTemporaryNameFor(name, base)) continue;
    // Only plain files: a link or folder of that name is not the writer's.
    struct stat st;
    if (::fstatat(::dirfd(folder.get()), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 ||
        !S_ISREG(st.st_mode))
      continue;
    if (::unlinkat(::dirfd(folder.get()), entry->d_name, 0) == 0) ++removed;
  }
  return removed;
}
