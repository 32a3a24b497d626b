// Writes the sample deck as an SVG slide show for the browser test:
//   write_svg_show OUT.svg [--full-screen]
#include <cstdio>
#include <cstring>
#include <string>

#include "export/svg_export.h"
#include "export/svg_sample_deck.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3 || (argc == 3 && std::strcmp(argv[2], "--full-screen") != 0)) {
    std::fprintf(stderr, "usage: write_svg_show OUT.svg [--full-screen]\n");
    return 2;
  }
  TQuarrionCanvas canvas;
  BuildSvgSampleDeck(canvas);
  canvas.FullScreen = argc == 3;
  std::string error;
  if (!WriteSVGExport(canvas, argv[1], &error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  return 0;
}
