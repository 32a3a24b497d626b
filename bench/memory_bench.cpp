// Peak memory for the 255-page benchmark deck: loading it, holding it, exporting it as PDF
// and SVG, each measured in a fresh process so earlier work does not hide the peak; and the
// designer holding it (figures from the start-up benchmark). Given beside the size of the
// document image, the bytes the document is made of.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>

#include "bench_deck.h"
#include "export/pdf_export.h"
#include "export/svg_export.h"
#include "model/quarrion_canvas.h"
#include "process_memory.h"
#include "sibling_program.h"
#include "storage/document_file.h"
#include "storage/document_image.h"
#include "storage/lookup_table_manager.h"

namespace {
// The growth of the peak from `base`, in kilobytes, and the peak started again.
long long PeakAbove(long long baseKB) {
  const long long peak = ReadProcessMemory().PeakKB - baseKB;
  ResetPeakMemory();
  return peak;
}

void Line(const char* what, double kb, double imageBytes) {
  std::printf("  %-46s %8.1f MB  %6.1f x the image\n", what, kb / 1024, kb * 1024 / imageBytes);
}
}  // namespace

// Loads the document at `path`, then exports it next to it, printing the figures.
int RunMemoryChild(const std::string& path) {
  TLookupTableManager registry;
  RegisterBuiltinClasses(registry);
  ResetPeakMemory();
  const long long start = ReadProcessMemory().ResidentKB;
  TQuarrionCanvas canvas;
  if (!LoadDocument(canvas, path, registry).Ok()) return 1;
  const long long loadPeak = PeakAbove(start);
  const long long holding = ReadProcessMemory().ResidentKB - start;
  canvas.Compressed = true;
  if (!ExportPDF(canvas, path + ".pdf").Ok()) return 1;
  const long long pdfPeak = PeakAbove(start + holding);
  if (!ExportSVG(canvas, path + ".svg").Ok()) return 1;
  const long long svgPeak = PeakAbove(start + holding);
  std::printf("figure: load-peak-kb %lld\nfigure: holding-kb %lld\n", loadPeak, holding);
  std::printf("figure: pdf-peak-kb %lld\nfigure: svg-peak-kb %lld\n", pdfPeak, svgPeak);
  return 0;
}

void RunMemoryBench(const std::map<std::string, double>& designer) {
  TLookupTableManager registry;
  RegisterBuiltinClasses(registry);
  TQuarrionCanvas canvas;
  BuildCanvas(MakeBenchDeck(), canvas);
  std::string image;
  WriteDocumentImage(canvas, registry, image, {});
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("quarrion-memory-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  const std::string path = (folder / "deck.qsl").string();
  if (!SaveDocument(canvas, path, registry).Ok()) return;

  std::printf("Memory, the benchmark deck (document image %zu bytes), each a fresh process:\n",
              image.size());
  const auto f = RunSibling(std::filesystem::path(SelfPath()).filename(), "--memory-child '" + path + "'");
  const double bytes = double(image.size());
  if (f.count("load-peak-kb")) {
    Line("load, peak above the process before it", f.at("load-peak-kb"), bytes);
    Line("holding the loaded document", f.at("holding-kb"), bytes);
    Line("PDF export (compressed), peak above holding", f.at("pdf-peak-kb"), bytes);
    Line("SVG export, peak above holding", f.at("svg-peak-kb"), bytes);
  }
  if (designer.count("gui-peak-deck-kb") && designer.count("gui-peak-empty-kb"))
    Line("the designer showing it, above an empty one",
         designer.at("gui-peak-deck-kb") - designer.at("gui-peak-empty-kb"), bytes);
  std::error_code error;
  std::filesystem::remove_all(folder, error);
}
