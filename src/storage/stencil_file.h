#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/file_result.h"
#include "model/pdf_object.h"

class TLookupTableManager;

// A named group of objects with an icon, kept in the stencil panel.
struct TStencil {
  std::string Caption;   // Windows-1252
  int Icon = 0;          // index into the stencil icons
  TPDFObjects Objects;
  bool BuiltIn = false;  // made by the program at start; never stored in the file
};

// What one byte can hold: the caption's length, the icon index and the object count.
inline constexpr std::size_t kMaxStencilCaption = 255;
inline constexpr std::size_t kMaxStencilObjects = 255;
inline constexpr int kMaxStencilIcon = 255;

// The file image of the stencils that are not built in, before the byte substitution:
// "QST", 1, the package name, then per stencil its caption, icon, object count and object
// records. Throws SaveRangeError naming the stencil when one does not fit the format.
std::string WriteStencilImage(const std::vector<TStencil>& stencils,
                              const TLookupTableManager& registry);

// Appends the stencils held in `image` to `into`. Reading stops at the first damage (a
// wrong magic, a record ending early, an unregistered class): the stencils read before it
// stay, the damaged one is dropped, and the result fails with the reason. Bytes is the
// image's length on success.
TFileResult ReadStencilImage(std::string_view image, const TLookupTableManager& registry,
                             std::vector<TStencil>& into);

// Stores the user stencils of `stencils` (built-in ones are skipped) in the stencil file
// at `path`, replacing it atomically. Limits are checked before anything is written.
TFileResult SaveStencilFile(const std::string& path, const std::vector<TStencil>& stencils,
                            const TLookupTableManager& registry);

// Appends the stencils of the file at `path` to `into`. A missing file is no error and
// loads nothing (Bytes 0); a file that exists but cannot be read is an error.
TFileResult LoadStencilFile(const std::string& path, const TLookupTableManager& registry,
                            std::vector<TStencil>& into);
