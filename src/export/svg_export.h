#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

class TQuarrionCanvas;

// What an SVG export wrote.
struct TSVGExportReport {
  std::size_t SVGBytes = 0;             // length of the SVG text written
  std::vector<std::string> SideFiles;   // names of the pictures written beside it
};

// Progress texts of the export ("Saving SVG ...", "Saving resource NAME ...").
using TSVGExportStatus = std::function<void(const std::string& text)>;

// Exports the document of `canvas` as an SVG slide show to `path` and writes its pictures
// into the same folder. Every file is replaced atomically. The pictures' names come from
// the document and are untrusted: they are reduced to plain, portable, unique file names,
// never leave the folder and never replace the SVG file itself; an existing symbolic link
// in their place is not followed.
// False with `error` set when the SVG could not be written (nothing else is written then)
// or when one or more pictures could not be (the SVG and the other pictures are written).
bool WriteSVGExport(TQuarrionCanvas& canvas, const std::string& path, std::string* error,
                    TSVGExportReport* report = nullptr, const TSVGExportStatus& onStatus = {});
