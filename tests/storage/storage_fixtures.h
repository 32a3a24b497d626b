#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/quarrion_canvas.h"
#include "storage/lookup_table_manager.h"

// A folder of its own under the temporary folder, removed with its contents.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& Path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }
  // Names of the entries in the folder, sorted.
  std::vector<std::string> List() const;

 private:
  std::string path_;
};

const TLookupTableManager& BuiltinRegistry();
void WriteRaw(const std::string& path, const std::string& bytes);
std::string ReadRaw(const std::string& path);

// Compressed document content as the file holds it before the byte substitution: the
// envelope announcing `length` image bytes, then `stream`.
std::string EnvelopeOf(std::uint32_t length, const std::string& stream);

// The document image of `canvas`.
std::string ImageOf(TQuarrionCanvas& canvas);
// A canvas's document after a save and a load, as an image.
std::string ReloadedImage(TQuarrionCanvas& canvas, TQuarrionCanvas& into);

// A document using every feature of the format: masters, outline texts, page size and
// options, objects of every registered class (with a gradient and an attached link on a
// rectangle), a deleted object, a gradient background and resources.
void BuildRichDocument(TQuarrionCanvas& canvas);
// One page holding one default object of the registered class `entry`.
void BuildSingleObjectDocument(TQuarrionCanvas& canvas, const TLookupTableManager::Entry& entry);
