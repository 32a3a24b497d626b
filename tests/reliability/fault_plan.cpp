#include "reliability/fault_plan.h"

#include <cerrno>
#include <set>

namespace {
int Fail(int err) {
  errno = err;
  return -1;
}

// At most this many single-write failures per operation; beyond it they are spread evenly.
constexpr int kMaxWriteFaults = 48;
}  // namespace

std::string TFault::Describe() const {
  static const char* const kNames[] = {"none", "open", "write", "disk full", "flush", "close", "rename"};
  return std::string(kNames[What]) + " #" + std::to_string(At);
}

bool FaultInjectingOps::Hits(TFault::Kind kind, int count) const {
  return fault_.What == kind && fault_.At == count;
}

int FaultInjectingOps::CreateExclusive(const std::string& path) {
  if (Hits(TFault::Open, ++Opens)) return Fail(EACCES);
  return FileSystemOps::CreateExclusive(path);
}

ssize_t FaultInjectingOps::Write(int fd, const char* data, std::size_t size) {
  ++Writes;
  if (Hits(TFault::Write, Writes)) return Fail(EIO);
  if (fault_.What == TFault::DiskFull && Writes >= fault_.At) {
    if (Writes == fault_.At && size > 1) return FileSystemOps::Write(fd, data, size / 2);
    return Fail(ENOSPC);
  }
  return FileSystemOps::Write(fd, data, size);
}

int FaultInjectingOps::Sync(int fd) {
  return Hits(TFault::Flush, ++Syncs) ? Fail(EIO) : FileSystemOps::Sync(fd);
}

int FaultInjectingOps::Close(int fd) {
  const int rc = FileSystemOps::Close(fd);  // the descriptor is gone either way
  return Hits(TFault::Close, ++Closes) ? Fail(EIO) : rc;
}

int FaultInjectingOps::Rename(const std::string& from, const std::string& to) {
  return Hits(TFault::Rename, ++Renames) ? Fail(EXDEV) : FileSystemOps::Rename(from, to);
}

std::vector<TFault> PlanFaults(const FaultInjectingOps& clean) {
  std::vector<TFault> plan;
  auto each = [&](TFault::Kind kind, int count) {
    for (int i = 1; i <= count; ++i) plan.push_back({kind, i});
  };
  each(TFault::Open, clean.Opens);
  each(TFault::Flush, clean.Syncs);
  each(TFault::Close, clean.Closes);
  each(TFault::Rename, clean.Renames);
  std::set<int> writes;
  for (int k = 0; k < kMaxWriteFaults && clean.Writes > 0; ++k)
    writes.insert(1 + int((long long)k * (clean.Writes - 1) / (kMaxWriteFaults - 1)));
  for (int w : writes) plan.push_back({TFault::Write, w});
  for (int w : std::set<int>{1, (clean.Writes + 1) / 2, clean.Writes})
    if (w >= 1) plan.push_back({TFault::DiskFull, w});
  return plan;
}
