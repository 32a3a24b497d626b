#pragma once

#include <string>

#include "model/quarrion_canvas.h"
#include "storage/lookup_table_manager.h"

// One document as the command-line tool handles it: a canvas with the class registry.
class CliDocument {
 public:
  CliDocument();
  TQuarrionCanvas& Canvas() { return canvas_; }
  const TLookupTableManager& Registry() const { return registry_; }
  // The class registry of the process: the built-in kinds and those plug-ins add.
  static TLookupTableManager& ProcessRegistry();

  // False with Error() set to "Load failed: <reason>".
  bool Load(const std::string& path);
  // False with Error() set to "Save failed: <reason>".
  bool Save(const std::string& path);
  const std::string& Error() const { return error_; }

 private:
  TLookupTableManager& registry_;
  TQuarrionCanvas canvas_;
  std::string error_;
};
