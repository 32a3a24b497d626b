// The linear undo history: snapshots of the selected objects' saved forms.
#include "model/quarrion_canvas.h"

void TQuarrionCanvas::StartUndo() {
  if (!Undoable || selection_.empty()) return;
  pending_.Page = page_;
  pending_.Changes.clear();
  auto& objects = CurrentPage().Objects;
  for (int index : selection_) {
    TUndoChange change;
    change.Index = index;
    if (index >= 0 && index < int(objects.size())) change.Before = objects[index]->SaveToString();
    pending_.Changes.push_back(std::move(change));
  }
}

void TQuarrionCanvas::EndUndo() {
  if (!Undoable) return;
  if (selection_.size() != pending_.Changes.size() || pending_.Page != page_) return;
  auto& objects = CurrentPage().Objects;
  for (std::size_t i = 0; i < pending_.Changes.size(); ++i) {
    int index = selection_[i];
    if (index >= 0 && index < int(objects.size()))
      pending_.Changes[i].After = objects[index]->SaveToString();
  }
  ++undo_.Position;
  undo_.Items.resize(std::size_t(undo_.Position));
  undo_.Items.back() = std::move(pending_);
  pending_ = TUndoItem{};
  pending_.Page = page_;
  if (OnUndoChanged) OnUndoChanged();
}

void TQuarrionCanvas::ClearUndo() {
  for (int p = 0; p < PageCount(); ++p) {
    auto& objects = pages_[p].Objects;
    for (int i = int(objects.size()) - 1; i >= 0; --i)
      if (objects[i]->Deleted) RemoveObject(p, i);
  }
  ForgetUndoSteps();
}

void TQuarrionCanvas::ForgetUndoSteps() {
  undo_.Items.clear();
  undo_.Position = 0;
  if (OnUndoChanged) OnUndoChanged();
}

namespace {
// Reloads every changed object of a step from one side of it.
void Reload(std::vector<TPage>& pages, const TUndoItem& item, bool before) {
  if (item.Page < 0 || item.Page >= int(pages.size())) return;
  auto& objects = pages[item.Page].Objects;
  for (const auto& change : item.Changes)
    if (change.Index >= 0 && change.Index < int(objects.size()))
      objects[change.Index]->LoadFromString(before ? change.Before : change.After);
}
}  // namespace

void TQuarrionCanvas::Undo() {
  if (!UndoPossible()) return;
  selection_.clear();
  --undo_.Position;
  const TUndoItem& item = undo_.Items[std::size_t(undo_.Position)];
  SetPage(item.Page);
  Reload(pages_, item, true);
  if (OnUndoChanged) OnUndoChanged();
  for (const auto& change : item.Changes) {
    auto& objects = pages_[item.Page].Objects;
    if (change.Index >= 0 && change.Index < int(objects.size()) && !objects[change.Index]->Deleted)
      AddToSelection(change.Index);
  }
  Repaint();
}

void TQuarrionCanvas::Redo() {
  if (!RedoPossible()) return;
  selection_.clear();
  const TUndoItem& item = undo_.Items[std::size_t(undo_.Position)];
  Reload(pages_, item, false);
  ++undo_.Position;
  if (OnUndoChanged) OnUndoChanged();
  SetPage(item.Page);
  for (const auto& change : item.Changes) {
    auto& objects = pages_[item.Page].Objects;
    if (change.Index >= 0 && change.Index < int(objects.size()) && !objects[change.Index]->Deleted)
      AddToSelection(change.Index);
  }
  Repaint();
}

void TQuarrionCanvas::RenumberUndo(int page, int oldIndex, int newIndex) {
  for (auto& item : undo_.Items) {
    if (item.Page != page) continue;
    for (auto& change : item.Changes)
      if (change.Index == oldIndex) change.Index = newIndex;
  }
}
