// Replacing the whole document at once (the end of a successful load).
#include <algorithm>

#include "model/quarrion_canvas.h"

void TQuarrionCanvas::TakeDocumentFrom(TQuarrionCanvas& loaded) {
  if (&loaded == this) return;
  CancelUndo();
  selection_.clear();
  loaded.selection_.clear();

  std::vector<TPage> old = std::move(pages_);
  pages_ = std::move(loaded.pages_);
  int shown = std::clamp(loaded.page_, 0, std::max(PageCount() - 1, 0));
  if (pages_.empty()) pages_.emplace_back();
  // The store first: images joining look their pictures up in it, and must not find one
  // of the replaced document's under the same name.
  Resources = std::move(loaded.Resources);
  bool anyDeleted = false;
  for (auto& page : pages_)
    for (auto& obj : page.Objects) {
      obj->SetOwner(this);
      anyDeleted |= obj->Deleted;
    }

  PageWidth = loaded.PageWidth;
  PageHeight = loaded.PageHeight;
  FullScreen = loaded.FullScreen;
  ShowOutlines = loaded.ShowOutlines;
  Compressed = loaded.Compressed;
  NextObjectID = loaded.NextObjectID;
  DocumentInfo = std::move(loaded.DocumentInfo);
  if (DocumentInfo.BackgroundGradient) DocumentInfo.BackgroundGradient->SetOwner(this);

  // The objects of the replaced document leave for good, as they do with Clear. The new
  // document is already in place, so a listener never sees a canvas without pages.
  for (auto& page : old)
    for (auto& obj : page.Objects) {
      if (obj->Owner() == this) obj->SetOwner(nullptr);
      if (OnDeleteObject) OnDeleteObject(*obj);
    }
  old.clear();

  loaded.DocumentInfo.Reset();
  loaded.page_ = 0;
  loaded.undo_ = TUndoStack{};
  loaded.AddPage(0, true, false);

  ClearStatic();
  // Only an object marked deleted (kept for undo) needs the walk that removes it; a
  // document read from a file has none.
  if (anyDeleted)
    ClearUndo();
  else
    ForgetUndoSteps();
  SetPage(shown);
  Repaint();
}
