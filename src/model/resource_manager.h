#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>

#include "model/decoded_picture_memo.h"
#include "model/pdf_types.h"

// A temporary file of the resource store could not be written.
class ResourceIOError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The document's store of named blobs: the bytes of embedded pictures and the saved
// background gradient. The blobs travel inside the document file; a blob is written out
// as a temporary file only when a consumer asks for a real path.
//
// The temporary files live in a private folder of this store (mode 0700, made on the
// first request for a path) and are removed, with the folder, when the store is destroyed.
// Each entry is a TResource: Name is the key, Text the data, FileName the temporary file.
class TResourceManager {
 public:
  TResourceManager() = default;
  ~TResourceManager();
  TResourceManager(const TResourceManager&) = delete;
  TResourceManager& operator=(const TResourceManager&) = delete;
  // Takes over the other store's entries and folder; this store's own files are deleted.
  TResourceManager(TResourceManager&& other) noexcept;
  TResourceManager& operator=(TResourceManager&& other) noexcept;

  // Deletes every entry, last to first, with its temporary file.
  void Clear();
  // Deletes one entry and its temporary file; ignored for an index out of range.
  void Delete(int index);
  int IndexOf(std::string_view name) const;
  // Sets the data of the entry with that name (forgetting its old temporary file) or
  // appends a new entry.
  void Add(std::string_view name, std::string_view data);
  void Remove(std::string_view name) { Delete(IndexOf(name)); }
  std::string GetData(std::string_view name) const;
  std::string GetDataByIndex(int index) const;
  // A path holding the entry's data, written on the first request. A name that is not in
  // the store comes back unchanged (the caller then uses it as an ordinary path).
  // Throws ResourceIOError ("Resource <name> failed") when the file cannot be written.
  std::string GetFileName(std::string_view name);

  // While on, each stored picture is decoded once and copied to every image that shows
  // it (reading a document); turning it off forgets the pixels.
  void RememberDecodedPictures(bool on);
  // What `decoder` makes of the entry `name`. False (with `out` emptied) when the entry
  // is missing or does not decode.
  bool DecodePicture(std::string_view name, const PictureDecoder& decoder, TDecodedPicture& out);

  int Count() const { return int(entries_.size()); }
  bool Empty() const { return entries_.empty(); }
  const TResource& Entry(int index) const { return entries_[std::size_t(index)]; }
  // The private folder, or empty while no temporary file was needed yet.
  const std::string& Folder() const { return folder_; }

 private:
  void EnsureFolder(std::string_view forName);
  std::string UniquePath(std::string_view name) const;
  void RemoveFolder();

  TResources entries_;
  // Name to position, so that adding the entries of a large document stays linear.
  std::unordered_map<std::string, int> index_;
  std::string folder_;
  std::unique_ptr<TDecodedPictureMemo> pictures_;  // only while remembering
};
