// Arbitrary bytes as the text of a text object: the markup scanner in both modes, the
// wrapper in a few box widths, and the PDF and SVG code must all end normally, and the
// wrapper may only add line breaks.
#include <cstddef>
#include <cstdint>
#include <string>

#include "model/quarrion_canvas.h"
#include "text/text.h"

namespace {
// Wrapping inserts line feeds (and drops the spaces it breaks at); it never invents other
// characters, so everything else must come through in order.
bool OnlyBreaksAdded(const std::string& display, const std::string& wrapped) {
  std::size_t j = 0;
  for (char c : wrapped) {
    if (c == '\n' || c == '\r') continue;
    while (j < display.size() && display[j] != c) ++j;
    if (j == display.size()) return false;
    ++j;
  }
  return true;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > MaxTextLength) return 0;
  const std::string markup(reinterpret_cast<const char*>(data), size);
  TQuarrionCanvas canvas;
  canvas.DocumentInfo.Title = "Fuzz";
  canvas.SetPDFState("rg", "1 1 1");
  for (int width : {1, 60, 300}) {
    TPDFText text(20, 20, 20 + width, 200);
    text.Alignment = std::uint8_t(width % 3);
    text.Bulleted = width == 60;
    text.SetText(markup);
    text.ProcessMarkup(markup, false, &canvas);
    const std::string display = text.ProcessMarkup(markup, true, &canvas);
    if (!OnlyBreaksAdded(display, text.WrapText(display))) __builtin_trap();
    std::string out;
    text.PDFCode(canvas, out);
    text.SVGCode(canvas, out);
    text.RebuildLinks(canvas);
  }
  return 0;
}
