#pragma once

#include <string>

class TQuarrionCanvas;

inline constexpr int DefaultSlideImageWidth = 864;

// Renders every slide (with its master page beneath) to OUTDIR/slide-NNN.png, numbered
// from 001 in slide order. The folder is created when missing. False with `error` set
// when a file cannot be written.
bool WriteSlideImages(TQuarrionCanvas& canvas, const std::string& outDir, int width, std::string* error);
