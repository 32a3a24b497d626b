#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "model/pdf_types.h"

// The files an SVG export writes beside the SVG file (the pictures). Their names come
// from documents, which are untrusted: a name may carry folders, be "..", hold bytes a
// file system or a URL cannot take, or clash with another picture of the same name.
// Every name given out here is a plain file name made of portable characters, unique
// within one export (ignoring case, for file systems that do), and never a reserved one.
class TSVGSideFiles {
 public:
  explicit TSVGSideFiles(TResources& files) : files_(files) {}

  // The name part of `fileName` (after the last "/" or "\") with every character that is
  // not portable replaced by "_", trailing dots and blanks removed (Windows drops them)
  // and shortened to a length every file system takes. "" when nothing usable is left
  // ("", ".", "..").
  static std::string SafeName(std::string_view fileName);

  // Keeps `name` (the SVG file's own, say) from being given to a side file.
  void Reserve(std::string_view name);

  // Adds a file to the list unless the same bytes already went out under the same name.
  // Returns the name the file is written under, which differs from its own when the
  // name was unsafe or taken by other bytes; "" when its name is unusable (not added).
  std::string Add(TResource file);

 private:
  std::string UniqueName(const std::string& safe);

  TResources& files_;
  std::unordered_set<std::string> taken_;  // folded names given out or reserved
  // Folded requested name + hash of the bytes -> index in files_: finds the picture that
  // already went out, under whatever name it was given.
  std::unordered_map<std::string, std::size_t> written_;
  std::unordered_map<std::string, int> nextSuffix_;     // folded name -> next number to try
};
