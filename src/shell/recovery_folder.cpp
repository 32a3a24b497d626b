#include "shell/recovery_folder.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <fstream>
#include <random>
#include <sstream>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/atomic_file_writer.h"

namespace {
constexpr char kInfoHeader[] = "Quarrion recovery 1\n";
constexpr char kSavedPrefix[] = "saved ";
constexpr char kPathPrefix[] = "path ";

std::string NewId() {
  static std::mt19937_64 gen{std::random_device{}()};
  static const char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
  std::string id = std::to_string(::getpid()) + "-";
  for (int i = 0; i < 8; ++i) id.push_back(kDigits[gen() % 36]);
  return id;
}

bool EndsWith(const std::string& s, const std::string& tail) {
  return s.size() > tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

bool ReadWhole(const std::string& path, std::string& text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream buffer;
  buffer << in.rdbuf();
  text = buffer.str();
  return true;
}

bool IsRegularFile(const std::string& path) {
  struct stat st;
  return ::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}
}  // namespace

TRecoveryFolder::TRecoveryFolder(std::string folder) : folder_(std::move(folder)), id_(NewId()) {
  while (folder_.size() > 1 && folder_.back() == '/') folder_.pop_back();
}

TRecoveryFolder::~TRecoveryFolder() {
  for (auto& [id, fd] : taken_) ::close(fd);
  if (ownLock_ >= 0) {
    RemoveOwnCopy();
    ::unlink(PathOf(id_, ".lock").c_str());
    ::close(ownLock_);
  }
}

std::string TRecoveryFolder::PathOf(const std::string& id, const char* extension) const {
  return folder_ + "/" + id + extension;
}

std::string TRecoveryFolder::CopyPath() const { return PathOf(id_, ".qsl"); }

bool TRecoveryFolder::Claim(std::string& error) {
  // The folder's parents are made too; only the last level is kept private.
  for (std::size_t slash = folder_.find('/', 1); ; slash = folder_.find('/', slash + 1)) {
    const std::string part = slash == std::string::npos ? folder_ : folder_.substr(0, slash);
    if (::mkdir(part.c_str(), slash == std::string::npos ? 0700 : 0755) != 0 && errno != EEXIST) {
      error = "Cannot create " + part + ": " + std::strerror(errno);
      return false;
    }
    if (slash == std::string::npos) break;
  }
  // The lock file is locked under a hidden name and then renamed into place, so no other
  // program ever sees it unlocked and takes it for one whose program has gone.
  const std::string fresh = folder_ + "/." + id_ + ".lock";
  const int fd = ::open(fresh.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0 || ::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::rename(fresh.c_str(), PathOf(id_, ".lock").c_str()) != 0) {
    error = "Cannot lock " + PathOf(id_, ".lock") + ": " + std::strerror(errno);
    if (fd >= 0) {
      ::unlink(fresh.c_str());
      ::close(fd);
    }
    return false;
  }
  ownLock_ = fd;
  return true;
}

int TRecoveryFolder::TryLock(const std::string& id) const {
  const int fd = ::open(PathOf(id, ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0) return -1;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const int saved = errno;
    ::close(fd);
    errno = saved;
    return -1;
  }
  return fd;
}

std::string TRecoveryFolder::InfoText(const std::string& originalPath, const std::string& savedAt) {
  // The path comes last and runs to the end, so any byte a file name may hold survives.
  return std::string(kInfoHeader) + kSavedPrefix + savedAt + "\n" + kPathPrefix + originalPath;
}

bool TRecoveryFolder::ReadInfoText(const std::string& text, std::string& originalPath,
                                   std::string& savedAt) {
  const std::string header = kInfoHeader;
  if (text.compare(0, header.size(), header) != 0) return false;
  const std::size_t savedStart = header.size() + std::strlen(kSavedPrefix);
  if (text.compare(header.size(), std::strlen(kSavedPrefix), kSavedPrefix) != 0) return false;
  const std::size_t end = text.find('\n', savedStart);
  if (end == std::string::npos || text.compare(end + 1, std::strlen(kPathPrefix), kPathPrefix) != 0)
    return false;
  savedAt = text.substr(savedStart, end - savedStart);
  originalPath = text.substr(end + 1 + std::strlen(kPathPrefix));
  return true;
}

std::string TRecoveryFolder::FormatTime(long long secondsSinceEpoch) {
  const std::time_t t = static_cast<std::time_t>(secondsSinceEpoch);
  std::tm parts{};
  ::gmtime_r(&t, &parts);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &parts);
  return text;
}

bool TRecoveryFolder::WriteInfo(const std::string& originalPath, const std::string& savedAt,
                                std::string& error) {
  return WriteFileAtomically(PathOf(id_, ".info"), InfoText(originalPath, savedAt), &error);
}

void TRecoveryFolder::RemoveOwnCopy() {
  // The record goes first: a copy without one is still offered, as an untitled document.
  ::unlink(PathOf(id_, ".info").c_str());
  ::unlink(CopyPath().c_str());
}

TRecoveryCopy TRecoveryFolder::Describe(const std::string& id) const {
  TRecoveryCopy copy{id, PathOf(id, ".qsl"), {}, {}};
  std::string text;
  if (IsRegularFile(PathOf(id, ".info")) && ReadWhole(PathOf(id, ".info"), text))
    ReadInfoText(text, copy.OriginalPath, copy.SavedAt);
  return copy;
}

std::vector<TRecoveryCopy> TRecoveryFolder::TakeOrphans() {
  std::vector<std::string> ids;
  if (DIR* dir = ::opendir(folder_.c_str())) {
    while (const dirent* entry = ::readdir(dir)) {
      const std::string name = entry->d_name;
      if (name[0] != '.' && EndsWith(name, ".lock")) ids.push_back(name.substr(0, name.size() - 5));
    }
    ::closedir(dir);
  }
  std::vector<TRecoveryCopy> copies;
  for (const std::string& id : ids) {
    if (id == id_ || taken_.count(id)) continue;
    const int fd = TryLock(id);
    if (fd < 0) continue;  // its program is still running
    taken_[id] = fd;
    if (IsRegularFile(PathOf(id, ".qsl"))) {
      copies.push_back(Describe(id));
    } else {
      RemoveFiles(id);  // it ended without a copy, or after removing it
    }
  }
  std::sort(copies.begin(), copies.end(),
            [](const TRecoveryCopy& a, const TRecoveryCopy& b) { return a.SavedAt > b.SavedAt; });
  return copies;
}

void TRecoveryFolder::RemoveFiles(const std::string& id) {
  ::unlink(PathOf(id, ".info").c_str());
  ::unlink(PathOf(id, ".qsl").c_str());
  ::unlink(PathOf(id, ".lock").c_str());
  auto it = taken_.find(id);
  if (it != taken_.end()) {
    ::close(it->second);
    taken_.erase(it);
  }
}

void TRecoveryFolder::Remove(const TRecoveryCopy& copy) {
  if (taken_.count(copy.Id)) RemoveFiles(copy.Id);
}

void TRecoveryFolder::Release(const TRecoveryCopy& copy) {
  auto it = taken_.find(copy.Id);
  if (it == taken_.end()) return;
  ::close(it->second);
  taken_.erase(it);
}
