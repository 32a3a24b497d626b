#pragma once

#include <string>

#include "base/file_result.h"

class TQuarrionCanvas;

// Writes the PDF slide show of `canvas` to `path`, replacing the file atomically. A target
// that cannot be written fails at once, before the PDF is generated and without progress
// text. Progress: "Generating PDF code ...", "Saving PDF ...", then "<n> bytes written to
// <path>", or an empty text when the write failed. Bytes is the length of the PDF.
TFileResult ExportPDF(TQuarrionCanvas& canvas, const std::string& path,
                      const TProgress& progress = {});
