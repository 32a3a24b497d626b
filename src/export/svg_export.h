#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "base/file_result.h"

class TQuarrionCanvas;

// What an SVG export wrote.
struct TSVGExportReport {
  std::size_t SVGBytes = 0;             // length of the SVG text written
  std::vector<std::string> SideFiles;   // names of the pictures written beside it
};

// Progress texts of the export ("Saving SVG ...", "Saving resource NAME ...").
using TSVGExportStatus = TProgress;

// Exports the document of `canvas` as an SVG slide show to `path` and writes its pictures
// into the same folder. Every file is replaced atomically. The pictures' names come from
// the document and are untrusted: they are reduced to plain, portable, unique file names,
// never leave the folder and never replace the SVG file itself; an existing symbolic link
// in their place is not followed.
// False with `error` set when the SVG could not be written (nothing else is written then)
// or when one or more pictures could not be (the SVG and the other pictures are written).
bool WriteSVGExport(TQuarrionCanvas& canvas, const std::string& path, std::string* error,
                    TSVGExportReport* report = nullptr, const TSVGExportStatus& onStatus = {});

// The file command around WriteSVGExport: a target that cannot be written fails at once,
// before the SVG is generated and without progress text. Progress: "Generating SVG code
// ...", the texts of WriteSVGExport, then "<n> bytes written to <path>" (n counts the SVG
// text only), or an empty text on failure. A picture that could not be written fails the
// result too, with the SVG written.
TFileResult ExportSVG(TQuarrionCanvas& canvas, const std::string& path,
                      const TProgress& progress = {});
