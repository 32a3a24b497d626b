#pragma once

#include <map>
#include <string>
#include <vector>

// A recovery copy a program left behind: the document, and where and when it came from.
struct TRecoveryCopy {
  std::string Id;            // the owner's name in the folder
  std::string DocumentPath;  // the copy itself, a ".qsl" file
  std::string OriginalPath;  // the document's own file; empty for an untitled document
  std::string SavedAt;       // UTC, "YYYY-MM-DDTHH:MM:SSZ"; empty when unknown
};

// The folder of recovery copies shared by every running designer of one user. Each program
// owns a name ("<pid>-<random>") and three files under it: "<name>.lock", locked for as
// long as the program runs, "<name>.qsl", the copy, and "<name>.info", the original path
// and the time of the copy. A copy whose lock nobody holds was left by a program that is
// no longer running; whoever takes that lock first is the only one to offer the copy, so
// two programs never take each other's copies.
class TRecoveryFolder {
 public:
  explicit TRecoveryFolder(std::string folder);
  // Releases every lock and removes this program's own files: a normal end.
  ~TRecoveryFolder();
  TRecoveryFolder(const TRecoveryFolder&) = delete;
  TRecoveryFolder& operator=(const TRecoveryFolder&) = delete;

  // Makes the folder (mode 0700) and takes this program's lock; false with `error` set
  // when either fails (there is then nowhere to keep copies).
  bool Claim(std::string& error);
  bool Claimed() const { return ownLock_ >= 0; }
  const std::string& Id() const { return id_; }
  const std::string& Folder() const { return folder_; }

  // Where this program writes its copy.
  std::string CopyPath() const;
  // Records beside the copy (atomically) the document's original path and the time.
  bool WriteInfo(const std::string& originalPath, const std::string& savedAt, std::string& error);
  // Removes this program's copy and its record; the lock stays.
  void RemoveOwnCopy();

  // The copies left by programs that are no longer running, newest first. Their locks are
  // taken and held until Release or Remove, so no other program offers them meanwhile.
  // Lock files of ended programs that left no copy are removed on the way.
  std::vector<TRecoveryCopy> TakeOrphans();
  // Removes a taken copy's files and lets its lock go.
  void Remove(const TRecoveryCopy& copy);
  // Lets a taken copy's lock go and leaves its files for a later start.
  void Release(const TRecoveryCopy& copy);

  // "YYYY-MM-DDTHH:MM:SSZ" for `secondsSinceEpoch`.
  static std::string FormatTime(long long secondsSinceEpoch);
  // The text of an info file and its reading; false when `text` is not one.
  static std::string InfoText(const std::string& originalPath, const std::string& savedAt);
  static bool ReadInfoText(const std::string& text, std::string& originalPath, std::string& savedAt);

 private:
  std::string PathOf(const std::string& id, const char* extension) const;
  // Opens and locks "<id>.lock" without waiting; -1 when another program holds it.
  int TryLock(const std::string& id) const;
  TRecoveryCopy Describe(const std::string& id) const;
  void RemoveFiles(const std::string& id);

  std::string folder_;
  std::string id_;
  int ownLock_ = -1;
  std::map<std::string, int> taken_;  // id -> descriptor holding its lock
};
