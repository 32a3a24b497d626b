#include "model/resource_manager.h"

#include <cstdlib>

#include <sys/stat.h>
#include <unistd.h>

#include "base/file_helpers.h"

namespace {
// Keeps file names short enough for any file system while keeping the extension, which
// picture loaders may look at.
constexpr std::size_t kMaxSafeName = 200;

std::string SafeFileName(std::string_view name) {
  std::string safe(name);
  for (auto& c : safe)
    if (c == '\\' || c == ':' || c == '/' || c == '\0') c = '_';
  if (safe.size() > kMaxSafeName) safe.erase(0, safe.size() - kMaxSafeName);
  if (safe.empty() || safe == "." || safe == "..") safe = "resource";
  return safe;
}

bool Exists(const std::string& path) {
  struct stat st;
  return ::lstat(path.c_str(), &st) == 0;
}

void DeleteFile(const std::string& path) {
  if (!path.empty()) ::unlink(path.c_str());  // a file that is already gone is fine
}

[[noreturn]] void Failed(std::string_view name) {
  throw ResourceIOError("Resource " + std::string(name) + " failed");
}
}  // namespace

TResourceManager::~TResourceManager() {
  Clear();
  RemoveFolder();
}

TResourceManager::TResourceManager(TResourceManager&& other) noexcept
    : entries_(std::move(other.entries_)),
      index_(std::move(other.index_)),
      folder_(std::move(other.folder_)),
      pictures_(std::move(other.pictures_)) {
  other.entries_.clear();
  other.index_.clear();
  other.folder_.clear();
}

TResourceManager& TResourceManager::operator=(TResourceManager&& other) noexcept {
  if (this == &other) return *this;
  Clear();
  RemoveFolder();
  entries_ = std::move(other.entries_);
  index_ = std::move(other.index_);
  folder_ = std::move(other.folder_);
  pictures_ = std::move(other.pictures_);
  other.entries_.clear();
  other.index_.clear();
  other.folder_.clear();
  return *this;
}

void TResourceManager::Clear() {
  while (!entries_.empty()) {
    DeleteFile(entries_.back().FileName);
    entries_.pop_back();
  }
  index_.clear();
  if (pictures_) pictures_->Clear();
}

void TResourceManager::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  DeleteFile(entries_[std::size_t(index)].FileName);
  if (pictures_) pictures_->Forget(entries_[std::size_t(index)].Name);
  index_.erase(entries_[std::size_t(index)].Name);
  entries_.erase(entries_.begin() + index);
  for (int i = index; i < Count(); ++i) index_[entries_[std::size_t(i)].Name] = i;
}

int TResourceManager::IndexOf(std::string_view name) const {
  auto it = index_.find(std::string(name));
  return it == index_.end() ? -1 : it->second;
}

void TResourceManager::Add(std::string_view name, std::string_view data) {
  int i = IndexOf(name);
  if (i < 0) {
    i = Count();
    entries_.emplace_back();
    entries_.back().Name = std::string(name);
    index_.emplace(std::string(name), i);
  }
  TResource& e = entries_[std::size_t(i)];
  DeleteFile(e.FileName);
  e.FileName.clear();
  e.Text = std::string(data);
  if (pictures_) pictures_->Forget(name);
}

void TResourceManager::RememberDecodedPictures(bool on) {
  if (!on)
    pictures_.reset();
  else if (!pictures_)
    pictures_ = std::make_unique<TDecodedPictureMemo>();
}

bool TResourceManager::DecodePicture(std::string_view name, const PictureDecoder& decoder,
                                     TDecodedPicture& out) {
  const int i = IndexOf(name);
  if (i < 0) {
    out = TDecodedPicture{};
    return false;
  }
  const std::string& bytes = entries_[std::size_t(i)].Text;
  if (pictures_) return pictures_->Decode(name, bytes, decoder, out);
  return decoder.Decode(bytes, out);
}

std::string TResourceManager::GetData(std::string_view name) const {
  return GetDataByIndex(IndexOf(name));
}

std::string TResourceManager::GetDataByIndex(int index) const {
  if (index < 0 || index >= Count()) return {};
  return entries_[std::size_t(index)].Text;
}

std::string TResourceManager::GetFileName(std::string_view name) {
  int i = IndexOf(name);
  if (i < 0) return std::string(name);
  TResource& e = entries_[std::size_t(i)];
  if (!e.FileName.empty()) return e.FileName;
  EnsureFolder(name);
  std::string path = UniquePath(name);
  if (!WriteFileString(path, e.Text)) Failed(name);
  e.FileName = path;
  return path;
}

void TResourceManager::EnsureFolder(std::string_view forName) {
  if (!folder_.empty()) return;
  const char* tmp = std::getenv("TMPDIR");
  std::string base = tmp && *tmp ? tmp : "/tmp";
  if (base.size() > 1 && base.back() == '/') base.pop_back();
  std::string pattern = base + "/QrrnRes-XXXXXX";
  // mkdtemp makes a new folder with a name nobody could predict, readable only by us.
  if (::mkdtemp(pattern.data()) == nullptr) Failed(forName);
  folder_ = pattern;
}

// Names that differ only in the characters a file name cannot hold share a safe name;
// such entries get a numbered variant so each keeps its own data.
std::string TResourceManager::UniquePath(std::string_view name) const {
  std::string safe = SafeFileName(name);
  std::string path = folder_ + "/" + safe;
  auto dot = safe.find_last_of('.');
  std::string stem = dot == std::string::npos || dot == 0 ? safe : safe.substr(0, dot);
  std::string ext = dot == std::string::npos || dot == 0 ? "" : safe.substr(dot);
  for (int n = 2; Exists(path); ++n) path = folder_ + "/" + stem + "-" + std::to_string(n) + ext;
  return path;
}

void TResourceManager::RemoveFolder() {
  if (folder_.empty()) return;
  ::rmdir(folder_.c_str());
  folder_.clear();
}
