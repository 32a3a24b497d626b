// Writes a show for the browser test:
//   write_svg_show OUT.svg [--full-screen]   the sample deck
//   write_svg_show OUT.svg --fonts LINES     one slide of text in every Latin face, and in
//                                            LINES the width the layout gave each text
//                                            line, one a line, in the order of the file
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>

#include "base/number_format.h"
#include "export/svg_export.h"
#include "export/svg_sample_deck.h"
#include "text/text.h"

namespace {
// Plain, bold and italic runs with wide and narrow letters, so a substituted font of
// other widths shows in every face.
constexpr const char* kSample = "Quarterly <b>figures WWW</b> and <i>forecasts mmm</i> iiil";

bool BuildFontDeck(TQuarrionCanvas& canvas, const char* linesPath) {
  canvas.FullScreen = true;
  std::string widths;
  for (int face = 0; face < 3; ++face) {
    TTextFont font;
    font.FontFace = face;
    font.FontSize = 20000;
    auto* text = static_cast<TPDFText*>(canvas.Add(
        std::make_unique<TPDFText>(font, kSample, 20, 20 + 90 * face, 420, 100 + 90 * face)));
    for (const auto& line : text->Layout(&canvas).Lines) {
      AppendShortest(widths, line.Width);
      widths.push_back('\n');
    }
  }
  std::ofstream out(linesPath, std::ios::binary);
  out << widths;
  return bool(out.flush());
}
}  // namespace

int main(int argc, char** argv) {
  const bool fonts = argc == 4 && std::strcmp(argv[2], "--fonts") == 0;
  const bool fullScreen = argc == 3 && std::strcmp(argv[2], "--full-screen") == 0;
  if (argc < 2 || (argc > 2 && !fonts && !fullScreen)) {
    std::fprintf(stderr, "usage: write_svg_show OUT.svg [--full-screen | --fonts LINES]\n");
    return 2;
  }
  TQuarrionCanvas canvas;
  if (fonts) {
    if (!BuildFontDeck(canvas, argv[3])) {
      std::fprintf(stderr, "cannot write %s\n", argv[3]);
      return 1;
    }
  } else {
    BuildSvgSampleDeck(canvas);
    canvas.FullScreen = fullScreen;
  }
  std::string error;
  if (!WriteSVGExport(canvas, argv[1], &error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  return 0;
}
