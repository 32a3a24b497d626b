#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include <sys/types.h>

// The system calls behind WriteFileAtomically. Tests install their own (ScopedFileSystemOps)
// to make any step fail: opening, each write, the flush, the rename, a full disk.
// Every call answers like its POSIX namesake: -1 with errno set on failure.
class FileSystemOps {
 public:
  virtual ~FileSystemOps() = default;
  // Creates a new file that must not exist yet (O_CREAT | O_EXCL), for writing.
  virtual int CreateExclusive(const std::string& path);
  virtual ssize_t Write(int fd, const char* data, std::size_t size);
  virtual int Sync(int fd);
  virtual int Close(int fd);
  virtual int Rename(const std::string& from, const std::string& to);
  virtual int Unlink(const std::string& path);
  // Makes a finished rename durable.
  virtual int SyncDirectory(const std::string& dir);
};

// The operations in force (the real ones unless a test installed others).
FileSystemOps& CurrentFileSystemOps();

// Installs `ops` for the lifetime of the object; the previous ones come back after it.
class ScopedFileSystemOps {
 public:
  explicit ScopedFileSystemOps(FileSystemOps& ops);
  ~ScopedFileSystemOps();
  ScopedFileSystemOps(const ScopedFileSystemOps&) = delete;
  ScopedFileSystemOps& operator=(const ScopedFileSystemOps&) = delete;

 private:
  FileSystemOps* previous_;
};

// Replaces the file at `path` with `bytes` so that a reader sees either the old file or the
// new one, never a mixture: the bytes go to a new temporary file in the same folder, are
// flushed to disk and then renamed over the target. On any failure the old file is left as
// it was, the temporary file is removed and `error` (when given) says what went wrong.
// When only the final flush of the folder fails, the new file is in place but may not
// survive a power loss: that is reported as a failure too.
// An existing target keeps its permission bits; a symbolic link is followed.
bool WriteFileAtomically(const std::string& path, std::string_view bytes,
                         std::string* error = nullptr);

// Whether WriteFileAtomically(path) can succeed, asked before any work is done. The target
// itself is never opened: the temporary file the writer would create is created in the
// target's folder and removed at once (permission bits do not tell for root, read-only
// mounts or special file systems), and an existing target must be a writable regular file.
// False with `error` set when not.
bool CanWriteTarget(const std::string& path, std::string& error);
