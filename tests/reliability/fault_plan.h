#pragma once

#include <string>
#include <vector>

#include "base/atomic_file_writer.h"

// One injected failure of the file system calls behind every file the program writes.
struct TFault {
  enum Kind { None, Open, Write, DiskFull, Flush, Close, Rename } What = None;
  int At = 0;  // which call of its kind fails, counted from 1 over the whole operation
  std::string Describe() const;
};

// The real system calls, counting each kind and failing the one the fault names. A full
// disk takes half of the block it fails at, then refuses every later write.
class FaultInjectingOps : public FileSystemOps {
 public:
  explicit FaultInjectingOps(TFault fault = {}) : fault_(fault) {}
  int CreateExclusive(const std::string& path) override;
  ssize_t Write(int fd, const char* data, std::size_t size) override;
  int Sync(int fd) override;
  int Close(int fd) override;
  int Rename(const std::string& from, const std::string& to) override;

  int Opens = 0, Writes = 0, Syncs = 0, Closes = 0, Renames = 0;

 private:
  bool Hits(TFault::Kind kind, int count) const;
  TFault fault_;
};

// Every fault worth trying for an operation whose successful run made the calls counted
// in `clean`: each open, flush, close and rename, and each write (a spread of them when
// there are very many), and a full disk from the first, a middle and the last write.
std::vector<TFault> PlanFaults(const FaultInjectingOps& clean);
