// The benchmark deck as a Quarrion document.
#include <memory>

#include "bench_deck.h"
#include "model/quarrion_canvas.h"
#include "objects/annot.h"
#include "objects/bezier.h"
#include "objects/gradient.h"
#include "objects/image.h"
#include "objects/line.h"
#include "objects/rectangle.h"
#include "text/text.h"

namespace {
std::unique_ptr<TPDFObject> MakeBox(const TDeckItem& it) {
  auto box = std::make_unique<TPDFRectangle>(it.Left, it.Top, it.Right, it.Bottom);
  box->FillColour = it.Fill;
  box->OutlineColour = it.Stroke;
  box->LineWidth = it.LineWidth;
  box->Shadow = it.Shadow;
  if (it.Gradient) {
    auto g = std::make_unique<TPDFGradient>(0, 0, 0, 0);
    g->ShadingType = it.Gradient;
    g->Start.Colour = it.Fill;
    g->End.Colour = TColor(0xFFFFFF - it.Fill);
    g->End.X = 1;
    g->End.Radius = 1;
    box->SetGradient(std::move(g));
  }
  return box;
}

std::unique_ptr<TPDFObject> MakeObject(const TDeckItem& it) {
  switch (it.What) {
    case TDeckItem::Box: return MakeBox(it);
    case TDeckItem::Line: {
      auto line = std::make_unique<TPDFLine>(it.Left, it.Top, it.Right, it.Bottom);
      line->Colour = it.Stroke;
      line->LineWidth = it.LineWidth;
      return line;
    }
    case TDeckItem::Curve: {
      auto curve = std::make_unique<TPDFBezier>(it.Left, it.Top, it.Right, it.Bottom);
      curve->LineWidth = it.LineWidth;
      return curve;
    }
    case TDeckItem::Text: {
      TTextFont font{0, 11000, std::uint8_t(it.Bold ? TextStyle::Bold : 0)};
      return std::make_unique<TPDFText>(font, it.Markup, it.Left, it.Top, it.Right, it.Bottom);
    }
    case TDeckItem::Link: {
      auto link = std::make_unique<TPDFAnnot>(it.Left, it.Top, it.Right, it.Bottom);
      link->LinkKind = 0;
      link->Destination.Page = it.JumpTo;
      return link;
    }
    case TDeckItem::Picture: return std::make_unique<TPDFImage>(it.Left, it.Top, it.Right, it.Bottom);
  }
  return nullptr;
}
}  // namespace

void BuildCanvas(const TDeck& deck, TQuarrionCanvas& canvas) {
  for (std::size_t i = 0; i < deck.PictureNames.size(); ++i)
    canvas.Resources.Add(deck.PictureNames[i], deck.PictureBytes[i]);
  auto& pages = canvas.Pages();
  pages.clear();
  for (const TDeckPage& p : deck.Pages) {
    TPage page;
    page.IsMaster = p.IsMaster;
    page.MajorEntry = p.MajorEntry;
    page.MinorEntry = p.MinorEntry;
    pages.push_back(std::move(page));
    canvas.SetPageIndexQuietly(int(pages.size()) - 1);
    for (const TDeckItem& it : p.Items) {
      TPDFObject* obj = canvas.Add(MakeObject(it));
      if (it.What == TDeckItem::Picture) static_cast<TPDFImage*>(obj)->LoadImage(it.Markup);
    }
  }
  canvas.SetPageIndexQuietly(0);
  canvas.ShowOutlines = true;
  canvas.DocumentInfo.Title = "Benchmark deck";
}
