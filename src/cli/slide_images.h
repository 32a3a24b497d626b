#pragma once

#include <string>

#include "model/draw_context.h"

class TQuarrionCanvas;

inline constexpr int DefaultSlideImageWidth = 864;

// Renders every slide (with its master page beneath) to OUTDIR/slide-NNN.png, numbered
// from 001 in slide order: as the audience sees it in show mode, with guides and link
// frames in work-area mode. The folder is created when missing. False with `error` set
// when a file cannot be written.
bool WriteSlideImages(TQuarrionCanvas& canvas, const std::string& outDir, int width, TDrawMode mode,
                      std::string* error);
