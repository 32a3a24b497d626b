// The large deck, side by side in one run: Quarrion's exports, save, load and text layout;
// the floors for the same work (zlib over the same content streams, inflate of the same
// document image, one copy of the output); and cairo's PDF surface drawing the same deck.
#include <sys/resource.h>
#include <zlib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>
#include <unistd.h>

#include "bench_deck.h"
#include "bench_goal.h"
#include "bench_timing.h"
#include "base/ordered_work_queue.h"
#include "cairo_peer.h"
#include "model/quarrion_canvas.h"
#include "storage/document_file.h"
#include "base/file_helpers.h"
#include "storage/lookup_table_manager.h"
#include "text/text.h"

double PeakMemoryMB() {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024.0;
}

namespace {
constexpr int kRuns = 7;
// Loading and inflating take a couple of milliseconds: more runs steady their medians.
constexpr int kShortRuns = 41;

// The content streams of an uncompressed export (they alone have a bare /Length).
std::vector<std::string> ContentStreams(const std::string& pdf) {
  std::vector<std::string> streams;
  const std::string head = " 0 obj <</Length ";
  for (std::size_t pos = pdf.find(head); pos != std::string::npos; pos = pdf.find(head, pos)) {
    pos += head.size();
    const std::size_t length = std::size_t(std::atoll(pdf.c_str() + pos));
    pos = pdf.find(">> stream\n", pos) + 10;
    streams.push_back(pdf.substr(pos, length));
    pos += length;
  }
  return streams;
}

double DeflateAll(const std::vector<std::string>& streams) {
  std::vector<unsigned char> buffer;
  return MedianSeconds(kRuns, [&] {
    for (const std::string& s : streams) {
      uLongf size = compressBound(uLong(s.size()));
      if (buffer.size() < size) buffer.resize(size);
      compress2(buffer.data(), &size, reinterpret_cast<const Bytef*>(s.data()), uLong(s.size()), 9);
    }
  });
}

void Row(const char* what, double seconds, double floor, const char* floorName, double peer) {
  std::printf("  %-34s %9.2f ms", what, seconds * 1e3);
  if (floor > 0) std::printf("  %6.2f x %s", seconds / floor, floorName);
  if (peer > 0) std::printf("  cairo / this %6.1f", peer / seconds);
  std::printf("\n");
}

// The rows of the compressed export's scaling table: against zlib alone and against
// the same export on one thread.
void ScalingRow(const char* what, double seconds, double zlib, double serial) {
  std::printf("  %-34s %9.2f ms  %6.2f x zlib -9 on its streams  %5.2f x faster than 1 thread\n",
              what, seconds * 1e3, seconds / zlib, serial / seconds);
}

// 1, 2 and all cores, each once; the last is what an export uses by default.
std::vector<int> ThreadCounts() {
  const int cores = TOrderedWorkQueue::DefaultThreads();
  std::vector<int> counts = {1};
  if (cores >= 2) counts.push_back(2);
  if (cores > 2) counts.push_back(cores);
  return counts;
}

void Check(const TFileResult& r, const char* what) {
  if (r.Ok()) return;
  std::fprintf(stderr, "%s failed: %s\n", what, r.Message.c_str());
  std::exit(1);
}

// Wraps and measures every text of the deck, as an export does before writing.
void LayoutAll(TQuarrionCanvas& canvas) {
  for (auto& page : canvas.Pages())
    for (auto& obj : page.Objects)
      if (auto* text = dynamic_cast<TPDFText*>(obj.get())) text->Layout(&canvas);
}
}  // namespace

void RunDeckBench() {
  const TDeck deck = MakeBenchDeck();
  TQuarrionCanvas canvas;
  BuildCanvas(deck, canvas);
  TLookupTableManager registry;
  RegisterBuiltinClasses(registry);
  std::printf("Deck: %zu slides and a master, %zu objects, median of %d runs (load and inflate: %d)\n",
              deck.Pages.size() - 1, deck.ObjectCount(), kRuns, kShortRuns);

  std::string pdf, packed, svg, cairoPdf;
  pdf.reserve(8 << 20);
  canvas.Compressed = false;
  const double plain = MedianSeconds(kRuns, [&] { canvas.GeneratePDF(pdf); });
  const std::vector<std::string> streams = ContentStreams(pdf);
  // The compressed export with 1, 2 and all cores; the last is the default.
  canvas.Compressed = true;
  const std::vector<int> threadCounts = ThreadCounts();
  std::vector<double> compressedBy;
  for (int threads : threadCounts) {
    canvas.ExportThreads = threads;
    compressedBy.push_back(MedianSeconds(kRuns, [&] { canvas.GeneratePDF(packed); }));
  }
  canvas.ExportThreads = 0;
  const double compressed = compressedBy.back();
  TResources sideFiles;
  const double svgTime = MedianSeconds(kRuns, [&] {
    sideFiles.clear();
    canvas.GenerateSVG(svg, sideFiles);
  });
  const double layout = MedianSeconds(kRuns, [&] { LayoutAll(canvas); });

  const std::string path = "/tmp/quarrion-bench-" + std::to_string(::getpid()) + ".qsl";
  const double save = MedianSeconds(kRuns, [&] { Check(SaveDocument(canvas, path, registry), "save"); });
  // Loading ends with the document in the canvas; dropping it is timed on its own below.
  std::optional<TQuarrionCanvas> loaded;
  const double load = MedianSecondsAfter(
      kShortRuns, [&] { loaded.emplace(); }, [&] { Check(LoadDocument(*loaded, path, registry), "load"); });
  const double loadAndDrop = MedianSeconds(kShortRuns, [&] {
    TQuarrionCanvas canvas;
    Check(LoadDocument(canvas, path, registry), "load");
  });
  loaded.reset();
  const std::string file = ReadFileString(path);
  ::unlink(path.c_str());
  std::string image;
  WriteDocumentImage(canvas, registry, image, {});

  const double deflateStreams = DeflateAll(streams);
  std::string deflated;
  const double deflateImage = MedianSeconds(kRuns, [&] { deflated = CompressString(image); });
  // The floor is zlib's own inflate, check value and all; ours (the same zlib with a
  // vectorised check value) is shown beside it.
  std::string inflated(image.size(), '\0');
  const double inflateImage = MedianSeconds(kShortRuns, [&] {
    uLongf length = inflated.size();
    uncompress(reinterpret_cast<Bytef*>(inflated.data()), &length,
               reinterpret_cast<const Bytef*>(deflated.data()), deflated.size());
  });
  if (inflated != image) std::printf("  zlib's inflate of the image gave other bytes\n");
  const double ownInflate =
      MedianSeconds(kShortRuns, [&] { inflated = DecompressString(deflated, image.size()); });
  std::string copy;
  copy.reserve(pdf.size());
  const double copyOnce = MedianSeconds(kRuns, [&] { copy.assign(pdf); });
  const double copySvg = MedianSeconds(kRuns, [&] { copy.assign(svg); });
  const double cairo = MedianSeconds(3, [&] { DrawDeckWithCairo(deck, cairoPdf); });

  Row("PDF export, plain", plain, copyOnce, "one copy", cairo);
  Row("PDF export, compressed", compressed, deflateStreams, "zlib -9 on its streams", cairo);
  for (std::size_t i = 0; i < threadCounts.size(); ++i) {
    const std::string what = "  compressed, " + std::to_string(threadCounts[i]) + " thread" +
                             (threadCounts[i] == 1 ? "" : "s");
    ScalingRow(what.c_str(), compressedBy[i], deflateStreams, compressedBy.front());
  }
  Row("SVG export", svgTime, copySvg, "one copy", 0);
  Row("save", save, deflateImage, "zlib -9 on the image", 0);
  Row("load", load, inflateImage, "inflate of the image", 0);
  Row("  load, then drop the document", loadAndDrop, inflateImage, "inflate of the image", 0);
  Row("text layout of the whole deck", layout, 0, "", 0);
  Row("floor: zlib -9 on the content streams", deflateStreams, 0, "", 0);
  Row("floor: zlib -9 on the document image", deflateImage, 0, "", 0);
  Row("floor: inflate of the document image", inflateImage, 0, "", 0);
  Row("  inflate as the load does it", ownInflate, inflateImage, "zlib's inflate", 0);
  Row("floor: one copy of the plain PDF", copyOnce, 0, "", 0);
  Row("peer: cairo PDF surface", cairo, 0, "", 0);
  std::printf("  sizes: plain PDF %zu, compressed PDF %zu, SVG %zu, cairo PDF %zu, document %zu"
              " (image %zu), %zu content streams of %zu bytes\n",
              pdf.size(), packed.size(), svg.size(), cairoPdf.size(), file.size(), image.size(),
              streams.size(), [&] { std::size_t n = 0; for (auto& s : streams) n += s.size(); return n; }());
  ReportGoal("PDF export, plain, against cairo", plain / cairo, "cairo's PDF surface", 0.1);
  ReportGoal("PDF export, compressed", compressed / deflateStreams, "zlib -9 on its streams", 0.7);
  ReportGoal("save", save / deflateImage, "zlib -9 on the image", 1.3);
  ReportGoal("load", load / inflateImage, "inflate of the image", 1.5);
  std::printf("  peak memory so far: %.0f MB\n", PeakMemoryMB());
}
