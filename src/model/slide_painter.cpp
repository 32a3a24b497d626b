#include "model/slide_painter.h"

#include <memory>
#include <vector>

#include "model/quarrion_canvas.h"
#include "objects/annot.h"
#include "objects/gradient.h"
#include "objects/rectangle.h"

void TSlidePainter::DrawPage(TQuarrionCanvas& source, int page, const TPageParts& parts) {
  if (parts.Background) DrawBackground(parts.PageFrame);
  DrawObjects(source, page, parts);
}

void TSlidePainter::DrawBackground(bool framed) {
  // The page is a locked rectangle filled with the document background; framed, it has a
  // black hairline outline and a grey shadow, as the work area shows it.
  TPDFRectangle back(0, 0, target_.PageWidth, target_.PageHeight);
  back.Outline = framed;
  back.Shadow = framed;
  back.Fill = true;
  back.Locked = true;
  const TDocumentInfo& info = target_.ContextDocument().DocumentInfo;
  back.FillColour = info.Background;
  if (info.BackgroundIsGradient && info.BackgroundGradient) {
    // A copy, placed for the page: the document's own gradient is left alone (the
    // document may be another canvas's, and is not ours to change while drawing).
    auto copy = std::make_unique<TPDFGradient>(0, 0, 0, 0);
    info.BackgroundGradient->AssignAppearanceTo(*copy);
    back.SetGradient(std::move(copy));
  }
  back.Draw(target_);
}

void TSlidePainter::DrawWithLinks(TPDFObject& obj) {
  obj.Draw(target_);
  for (auto& link : obj.Annots()) link->Draw(target_);
}

void TSlidePainter::DrawObjects(TQuarrionCanvas& source, int page, const TPageParts& parts) {
  if (page < 0 || page >= source.PageCount()) return;
  const int master = source.MasterShownBehind(page);
  if (parts.Master && parts.Unselected && master >= 0)
    for (auto& obj : source.Pages()[std::size_t(master)].Objects)
      if (!obj->Deleted) DrawWithLinks(*obj);

  if (!parts.Objects) return;
  // The selection belongs to the current page; on any other page nothing is selected. A
  // flag per object keeps this linear in the number of objects.
  auto& objects = source.Pages()[std::size_t(page)].Objects;
  std::vector<char> selected(objects.size(), 0);
  const bool current = page == source.Page();
  if (current)
    for (int index : source.Selection())
      if (index >= 0 && index < int(selected.size())) selected[std::size_t(index)] = 1;
  for (std::size_t i = 0; i < objects.size(); ++i) {
    TPDFObject& obj = *objects[i];
    if (obj.Deleted || !(selected[i] ? parts.Selected : parts.Unselected)) continue;
    DrawWithLinks(obj);
  }
  if (current && parts.Selected && parts.SelectionMarks && target_.DrawContext.Mode == TDrawMode::WorkArea)
    DrawSelectionMarks(source);
}

void TSlidePainter::DrawSelectionMarks(TQuarrionCanvas& source) {
  auto& objects = source.CurrentPage().Objects;
  for (int index : source.Selection()) {
    if (index < 0 || index >= int(objects.size())) continue;
    TPDFObject& obj = *objects[std::size_t(index)];
    if (obj.Deleted) continue;
    if (source.ShowHighlight)
      obj.DrawHighlight(target_);
    else
      obj.DrawHandles(target_, {obj.Left, obj.Top, obj.Right, obj.Bottom});
  }
}
