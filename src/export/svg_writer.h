#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "export/pdf_outline.h"
#include "model/pdf_types.h"
#include "model/quarrion_canvas.h"

class TSVGSideFiles;

// Turns the document of a work area into one interactive SVG slide show: every slide a
// group of which one is visible at a time, a script that switches them (buttons, links,
// outline entries, keys), the navigation pane and the outline pane. Pictures are not
// embedded: they come back as side files to be written beside the SVG, under names that
// are safe and unique (the image elements are made to refer to those names).
class TSVGWriter {
 public:
  explicit TSVGWriter(TQuarrionCanvas& canvas) : canvas_(canvas) {}

  // A file name no side file may take (the SVG file's own name).
  void ReserveFileName(std::string_view name) { reserved_.emplace_back(name); }

  // Replaces `output` with the SVG text and `sideFiles` with the files to write beside it.
  void Write(std::string& output, TResources& sideFiles);

 private:
  void Writing(TPDFSection section, int code);
  void Written(TPDFSection section, int code);
  void PrepareObjects();
  void WriteHeader(std::string& out, int width, int height, int slides);
  void WriteInfo(std::string& out);
  void WriteDefinitions(std::string& out, TResources& sideFiles);
  void WriteBackgroundDefinition(std::string& out, const std::vector<std::string>& idsTaken);
  void AddObjectResources(TPDFObject& obj, std::string& definitions,
                          std::vector<std::string>& ids, TSVGSideFiles& sideFiles);
  void WritePages(std::string& out);
  void AppendObjectCode(TPDFObject& obj, std::string& out);
  void WriteNavigationPane(std::string& out);
  TPDFOutline BuildOutline();
  void WriteOutlinePane(std::string& out, const TPDFOutline& outline);

  TQuarrionCanvas& canvas_;
  std::vector<std::string> reserved_;
  std::string backgroundName_;  // id of the background gradient, "" for a colour
  // Side files an object asked for that went out under another name: the object's
  // references are rewritten to that name wherever its code is written.
  std::unordered_map<const TPDFObject*, std::vector<std::pair<std::string, std::string>>> renamed_;
};
