#include "base/atomic_file_writer.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <random>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

int FileSystemOps::CreateExclusive(const std::string& path) {
  return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
}

ssize_t FileSystemOps::Write(int fd, const char* data, std::size_t size) {
  return ::write(fd, data, size);
}

int FileSystemOps::Sync(int fd) { return ::fsync(fd); }
int FileSystemOps::Close(int fd) { return ::close(fd); }

int FileSystemOps::Rename(const std::string& from, const std::string& to) {
  return ::rename(from.c_str(), to.c_str());
}

int FileSystemOps::Unlink(const std::string& path) { return ::unlink(path.c_str()); }

int FileSystemOps::SyncDirectory(const std::string& dir) {
  int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return -1;
  int rc = ::fsync(fd);
  ::close(fd);
  return rc;
}

namespace {
FileSystemOps& RealOps() {
  static FileSystemOps ops;
  return ops;
}

FileSystemOps* g_ops = nullptr;

constexpr std::size_t kBlockSize = 4096;
constexpr int kNameAttempts = 32;

std::string Reason(const std::string& what, const std::string& path, int err) {
  return what + " " + path + ": " + std::strerror(err);
}

// Follows a symbolic link so that the link keeps pointing at the replaced file.
std::string ResolveTarget(const std::string& path) {
  struct stat st;
  if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
  char buf[PATH_MAX];
  if (::realpath(path.c_str(), buf) == nullptr) return path;
  return buf;
}

void SplitPath(const std::string& path, std::string& dir, std::string& base) {
  auto slash = path.find_last_of('/');
  if (slash == std::string::npos) {
    dir = ".";
    base = path;
  } else {
    dir = slash == 0 ? "/" : path.substr(0, slash);
    base = path.substr(slash + 1);
  }
}

std::string RandomSuffix() {
  static std::mt19937_64 gen{std::random_device{}()};
  static const char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
  std::string s;
  for (int i = 0; i < 10; ++i) s.push_back(kDigits[gen() % 36]);
  return s;
}

// The writer's temporary name for `base` in `dir`: hidden, beside the target.
std::string TemporaryName(const std::string& dir, const std::string& base) {
  // The base name is shortened so a long target name still leaves room for the suffix.
  return (dir == "/" ? "" : dir) + "/." + base.substr(0, 100) + ".tmp-" + RandomSuffix();
}

bool WriteAll(FileSystemOps& ops, int fd, std::string_view bytes, int& err) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    std::size_t n = std::min(kBlockSize, bytes.size() - done);
    ssize_t w = ops.Write(fd, bytes.data() + done, n);
    if (w < 0 && errno == EINTR) continue;
    if (w <= 0) {
      err = w == 0 ? ENOSPC : errno;
      return false;
    }
    done += std::size_t(w);
  }
  return true;
}
}  // namespace

FileSystemOps& CurrentFileSystemOps() { return g_ops ? *g_ops : RealOps(); }

ScopedFileSystemOps::ScopedFileSystemOps(FileSystemOps& ops) : previous_(g_ops) { g_ops = &ops; }
ScopedFileSystemOps::~ScopedFileSystemOps() { g_ops = previous_; }

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* error) {
  FileSystemOps& ops = CurrentFileSystemOps();
  auto fail = [&](const std::string& reason) {
    if (error) *error = reason;
    return false;
  };
  if (path.empty()) return fail("no file name given");
  const std::string target = ResolveTarget(path);
  std::string dir, base;
  SplitPath(target, dir, base);
  if (base.empty()) return fail("not a file name: " + path);

  std::string temp;
  int fd = -1;
  for (int attempt = 0; attempt < kNameAttempts && fd < 0; ++attempt) {
    temp = TemporaryName(dir, base);
    fd = ops.CreateExclusive(temp);
    if (fd < 0 && errno != EEXIST) return fail(Reason("cannot create a file in", dir, errno));
  }
  if (fd < 0) return fail("cannot find a free temporary name in " + dir);

  struct stat old;
  if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) ::fchmod(fd, old.st_mode & 07777);

  int err = 0;
  std::string reason;
  if (!WriteAll(ops, fd, bytes, err)) {
    reason = Reason("cannot write", target, err);
  } else if (ops.Sync(fd) != 0) {
    reason = Reason("cannot flush", target, errno);
  }
  if (ops.Close(fd) != 0 && reason.empty()) reason = Reason("cannot close", target, errno);
  if (reason.empty() && ops.Rename(temp, target) != 0) reason = Reason("cannot replace", target, errno);
  if (!reason.empty()) {
    ops.Unlink(temp);
    return fail(reason);
  }
  // Until the folder is flushed, a power loss can bring the old entry back: the save is not
  // durable, so it is reported (the new bytes are in place, and saving again is safe). A
  // folder that cannot be flushed at all (file systems without it, a folder we may write
  // but not read) is no fault of this save.
  if (ops.SyncDirectory(dir) != 0 && errno != EINVAL && errno != ENOTSUP && errno != EOPNOTSUPP &&
      errno != EACCES)
    return fail(Reason("cannot flush the folder", dir, errno) + " (the file was replaced)");
  return true;
}

bool CanWriteTarget(const std::string& path, std::string& error) {
  const std::string target = ResolveTarget(path);
  std::string dir, base;
  SplitPath(target, dir, base);
  if (path.empty() || base.empty()) {
    error = "not a file name: \"" + path + "\"";
    return false;
  }
  // Straight system calls, not the installed FileSystemOps: the probe is not a step of the
  // write. A probe cut short leaves what a cut write leaves, a hidden temporary file.
  int fd = -1;
  std::string temp;
  for (int attempt = 0; attempt < kNameAttempts && fd < 0; ++attempt) {
    temp = TemporaryName(dir, base);
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0 && errno != EEXIST) {
      error = Reason("cannot create a file in", dir, errno);
      return false;
    }
  }
  if (fd < 0) {
    error = "cannot find a free temporary name in " + dir;
    return false;
  }
  ::close(fd);
  ::unlink(temp.c_str());
  struct stat st;
  if (::stat(target.c_str(), &st) != 0) return true;  // a new file
  if (!S_ISREG(st.st_mode)) {
    error = "cannot write to " + path + ": not a regular file";
    return false;
  }
  if (::access(target.c_str(), W_OK) != 0) {
    error = Reason("cannot write to", path, errno);
    return false;
  }
  return true;
}
