// PDF export of a full-size deck: 255 slides over a master page, a few dozen boxes each
// (some with gradients and shadows), plain and compressed, against the time zlib alone
// needs for the same content streams.
#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "export/number_format.h"
#include "model/quarrion_canvas.h"
#include "objects/gradient.h"
#include "objects/rectangle.h"

namespace {

constexpr int kSlides = 255;
constexpr int kBoxesPerSlide = 36;
constexpr int kMasterBoxes = 12;
constexpr int kRuns = 7;

void AddBox(TQuarrionCanvas& canvas, int page, int i) {
  const int left = (i * 37) % 380, top = (i * 23) % 280;
  auto box = std::make_unique<TPDFRectangle>(left, top, left + 20 + i % 30, top + 15 + i % 20);
  box->FillColour = TColor(0x010203 * (i % 80));
  box->OutlineColour = TColor(0x102030 + i);
  box->LineWidth = i % 4;
  box->Shadow = i % 5 == 0;
  if (i % 3 == 0) {
    auto g = std::make_unique<TPDFGradient>(0, 0, 0, 0);
    g->Start.Colour = TColor(0x0000FF + i);
    g->End.Colour = TColor(0xFF0000 - i);
    g->ShadingType = i % 2 ? 2 : 3;
    box->SetGradient(std::move(g));
  }
  box->PageIndex = page;
  box->SetOwner(&canvas);
  canvas.Pages()[std::size_t(page)].Objects.push_back(std::move(box));
}

void BuildDeck(TQuarrionCanvas& canvas) {
  auto& pages = canvas.Pages();
  pages.clear();
  TPage master;
  master.IsMaster = true;
  pages.push_back(std::move(master));
  for (int i = 0; i < kMasterBoxes; ++i) AddBox(canvas, 0, 1000 + i);
  for (int s = 0; s < kSlides; ++s) {
    TPage slide;
    if (s % 10 == 0) {
      slide.MajorEntry = "Part ";
      AppendInt(slide.MajorEntry, s / 10);
    }
    slide.MinorEntry = "Slide ";
    AppendInt(slide.MinorEntry, s);
    pages.push_back(std::move(slide));
    for (int i = 0; i < kBoxesPerSlide; ++i) AddBox(canvas, s + 1, s * kBoxesPerSlide + i);
  }
  canvas.ShowOutlines = true;
}

double Seconds(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double>(d).count();
}

template <class F>
double MedianSeconds(F&& f) {
  std::vector<double> times;
  for (int r = 0; r < kRuns; ++r) {
    const auto start = std::chrono::steady_clock::now();
    f();
    times.push_back(Seconds(std::chrono::steady_clock::now() - start));
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

// The content streams of an uncompressed export, found in file order.
std::vector<std::string> ContentStreams(const std::string& pdf) {
  std::vector<std::string> streams;
  std::size_t pos = 0;
  for (int k = 0; k < kSlides; ++k) {
    std::string head = "\n";
    AppendInt(head, 5 + 2 * k);
    head.append(" 0 obj <</Length ");
    pos = pdf.find(head, pos);
    if (pos == std::string::npos) break;
    pos += head.size();
    const std::size_t length = std::size_t(std::atoll(pdf.c_str() + pos));
    pos = pdf.find(">> stream\n", pos) + 10;
    streams.push_back(pdf.substr(pos, length));
    pos += length;
  }
  return streams;
}

void Print(const char* label, double value, int digits, const char* unit) {
  std::string line = label;
  line.append(": ");
  AppendGeneral(line, value, digits);
  line.append(unit).push_back('\n');
  std::fputs(line.c_str(), stdout);
}

}  // namespace

void RunPdfExportBench() {
  TQuarrionCanvas canvas;
  BuildDeck(canvas);
  std::string pdf;
  pdf.reserve(1 << 20);

  canvas.Compressed = false;
  const double plain = MedianSeconds([&] { canvas.GeneratePDF(pdf); });
  const std::size_t plainBytes = pdf.size();
  const std::vector<std::string> streams = ContentStreams(pdf);

  canvas.Compressed = true;
  const double packed = MedianSeconds([&] { canvas.GeneratePDF(pdf); });
  const std::size_t packedBytes = pdf.size();

  std::vector<unsigned char> buffer;
  std::size_t zlibBytes = 0;
  const double zlibOnly = MedianSeconds([&] {
    zlibBytes = 0;
    for (const std::string& s : streams) {
      uLongf size = compressBound(uLong(s.size()));
      if (buffer.size() < size) buffer.resize(size);
      compress2(buffer.data(), &size, reinterpret_cast<const Bytef*>(s.data()), uLong(s.size()), 9);
      zlibBytes += size;
    }
  });

  std::fputs("PDF export\n", stdout);
  Print("  slides", kSlides, 6, "");
  Print("  boxes per slide (+ master)", kBoxesPerSlide, 6, "");
  Print("  content streams found", double(streams.size()), 6, "");
  Print("  plain: time per slide", plain / kSlides * 1e6, 3, " us");
  Print("  plain: output", double(plainBytes), 12, " bytes");
  Print("  compressed: time per slide", packed / kSlides * 1e6, 3, " us");
  Print("  compressed: output", double(packedBytes), 12, " bytes");
  Print("  zlib alone (level 9, same streams): time per slide", zlibOnly / kSlides * 1e6, 3, " us");
  Print("  zlib alone: compressed stream bytes", double(zlibBytes), 12, "");
  Print("  compressed export / zlib alone", packed / zlibOnly, 3, "");
  Print("  plain export / zlib alone", plain / zlibOnly, 3, "");
}
