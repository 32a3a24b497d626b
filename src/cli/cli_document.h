#pragma once

#include <iosfwd>
#include <string>

#include "model/quarrion_canvas.h"
#include "storage/lookup_table_manager.h"

// One document as the command-line tool handles it: a canvas with the class registry.
// A path of "-" stands for standard input or output, given as `stdIn` or `stdOut`.
class CliDocument {
 public:
  CliDocument();
  TQuarrionCanvas& Canvas() { return canvas_; }
  const TLookupTableManager& Registry() const { return registry_; }
  // The class registry of the process: the built-in kinds and those plug-ins add.
  static TLookupTableManager& ProcessRegistry();

  // A ".qsl" document or a JSON deck, told apart by content. False with Error() set to
  // "Load failed: <reason>".
  bool Load(const std::string& path, std::istream* stdIn = nullptr);
  // A JSON deck only. False with Error() set to "<path>: <reason>".
  bool LoadJson(const std::string& path, std::istream* stdIn = nullptr);
  // False with Error() set to "Save failed: <reason>".
  bool Save(const std::string& path, std::ostream* stdOut = nullptr);
  const std::string& Error() const { return error_; }

  // JSON begins with "{" after any blanks; a ".qsl" file never does.
  static bool LooksLikeJson(const std::string& bytes);

 private:
  bool ReadInput(const std::string& path, std::istream* stdIn, std::string& bytes);
  bool FromJsonBytes(const std::string& path, const std::string& bytes);

  TLookupTableManager& registry_;
  TQuarrionCanvas canvas_;
  std::string error_;
};
