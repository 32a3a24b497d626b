// The link areas of a master page's text, laid out for each slide that shows it: a field
// such as the slide's title or number expands differently there, and the words after it
// move with it.
#include <algorithm>
#include <cctype>

#include "model/quarrion_canvas.h"
#include "objects/annot.h"
#include "text/text.h"

TPDFText::~TPDFText() = default;

bool TPDFText::LinksFollowSlide(const TQuarrionCanvas& canvas, int slidePage) const {
  const auto& pages = canvas.Pages();
  if (PageIndex < 0 || PageIndex >= int(pages.size()) || !pages[std::size_t(PageIndex)].IsMaster)
    return false;
  if (slidePage < 0 || slidePage >= int(pages.size()) || pages[std::size_t(slidePage)].IsMaster)
    return false;
  std::string lower(Text());
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return char(std::tolower(c)); });
  return lower.find("<#title") != std::string::npos || lower.find("<#page") != std::string::npos;
}

std::vector<std::unique_ptr<TPDFAnnot>> TPDFText::SlideLinks(TQuarrionCanvas& canvas, int slidePage) {
  const int shown = canvas.Page();
  const bool dirty = Dirty;
  std::vector<std::unique_ptr<TPDFAnnot>> own;
  while (!Annots().empty()) own.push_back(RemoveAnnot(0));
  canvas.SetPageIndexQuietly(slidePage);
  RebuildLinks(canvas);
  canvas.SetPageIndexQuietly(shown);
  std::vector<std::unique_ptr<TPDFAnnot>> laidOut;
  while (!Annots().empty()) laidOut.push_back(RemoveAnnot(0));
  for (auto& link : own) AddAnnot(std::move(link));
  Dirty = dirty;
  return laidOut;
}

void TPDFText::PDFResources(TQuarrionCanvas& canvas, int firstNumber, TPDFResources& resources) {
  slideLinks_.clear();
  const auto& pages = canvas.Pages();
  const int master = canvas.Page();
  slideLinksUsed_ = master + 1 < int(pages.size()) && LinksFollowSlide(canvas, master + 1);
  if (!slideLinksUsed_) {
    TPDFNormalised::PDFResources(canvas, firstNumber, resources);
    return;
  }
  if (TPDFObject* gradient = Gradient()) {
    const std::size_t before = resources.size();
    gradient->PDFResources(canvas, firstNumber, resources);
    firstNumber += int(resources.size() - before);
  }
  // The slides this master stands behind, each with the links as its words fall there.
  for (int p = master + 1; p < int(pages.size()) && !pages[std::size_t(p)].IsMaster; ++p) {
    if (!pages[std::size_t(p)].UseMaster) continue;
    for (auto& link : SlideLinks(canvas, p)) {
      canvas.SetPageIndexQuietly(p);
      const std::size_t before = resources.size();
      link->PDFResources(canvas, firstNumber, resources);
      firstNumber += int(resources.size() - before);
      slideLinks_.push_back(std::move(link));
    }
  }
  canvas.SetPageIndexQuietly(master);
}

void TPDFText::PDFAnnots(int page, TPDFSelection& numbers) {
  if (!slideLinksUsed_) {
    TPDFNormalised::PDFAnnots(page, numbers);
    return;
  }
  for (auto& link : slideLinks_) link->PDFAnnots(page, numbers);
}
