#pragma once

#include <string>

#include "model/quarrion_canvas.h"
#include "support/recording_surface.h"

// A work area at 100 % (one pixel per point, origin at the page corner) drawing onto a
// recording surface, with a fresh graphics-state cache.
struct Desk {
  Desk() {
    canvas.ZoomX = canvas.ZoomY = 1000;
    canvas.SetSecondCanvas(&surface);
    canvas.OnLog = [this](const std::string& s) { log.push_back(s); };
  }
  template <class T>
  std::string PDF(T& obj) {
    std::string s;
    obj.PDFCode(canvas, s);
    return s;
  }
  template <class T>
  std::string SVG(T& obj) {
    std::string s;
    obj.SVGCode(canvas, s);
    return s;
  }
  // Adds slides (or masters) behind the existing pages.
  void AppendPages(std::initializer_list<bool> masters) {
    for (bool m : masters) canvas.AddPage(canvas.PageCount(), true, m);
  }

  TQuarrionCanvas canvas;
  RecordingSurface surface;
  std::vector<std::string> log;
};
