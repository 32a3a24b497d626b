// Text layout: PDF output of many text blocks with markup, and the wrap stress case of one
// long paragraph in a narrow box, beside a literal trial-by-trial wrapper on a smaller piece.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "model/quarrion_canvas.h"
#include "text/text.h"

#include "bench_timing.h"

namespace {

constexpr int kRuns = 5;


std::string Paragraph(std::size_t length) {
  static const char* const kWords[] = {"slide", "<b>bold</b>", "show", "quarterly", "<i>figures</i>",
                                       "and", "<u>notes</u>", "for", "the", "<jump page=2>next</jump>",
                                       "review", "<tab>", "Quarrion", "presentation"};
  std::string s;
  for (unsigned i = 0; s.size() < length; ++i) {
    s += kWords[(i * 7 + i / 3) % 14];
    s += ' ';
  }
  return s;
}

// The wrapping rules done literally: every trial measures its whole string again.
std::string LiteralWrap(TPDFText& t, const std::string& s) {
  std::string rest = s, result;
  const double avail = double(t.Right) - t.Left;
  auto fits = [&](const std::string& x) { return t.MeasureText(x, 0) <= avail; };
  while (!rest.empty()) {
    const std::size_t lf = rest.find('\n');
    const std::string line = rest.substr(0, lf);
    if (fits(line)) {
      result += line + "\n";
      rest.erase(0, lf == std::string::npos ? std::string::npos : lf + 1);
      continue;
    }
    std::string taken;
    while (!rest.empty()) {
      const std::size_t sp = rest.find(' ');
      const std::string word = rest.substr(0, sp);
      if (!fits(taken + word) || word.find('\n') != std::string::npos) break;
      taken += word + " ";
      rest.erase(0, sp == std::string::npos ? std::string::npos : sp + 1);
    }
    if (!taken.empty()) {
      result += TPDFText::TrimLine(taken) + "\n";
      continue;
    }
    std::size_t n = 1;
    while (n < rest.size() && rest[n] != '\n' && fits(rest.substr(0, n + 1))) ++n;
    result += rest.substr(0, n) + "\n";
    rest.erase(0, n);
  }
  return result;
}

}  // namespace

void RunTextLayoutBench() {
  TQuarrionCanvas canvas;
  constexpr int kBlocks = 2000;
  std::vector<std::unique_ptr<TPDFText>> blocks;
  for (int i = 0; i < kBlocks; ++i) {
    blocks.push_back(std::make_unique<TPDFText>(20, 20, 160 + i % 200, 300));
    blocks.back()->SetText(Paragraph(200 + std::size_t(i % 400)));
  }
  std::size_t bytes = 0;
  const double pdf = MedianSeconds(kRuns, [&] {
    bytes = 0;
    for (auto& b : blocks) {
      canvas.PDFState().Clear();
      canvas.PDFState().ResetText();
      std::string out;
      b->PDFCode(canvas, out);
      bytes += out.size();
    }
  });
  const double links = MedianSeconds(kRuns, [&] {
    for (auto& b : blocks) b->RebuildLinks(canvas);
  });
  std::printf("text layout: %d blocks of 200-600 bytes, PDF code %.1f us per block (%zu bytes), "
              "link areas %.1f us per block\n",
              kBlocks, pdf * 1e6 / kBlocks, bytes, links * 1e6 / kBlocks);

  TPDFText narrow(0, 0, 60, 100);
  const std::string big = narrow.ProcessMarkup(Paragraph(60000), true);
  std::size_t lines = 0;
  const double wrapBig = MedianSeconds(kRuns, [&] {
    narrow.StyleState = 0;
    const std::string w = narrow.WrapText(big);
    lines = std::size_t(std::count(w.begin(), w.end(), '\n'));
  });
  const std::string piece = big.substr(0, 8000);
  const double wrapPiece = MedianSeconds(kRuns, [&] {
    narrow.StyleState = 0;
    narrow.WrapText(piece);
  });
  const double literalPiece = MedianSeconds(kRuns, [&] {
    narrow.StyleState = 0;
    LiteralWrap(narrow, piece);
  });
  std::printf("wrap stress: %zu-byte paragraph in a 60-point box: %.2f ms, %zu lines\n", big.size(),
              wrapBig * 1e3, lines);
  std::printf("wrap of the first 8000 bytes: %.3f ms, literal trial-by-trial %.1f ms, ratio %.0f\n",
              wrapPiece * 1e3, literalPiece * 1e3, literalPiece / wrapPiece);
}
